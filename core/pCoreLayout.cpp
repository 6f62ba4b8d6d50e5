// Pattern decoding, symbol layout and justified text spacing.
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <memory>
#include <numbers>

#include "core/pCore.h"
#include "platform/Platform.h"

namespace tessel {
namespace {

bool IsJustified(TTextAlignment a) { return a == taJustify || a == taJustifyQuietZone || a == taCustom; }

}  // namespace

int RoundFraction(double x) {
  if (std::isnan(x)) return 0;
  if (x >= INT_MAX) return INT_MAX;
  if (x <= INT_MIN) return INT_MIN;
  const double floor = std::floor(x);
  const double diff = x - floor;
  auto r = static_cast<long long>(floor);
  if (diff > 0.5 || (diff == 0.5 && (r % 2 != 0))) ++r;
  return static_cast<int>(r);
}

TLineWidths LineWidths(int Module, double Ratio) {
  const int m = std::clamp(Module, 0, MaxModule);
  const int w = std::clamp(Round(m * Ratio), 0, MaxModule);
  return {m, w, (3 * w) / 2, 2 * w};
}

int GetLinesWidth(std::string_view Pattern, int Module, double Ratio) {
  const TLineWidths widths = LineWidths(Module, Ratio);
  long long total = 0;
  for (char c : Pattern) total += pattern::ClassWidth(pattern::LineCodes[static_cast<unsigned char>(c)].Width, widths);
  return static_cast<int>(std::min<long long>(total, MaxExtent));
}

int NarrowestBar(std::string_view Pattern, int Module, double Ratio) {
  const TLineWidths widths = LineWidths(Module, Ratio);
  int narrowest = 0, run = 0;
  const auto endRun = [&] {
    if (run > 0 && (narrowest == 0 || run < narrowest)) narrowest = run;
    run = 0;
  };
  for (char c : Pattern) {
    const pattern::TLineCode code = pattern::LineCodes[static_cast<unsigned char>(c)];
    if (IsDarkLine(code.Type) && code.Width != pattern::wcNone)
      run += pattern::ClassWidth(code.Width, widths);
    else
      endRun();
  }
  endRun();
  return narrowest;
}

int VerifyBarcode(const std::string& Barcode, const TBarcodeDefineExtra& Define) {
  if (Define.VerifyLength && !Define.VerifyLength(Barcode, Define.AutoCheckDigit)) return ecInvalidLength;
  if (Define.VerifyAllChars) return Define.VerifyAllChars(Barcode, Define.AutoCheckDigit);
  return ecValid;
}

namespace {
// An angle reduced to less than one turn: the same rotation, and small
// enough to scale to tenths of a degree.
int WithinOneTurn(int Degrees) { return Degrees % 360; }
}  // namespace

void SelectTextFont(TCanvas& Canvas, const TBarcodeDefine& Define, bool Reduced) {
  const int escapement = WithinOneTurn(Define.Angle) * 10;
  if (Define.TextFont) {
    TFont font(*Define.TextFont);
    if (Reduced && Define.ExtraFontSize > 0 && Define.ExtraFontSize < font.Size()) font.SetSize(Define.ExtraFontSize);
    Canvas.SelectFont(font, escapement);
  } else {
    // The canvas's own font: its height stands for its size.
    const int size = MulDiv(-Canvas.Font.Height, 72, Canvas.PixelsPerInchY());
    if (Reduced && Define.ExtraFontSize > 0 && Define.ExtraFontSize < size)
      Canvas.Font.Height = -MulDiv(Define.ExtraFontSize, Canvas.PixelsPerInchY(), 72);
    Canvas.Font.Escapement = escapement;
  }
}

namespace {

// The device's resolutions and their aspect ratio, or the rotation's ratio
// when an outer rotation lays the symbol out.
void SetResolution(TBarcodeParameters& p, int ResolutionX, int ResolutionY, const TCustomRotation* Rotation) {
  if (Rotation) {
    p.AspectRatio = Rotation->AspectRatio;
    return;
  }
  TPrinter* printer = ResolutionX == 0 || ResolutionY == 0 ? Platform().Printer() : nullptr;
  p.ResolutionX = ResolutionX != 0 ? ResolutionX : GetPrinterResolution(printer, true);
  p.ResolutionY = ResolutionY != 0 ? ResolutionY : GetPrinterResolution(printer, false);
  p.AspectRatio = p.ResolutionX > 0 && p.ResolutionY > 0 ? double(p.ResolutionX) / p.ResolutionY : 1.0;
}

// The symbology's pattern, its width in pixels and the text it shows.
void EncodePattern(TBarcodeParameters& p, const std::string& Barcode, const TBarcodeDefineExtra& Define, int Height) {
  if (Define.MakeData) p.Pattern = Define.MakeData(Barcode, Define.AutoCheckDigit, p.FullEncoded);
  p.LinesWidth = GetLinesWidth(p.Pattern, Define.Module, Define.Ratio);

  if (Define.DisplayText == dtBarcode)
    p.Text = Barcode;
  else if (Define.DisplayText == dtFullEncoded)
    p.Text = p.FullEncoded;

  p.SymbolWidth = p.TotalWidth = p.LinesWidth;
  p.LinesHeight = p.TotalHeight = Height;
  p.Angle = Define.Angle * std::numbers::pi / 180.0;
}

// Quiet zones and the texts a symbology prints in them. Without a canvas
// they are measured on a scratch bitmap when the platform has one.
void MeasureQuietZones(TCanvas* Canvas, const TBarcodeDefineExtra& Define, TBarcodeParameters& p) {
  int leftTextWidth = 0, rightTextWidth = 0;
  if (Define.GetQuietZonesWidth) {
    std::unique_ptr<TBitmap> scratch;
    TCanvas* measure = Canvas;
    if (!measure && (scratch = Platform().CreateBitmap())) measure = &scratch->Canvas();
    if (measure) {
      TCanvasStateSaver saved(*measure);
      SelectTextFont(*measure, Define, true);
      measure->CharExtra = 1;
      Define.GetQuietZonesWidth(*measure, p.FullEncoded, Define.DisplayText, Define.TextAlignment, leftTextWidth,
                                rightTextWidth, p.LeftSpacing, p.RightSpacing, p.LeftHeight, p.RightHeight);
    }
  }
  p.LeftHeight = Round(p.LeftHeight * p.AspectRatio);
  p.RightHeight = Round(p.RightHeight * p.AspectRatio);
  p.LeftSpacing = ModulesToPixels(p.LeftSpacing, Define.Module);
  p.RightSpacing = ModulesToPixels(p.RightSpacing, Define.Module);
  p.LeftZoneWidth = leftTextWidth + p.LeftSpacing;
  p.RightZoneWidth = rightTextWidth + p.RightSpacing;
  p.SymbolWidth = p.TotalWidth = p.LinesWidth + p.LeftZoneWidth + p.RightZoneWidth;
}

// The text's left edge for the alignment, from its measured width.
int AlignedTextLeft(TTextAlignment Alignment, const TBarcodeParameters& p) {
  switch (Alignment) {
    case taLeft:
    case taJustify: return p.LeftZoneWidth;
    case taCenter: return p.LeftZoneWidth + (p.LinesWidth - p.TextWidth) / 2;
    case taRight: return p.SymbolWidth - p.RightZoneWidth - p.TextWidth;
    case taCenterQuietZone: return (p.SymbolWidth - p.TextWidth) / 2;
    case taRightQuietZone: return p.SymbolWidth - p.TextWidth;
    case taLeftQuietZone:
    case taJustifyQuietZone:
    case taCustom: break;
  }
  return 0;
}

// The text's size and place in the text font, after the prepare hook had its say.
void MeasureText(TCanvas& Canvas, TBarcodeDefineExtra& Define, TBarcodeParameters& p) {
  TCanvasStateSaver saved(Canvas);
  SelectTextFont(Canvas, Define, false);
  Canvas.CharExtra = 1;
  bool Continue = true;
  if (Define.CustomDrawText) {
    TPoint leftTop, rightBottom;
    std::span<const int> dx;
    Define.CustomDrawText(Canvas, dtsPrepare, Define, p, Continue, leftTop, rightBottom, dx);
    SelectTextFont(Canvas, Define, false);  // the hook may have changed the font
  }
  if (!Continue || p.Text.empty()) return;
  p.TextWidth = Canvas.TextWidth(p.Text);
  p.TextLeft = AlignedTextLeft(Define.TextAlignment, p);
  p.TextHeight = Round(Canvas.TextHeight(p.Text) * p.AspectRatio);
  p.TextTop = Define.TextPosition == tpTopIn || Define.TextPosition == tpTopOut ? 0 : p.LinesHeight - p.TextHeight;
}

// Moves the symbol right and down so text that starts before it fits, and
// grows the totals to take in the text.
void FitTextIntoTotals(const TBarcodeDefineExtra& Define, TBarcodeParameters& p) {
  p.TopOffset = std::max(0, -p.TextTop);
  p.TextTop += p.TopOffset;
  p.TotalHeight = std::max(p.LinesHeight + p.TopOffset, p.TextTop + p.TextHeight);
  p.LeftOffset = std::max(0, -p.TextLeft);
  p.TextLeft += p.LeftOffset;
  p.TotalWidth = IsJustified(Define.TextAlignment) ? p.SymbolWidth + p.LeftOffset
                                                   : std::max(p.SymbolWidth + p.LeftOffset, p.TextLeft + p.TextWidth);
}

}  // namespace

int BuildBarcodeParameters(TCanvas* Canvas, const std::string& Barcode, TBarcodeDefineExtra& Define,
                           TBarcodeParameters& Parameters, int Left, int Top, int Height, int ResolutionX,
                           int ResolutionY, const TCustomRotation* Rotation) {
  const int error = VerifyBarcode(Barcode, Define);
  if (error != ecValid) return error;

  TBarcodeParameters& p = Parameters;
  p = TBarcodeParameters{};
  p.Left = ClampExtent(Left);
  p.Top = ClampExtent(Top);
  Define.Module = std::clamp(Define.Module, 0, MaxModule);

  SetResolution(p, ResolutionX, ResolutionY, Rotation);
  EncodePattern(p, Barcode, Define, ClampExtent(Height));
  MeasureQuietZones(Canvas, Define, p);
  if (Canvas) {
    if (Define.DisplayText != dtNone) MeasureText(*Canvas, Define, p);
    FitTextIntoTotals(Define, p);
  }

  if (Rotation) {
    p.Origin = TranslateQuad2D({p.Left, p.Top}, Rotation->Size, p.AspectRatio, p.Angle);
    p.RotationOffset = Rotation->Offset;
  } else {
    p.Origin = TranslateQuad2D({p.Left, p.Top}, {p.TotalWidth, p.TotalHeight}, p.AspectRatio, p.Angle);
  }
  return ecValid;
}

void SetCharsSpacing(TCanvas& Canvas, std::string_view Text, int Left, int Width, TJustifyOffsetMode Mode, int& X,
                     std::span<int> Dx) {
  const int n = static_cast<int>(std::min(Text.size(), Dx.size()));
  std::fill(Dx.begin(), Dx.end(), 0);
  Canvas.CharExtra = 0;
  const int tw = Canvas.TextWidth(Text);
  const int b = Width - 1;
  if (n < 2) {
    X = Left + (b - tw) / 2;
    return;
  }
  const int spare = b - tw;
  const int g = Mode == jomInsert ? Round(double(spare) / (n - 1)) : spare / (n - 1);
  for (int i = 0; i < n - 1; ++i) Dx[i] = Canvas.TextWidth(Text.substr(i, 1)) + g;
  switch (Mode) {
    case jomInsert: {
      const int r = spare - (n - 1) * g;
      const int step = r > 0 ? 1 : -1;
      for (int i = 0; i < std::min(std::abs(r), n - 1); ++i) Dx[i] += step;
      X = Left;
      break;
    }
    case jomAround: X = Left + (Width - tw - (n - 1) * g) / 2; break;
    case jomLeft: X = Left + b - tw - (n - 1) * g; break;
    case jomRight: X = Left; break;
  }
}

}  // namespace tessel
