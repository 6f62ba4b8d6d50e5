#include "symbologies/pITF6.h"

#include <algorithm>

#include "core/pCommon.h"

namespace tessel {

TBarcode_ITF6::TBarcode_ITF6(TComponent* AOwner) : TBarcode_Code25InterleavedCustom(AOwner) {
  SetAutoCheckDigit(false);
}

void TBarcode_ITF6::SetBearerWidth(int Value) {
  if (Value <= 0) return;
  SetErasing(bearerWidth_, std::min(Value, MaxExtent));
}

void TBarcode_ITF6::SetLeftSpacing(int Value) {
  if (Value < 0) return;
  SetErasing(leftSpacing_, std::min(Value, MaxExtent));
}

void TBarcode_ITF6::SetRightSpacing(int Value) {
  if (Value < 0) return;
  SetErasing(rightSpacing_, std::min(Value, MaxExtent));
}

bool TBarcode_ITF6::VerifyLength(const std::string& Barcode, bool) { return Barcode.size() <= 6; }

std::string TBarcode_ITF6::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  const std::string digits = Barcode.size() < 6 ? SetBarcodeLength(6, Barcode, '0') : Barcode;
  return TBarcode_Code25InterleavedCustom::MakeData(digits, AutoCheckDigit, FullEncoded);
}

void TBarcode_ITF6::GetQuietZonesWidth(TCanvas&, const std::string&, TDisplayText, TTextAlignment, int& LeftTextWidth,
                                       int& RightTextWidth, int& LeftSpacing, int& RightSpacing, int& LeftHeight,
                                       int& RightHeight) {
  LeftTextWidth = RightTextWidth = LeftHeight = RightHeight = 0;
  const int bearer = bearerBars_ == bbFourSides ? bearerWidth_ : 0;
  LeftSpacing = ClampExtent(static_cast<long long>(leftSpacing_) + bearer);
  RightSpacing = ClampExtent(static_cast<long long>(rightSpacing_) + bearer);
}

void TBarcode_ITF6::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                     TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                     TPoint& RightBottom, std::span<const int>& PDx) {
  if (Define.TextPosition == tpTopIn)
    Define.TextPosition = tpTopOut;
  else if (Define.TextPosition == tpBottomIn)
    Define.TextPosition = tpBottomOut;
  TBarcode_Code25InterleavedCustom::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom,
                                                     PDx);
}

void TBarcode_ITF6::DoAfterDrawBarcode(TCanvas& Canvas, const TBarcodeDefine& Define,
                                       const TBarcodeParameters& Parameters) {
  const TBarcodeParameters& p = Parameters;
  // Module-scaled sizes stay within the layout's bounds, as the core's do.
  const int bearer = ModulesToPixels(bearerWidth_, Define.Module);
  const int gap = ModulesToPixels(Define.TextVSpacing, Define.Module);
  const bool textShown = Define.DisplayText != dtNone && !p.Text.empty();
  const bool textAbove = Define.TextPosition == tpTopIn || Define.TextPosition == tpTopOut;

  // The bearers span the whole symbol width, quiet zones included, and
  // enclose the band of the bars, leaving the text outside.
  const int x1 = p.LeftOffset, x2 = p.LeftOffset + p.SymbolWidth - 1;
  int y1, y2;
  if (textAbove) {
    y1 = textShown ? std::min(p.TextTop + p.TextHeight + gap, p.TotalHeight - 1) : p.TopOffset;
    y2 = p.TotalHeight - 1;
  } else {
    y1 = p.TopOffset;
    y2 = textShown ? std::max(p.TextTop - gap - 1, 0) : p.TotalHeight - 1;
  }

  if (y2 >= y1 && x2 >= x1) {
    TCanvasStateSaver saved(Canvas);
    Canvas.Pen.Color = Canvas.Brush.Color = BarColor();
    Canvas.Pen.Style = TPenStyle::psSolid;
    Canvas.Pen.Mode = TPenMode::pmCopy;
    Canvas.Brush.Style = TBrushStyle::bsSolid;
    FillFrameRect(Canvas, p, x1, y1, x2, std::min(y1 + bearer - 1, y2));
    FillFrameRect(Canvas, p, x1, std::max(y2 - bearer + 1, y1), x2, y2);
    if (bearerBars_ == bbFourSides) {
      FillFrameRect(Canvas, p, x1, y1, std::min(x1 + bearer - 1, x2), y2);
      FillFrameRect(Canvas, p, std::max(x2 - bearer + 1, x1), y1, x2, y2);
    }
  }
  TBarcode_Code25InterleavedCustom::DoAfterDrawBarcode(Canvas, Define, Parameters);
}

void TBarcode_ITF6::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_ITF6*>(Source);
  if (!source) return;
  bearerBars_ = source->bearerBars_;
  bearerWidth_ = source->bearerWidth_;
  leftSpacing_ = source->leftSpacing_;
  rightSpacing_ = source->rightSpacing_;
  TBarcode_Code25InterleavedCustom::Assign(Source);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_ITF6::BearerBars, &TBarcode_ITF6::SetBearerBars>("BearerBars"),
    Published<&TBarcode_ITF6::BearerWidth, &TBarcode_ITF6::SetBearerWidth>("BearerWidth"),
    Published<&TBarcode_ITF6::LeftSpacing, &TBarcode_ITF6::SetLeftSpacing>("LeftSpacing"),
    Published<&TBarcode_ITF6::RightSpacing, &TBarcode_ITF6::SetRightSpacing>("RightSpacing"),
};
}  // namespace

const TClassInfo TBarcode_ITF6::ClassInfo{"TBarcode_ITF6", &TBarcode_Code25InterleavedCustom::ClassInfo, properties,
                                          &NewComponent<TBarcode_ITF6>};
TESSEL_REGISTER(TBarcode_ITF6);

}  // namespace tessel
