#include "symbologies/pUPC.h"

#include <algorithm>
#include <vector>

#include "check/pCheck.h"
#include "core/pCommon.h"

namespace tessel {

TBarcode_UPC::TBarcode_UPC(TComponent* AOwner) : TCompositeLinearBarcode(AOwner) {}

void TBarcode_UPC::SetShowQuietZoneMark(bool Value) { SetComposite(showQuietZoneMark_, Value, false); }
void TBarcode_UPC::SetLeftQuietZoneSpacing(int Value) { SetComposite(leftQuietZoneSpacing_, Value, false); }
void TBarcode_UPC::SetRightQuietZoneSpacing(int Value) { SetComposite(rightQuietZoneSpacing_, Value, false); }

void TBarcode_UPC::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_UPC*>(Source);
  if (!source || source == this) return;
  showQuietZoneMark_ = source->showQuietZoneMark_;
  leftQuietZoneSpacing_ = source->leftQuietZoneSpacing_;
  rightQuietZoneSpacing_ = source->rightQuietZoneSpacing_;
  TBarcode::Assign(Source);
  DoChangeForComposite();
}

// ---- encoding pipeline ---------------------------------------------------------

bool TBarcode_UPC::VerifyLength(const std::string& Barcode, bool AutoCheckDigit) {
  const int length = static_cast<int>(Barcode.size());
  return AutoCheckDigit ? length <= NumberChars() - 1 : length <= NumberChars();
}

bool TBarcode_UPC::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[Index - 1];
  return c >= '0' && c <= '9';
}

std::string TBarcode_UPC::AppendCheckDigit(const std::string& Barcode) {
  const std::string s = SetBarcodeLength(NumberChars() - 1, Barcode, '0');
  return s + Mod10RightOdd3WeightCom_Check(s);
}

std::string TBarcode_UPC::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  // A check digit typed by the user is encoded as typed.
  if (!AutoCheckDigit) FullEncoded = SetBarcodeLength(NumberChars(), Barcode, '0');
  return {};
}

bool TBarcode_UPC::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                            TTextAlignment Alignment, const std::string&, double, int,
                                            TCustomAlignmentDefine&) {
  return !FullEncoded.empty() && Alignment == taCustom && DisplayText != dtNone;
}

std::string TBarcode_UPC::TwoHalvesPattern(std::string_view LeftDigits, std::string_view LeftParities,
                                           std::string_view RightDigits) {
  std::string pattern(NormalGuard);
  for (std::size_t k = 0; k < LeftDigits.size(); ++k) {
    const int digit = UPCDigit(LeftDigits[k]);
    pattern += LeftParities[k] == 'A' ? Tabelle_UPC_L[digit] : Tabelle_UPC_G[digit];
  }
  pattern += CentreGuard;
  for (char c : RightDigits) pattern += Tabelle_UPC_R[UPCDigit(c)];
  pattern += NormalGuard;
  return pattern;
}

void TBarcode_UPC::SetEANLayout(const std::string& FullEncoded, const std::string& Pattern, int HalfDigits,
                                double Ratio, int Module, TCustomAlignmentDefine& Define) {
  // A digit is four elements; the left half starts after the three of the
  // guard, the right half after the five of the centre guard.
  const int elements = 4 * HalfDigits + 1;
  const int leading = NumberChars() - 2 * HalfDigits;
  Define.AlignmentType = catDoubleZone;
  Define.LeftGuardWidth = 3 * Module;
  Define.LeftHalfWidth = GetLinesWidth(UPCCopy(Pattern, 4, elements), Module, Ratio);
  Define.CenterGuardWidth = 3 * Module;
  Define.RightHalfWidth = GetLinesWidth(UPCCopy(Pattern, 4 + elements + 3, elements), Module, Ratio);
  Define.RightGuardWidth = 3 * Module;
  Define.LeftDigits = UPCCopy(FullEncoded, leading + 1, HalfDigits);
  Define.RightDigits = UPCCopy(FullEncoded, leading + HalfDigits + 1, HalfDigits);
  Define.RightText = QuietZoneMark('>');
}

// ---- retail text layout ----------------------------------------------------------

void TBarcode_UPC::GetQuietZonesWidth(TCanvas& Canvas, const std::string& FullEncoded, TDisplayText DisplayText,
                                      TTextAlignment Alignment, int& LeftTextWidth, int& RightTextWidth,
                                      int& LeftSpacing, int& RightSpacing, int& LeftHeight, int& RightHeight) {
  TBarcode::GetQuietZonesWidth(Canvas, FullEncoded, DisplayText, Alignment, LeftTextWidth, RightTextWidth, LeftSpacing,
                               RightSpacing, LeftHeight, RightHeight);
  TCustomAlignmentDefine d;
  if (!GetCustomAlignmentDefine(FullEncoded, DisplayText, Alignment, {}, 0, 0, d)) return;
  // The canvas has the quiet-zone font selected, so these are the widths the
  // texts are drawn with.
  if (d.AlignmentType == catDoubleZone && !d.LeftText.empty()) {
    LeftTextWidth = Canvas.TextWidth(d.LeftText) + 1;
    LeftHeight = Canvas.TextHeight(d.LeftText);
    LeftSpacing = leftQuietZoneSpacing_;
  }
  if (!d.RightText.empty()) {
    RightTextWidth = Canvas.TextWidth(d.RightText) + 1;
    RightHeight = Canvas.TextHeight(d.RightText);
    RightSpacing = rightQuietZoneSpacing_;
  }
}

void TBarcode_UPC::DrawQuietZoneText(TCanvas& Canvas, const TBarcodeDefine& Define,
                                     const TBarcodeParameters& Parameters, TPoint At, const std::string& Text) {
  TCanvasStateSaver saved(Canvas);
  SelectTextFont(Canvas, Define, true);
  Canvas.CharExtra = 1;
  Canvas.TextOut(TransformPoint(Parameters, At), Text);
}

void TBarcode_UPC::DrawDigitGroup(TCanvas& Canvas, const TBarcodeParameters& Parameters, const std::string& Digits,
                                  int Left, int Width, TJustifyOffsetMode Mode) {
  std::vector<int> dx(Digits.size());
  int x = Left;
  SetCharsSpacing(Canvas, Digits, Left, Width, Mode, x, dx);
  Canvas.TextOut(TransformPoint(Parameters, {x, Parameters.TextTop}), Digits, dx);
}

void TBarcode_UPC::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                    TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                    TPoint& RightBottom, std::span<const int>& PDx) {
  TBarcode::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
  if (!Continue || Define.TextAlignment != taCustom) return;
  TBarcodeParameters& p = Parameters;
  TCustomAlignmentDefine d;
  GetCustomAlignmentDefine(p.FullEncoded, Define.DisplayText, Define.TextAlignment, p.Pattern, Define.Ratio,
                           Define.Module, d);
  switch (Step) {
    case dtsPrepare:
      // Every digit is shown, check digit included; main symbols put their
      // digits below the bars.
      p.Text = p.FullEncoded;
      if (d.AlignmentType == catDoubleZone) Define.TextPosition = tpBottomOut;
      break;
    case dtsClear:
      if (d.AlignmentType == catDoubleZone) ClearRetailTextBand(Canvas, Define, p, d, LeftTop, RightBottom);
      break;
    case dtsPrint:
      PrintRetailText(Canvas, Define, p, d);
      Continue = false;  // the whole text is drawn
      break;
  }
}

void TBarcode_UPC::ClearRetailTextBand(TCanvas& Canvas, const TBarcodeDefine& Define,
                                       const TBarcodeParameters& Parameters, const TCustomAlignmentDefine& Layout,
                                       TPoint& LeftTop, TPoint& RightBottom) {
  const TBarcodeParameters& p = Parameters;
  const TCustomAlignmentDefine& d = Layout;
  const int top = std::max(p.TextTop - Define.TextVSpacing * Define.Module, 0);
  const int bottom = std::min(p.TextTop + p.TextHeight, p.TotalHeight) - 1;
  const int a = p.LeftOffset + p.LeftZoneWidth + d.LeftGuardWidth;
  FillFrameRect(Canvas, p, a + 1, top, a + d.LeftHalfWidth - 2, bottom);
  if (d.RightHalfWidth != 0) {
    const int b = a + d.LeftHalfWidth + d.CenterGuardWidth;
    FillFrameRect(Canvas, p, b + 1, top, b + d.RightHalfWidth - 2, bottom);
  }
  LeftTop.Y = p.TextTop + p.TextHeight / 2;
  RightBottom.Y = bottom;
}

void TBarcode_UPC::PrintRetailText(TCanvas& Canvas, const TBarcodeDefine& Define, const TBarcodeParameters& Parameters,
                                   const TCustomAlignmentDefine& Layout) {
  const TBarcodeParameters& p = Parameters;
  const TCustomAlignmentDefine& d = Layout;
  if (d.AlignmentType == catDoubleZone) {
    if (!d.LeftText.empty())
      DrawQuietZoneText(Canvas, Define, p, {p.LeftOffset, p.TextTop + p.TextHeight - p.LeftHeight}, d.LeftText);
    const int inset = Define.TextHSpacing * Define.Module;
    const int leftHalf = p.LeftOffset + p.LeftZoneWidth + d.LeftGuardWidth;
    if (!d.LeftDigits.empty())
      DrawDigitGroup(Canvas, p, d.LeftDigits, leftHalf + inset, d.LeftHalfWidth - 2 * inset, jomAround);
    if (!d.RightDigits.empty())
      DrawDigitGroup(Canvas, p, d.RightDigits, leftHalf + d.LeftHalfWidth + d.CenterGuardWidth + inset,
                     d.RightHalfWidth - 2 * inset, jomAround);
  } else if (!d.LeftDigits.empty()) {
    DrawDigitGroup(Canvas, p, d.LeftDigits, p.LeftOffset + p.LeftZoneWidth + d.LeftGuardWidth + 1,
                   p.SymbolWidth - p.RightZoneWidth - d.LeftGuardWidth, jomLeft);
  }
  if (!d.RightText.empty())
    DrawQuietZoneText(
        Canvas, Define, p,
        {p.LeftOffset + p.LeftZoneWidth + p.LinesWidth + p.RightSpacing, p.TextTop + p.TextHeight - p.RightHeight},
        d.RightText);
}

// ---- composite hooks ---------------------------------------------------------------

void TBarcode_UPC::GetCompositeExtents(const TBarcodeParameters& Parameters, int& LeftExtent, int& RightExtent) {
  const TBarcodeParameters& p = Parameters;
  LeftExtent = p.LeftZoneWidth + p.LeftOffset - p.LeftSpacing;
  RightExtent = p.TotalWidth - p.LinesWidth - LeftExtent - p.LeftSpacing - p.RightSpacing;
}

// ---- helpers and reflection ----------------------------------------------------------

std::string UPCCopy(const std::string& S, int i, int n) {
  if (i < 1 || n <= 0 || static_cast<std::size_t>(i) > S.size()) return {};
  return S.substr(static_cast<std::size_t>(i - 1), static_cast<std::size_t>(n));
}

TPropInfo ShowQuietZoneMarkProperty() {
  return Published<&TBarcode_UPC::ShowQuietZoneMark, &TBarcode_UPC::SetShowQuietZoneMark>("ShowQuietZoneMark");
}
TPropInfo LeftQuietZoneSpacingProperty() {
  return Published<&TBarcode_UPC::LeftQuietZoneSpacing, &TBarcode_UPC::SetLeftQuietZoneSpacing>("LeftQuietZoneSpacing");
}
TPropInfo RightQuietZoneSpacingProperty() {
  return Published<&TBarcode_UPC::RightQuietZoneSpacing, &TBarcode_UPC::SetRightQuietZoneSpacing>(
      "RightQuietZoneSpacing");
}

namespace {
const TPropInfo properties[] = {BarcodeProperty(), RatioProperty(), TextHSpacingProperty()};
}  // namespace

// A family base: not creatable by name.
const TClassInfo TBarcode_UPC::ClassInfo{"TBarcode_UPC", &TBarcode::ClassInfo, properties, nullptr};

}  // namespace tessel
