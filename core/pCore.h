// The symbol geometry core: the pattern alphabet, the drawing definition and
// the computed layout of a symbol, layout, drawing at any angle, clearing,
// physical sizing and printing. It knows no symbology: it reads patterns and
// calls back into the component through the bound methods of a
// TBarcodeDefineExtra.
#pragma once

#include <array>
#include <climits>
#include <span>
#include <string>
#include <string_view>

#include "core/Method.h"
#include "platform/Canvas.h"
#include "platform/Font.h"
#include "platform/Printer.h"
#include "platform/PublishedEnum.h"

namespace tessel {

enum TLineType {
  ltWhite,
  ltBlack,
  ltBlackHalf,
  ltAscender,
  ltTracker,
  ltDescender,
  ltUpper,
  ltLower,
  ltWhite2D,
  ltBlack2D
};

TESSEL_PUBLISHED_ENUM(TDisplayText, dtNone, dtBarcode, dtFullEncoded)
TESSEL_PUBLISHED_ENUM(TTextPosition, tpTopIn, tpTopOut, tpBottomIn, tpBottomOut)
TESSEL_PUBLISHED_ENUM(TTextAlignment, taLeft, taCenter, taRight, taJustify, taLeftQuietZone, taCenterQuietZone,
                      taRightQuietZone, taJustifyQuietZone, taCustom)
enum TDrawTextStep { dtsPrepare, dtsClear, dtsPrint };
enum TJustifyOffsetMode { jomInsert, jomAround, jomLeft, jomRight };

// Error codes: 0 valid, ecInvalidLength, or the 1-based position of the first
// invalid character. Printing adds two: ecNoPrinter when the platform has no
// default printer, ecModuleTooSmall when the module comes to less than one
// printer pixel; nothing is printed then.
inline constexpr int ecValid = 0;
inline constexpr int ecInvalidLength = -1;
inline constexpr int ecNoPrinter = -2;
inline constexpr int ecModuleTooSmall = -3;

// Bounds that keep all layout arithmetic inside 32-bit integers: a module
// (and any line width) of at most MaxModule pixels, and positions, heights
// and margins within +-MaxExtent pixels. Larger values are clamped.
inline constexpr int MaxModule = 1 << 16;
inline constexpr int MaxExtent = 1 << 24;
constexpr int ClampExtent(long long Value) {
  return static_cast<int>(Value < -MaxExtent ? -MaxExtent : Value > MaxExtent ? MaxExtent : Value);
}
// Text spacings in modules are kept within +-MaxSpacing, so that a spacing
// times any module fits 32-bit arithmetic wherever a symbology scales one.
inline constexpr int MaxSpacing = 1 << 14;
// The smallest wide-to-narrow ratio is above one half: a wide line of one
// module then rounds to at least one pixel.
inline constexpr double MinRatio = 0.5;
inline constexpr double MillimetresPerInch = 25.4;
// A count of modules in pixels, within the bounds.
constexpr int ModulesToPixels(int Modules, int Module) { return ClampExtent(static_cast<long long>(Modules) * Module); }

// A symbol's drawing definition.
struct TBarcodeDefine {
  int Module = 1;
  double Ratio = 2.0;
  int Angle = 0;  // degrees, counter-clockwise
  bool AutoCheckDigit = true;
  TDisplayText DisplayText = dtNone;
  int TextHSpacing = 0;             // modules
  int TextVSpacing = 0;             // modules
  const TFont* TextFont = nullptr;  // not owned; null: the canvas's font
  TTextPosition TextPosition = tpBottomOut;
  TTextAlignment TextAlignment = taCenter;
  bool MultiState = false;
  int ExtraFontSize = 0;
  // Dark elements narrower and light ones wider by this many millimetres at
  // the canvas's resolution, so that bars that print too thick come out
  // right; in whole pixels on canvases that draw whole pixels.
  double BarReductionMM = 0;
};

// A symbol's computed layout, in pixels of the target in the unrotated frame
// (x along the symbol, y downward in x-pixel units).
struct TBarcodeParameters {
  std::string Text;
  std::string FullEncoded;
  std::string Pattern;
  double Angle = 0;  // radians
  TPoint Origin;
  int LinesWidth = 0;
  int LeftSpacing = 0;
  int RightSpacing = 0;
  int LeftZoneWidth = 0;
  int RightZoneWidth = 0;
  int LeftHeight = 0;
  int RightHeight = 0;
  int SymbolWidth = 0;
  int LinesHeight = 0;
  int TopOffset = 0;
  int LeftOffset = 0;
  int TextWidth = 0;
  int TextHeight = 0;
  int TextLeft = 0;
  int TextTop = 0;
  int Left = 0;
  int Top = 0;
  int TotalWidth = 0;
  int TotalHeight = 0;
  double AspectRatio = 1;
  int ResolutionX = 0;
  int ResolutionY = 0;
  TPoint RotationOffset;
};

// The box of a composite of several symbols turned as a whole.
struct TCustomRotation {
  TPoint Size;
  TPoint Offset;
  double AspectRatio = 1;
};

using TMakeData = TMethod<std::string(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded)>;
using TGetQuietZonesWidth = TMethod<void(TCanvas& Canvas, const std::string& FullEncoded, TDisplayText DisplayText,
                                         TTextAlignment Alignment, int& LeftTextWidth, int& RightTextWidth,
                                         int& LeftSpacing, int& RightSpacing, int& LeftHeight, int& RightHeight)>;
// PDx: the per-character advances of the text output (empty: none); a hook
// may point it at an array of its own that outlives the call.
using TCustomDrawText =
    TMethod<void(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                 bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx)>;
using TVerifyLength = TMethod<bool(const std::string& Barcode, bool AutoCheckDigit)>;
using TVerifyAllChars = TMethod<int(const std::string& Barcode, bool AutoCheckDigit)>;
using TDrawLine =
    TMethod<void(int Index, TLineType LineType, TColor& Color, int& Left, int& Top, int& Width, int& Height)>;
using TAfterDrawBarcode =
    TMethod<void(TCanvas& Canvas, const TBarcodeDefine& Define, const TBarcodeParameters& Parameters)>;

// A definition with the component's pipeline methods; any may be unbound.
struct TBarcodeDefineExtra : TBarcodeDefine {
  TMakeData MakeData;
  TGetQuietZonesWidth GetQuietZonesWidth;
  TCustomDrawText CustomDrawText;
  TVerifyLength VerifyLength;
  TVerifyAllChars VerifyAllChars;
  TDrawLine DrawLine;
  TAfterDrawBarcode AfterDrawBarcode;
};

// ---- pattern alphabet -------------------------------------------------------

// The four widths a pattern is drawn with.
struct TLineWidths {
  int M, W, W3, W2;
};
TLineWidths LineWidths(int Module, double Ratio);
// The alphabet as data: each pattern character's line type and width class.
namespace pattern {
enum TWidthClass : unsigned char { wcNone, wcM, wcW, wcW3, wcW2 };

struct TLineCode {
  TLineType Type = ltWhite;
  TWidthClass Width = wcNone;
};

constexpr std::array<TLineCode, 256> MakeLineCodes() {
  std::array<TLineCode, 256> codes{};
  const auto four = [&](const char* chars, TLineType type) {
    const TWidthClass widths[] = {wcM, wcW, wcW3, wcW2};
    for (int i = 0; i < 4; ++i) codes[static_cast<unsigned char>(chars[i])] = {type, widths[i]};
  };
  four("0123", ltWhite);
  four("5678", ltBlack);
  four("ABCD", ltBlackHalf);
  four("abcd", ltWhite2D);
  four("fghi", ltBlack2D);
  codes['I'] = {ltBlack, wcM};
  codes['4'] = {ltUpper, wcM};
  codes['9'] = {ltLower, wcM};
  codes['T'] = {ltAscender, wcM};
  codes['H'] = {ltTracker, wcM};
  codes['L'] = {ltDescender, wcM};
  return codes;
}

inline constexpr std::array<TLineCode, 256> LineCodes = MakeLineCodes();

inline int ClassWidth(TWidthClass c, const TLineWidths& w) {
  switch (c) {
    case wcM: return w.M;
    case wcW: return w.W;
    case wcW3: return w.W3;
    case wcW2: return w.W2;
    case wcNone: break;
  }
  return 0;
}
}  // namespace pattern

// Whether a line is dark, drawn in the bar colour against the spaces: not a
// space, and not one of the inverted two-dimensional lines.
constexpr bool IsDarkLine(TLineType Type) { return Type != ltWhite && Type != ltWhite2D && Type != ltBlack2D; }

// Kind and width of one pattern character; false (and width 0) for a
// character outside the alphabet, which draws nothing. Inline: it runs for
// every line drawn.
inline bool DecodeLine(char C, const TLineWidths& Widths, TLineType& LineType, int& Width) {
  const pattern::TLineCode code = pattern::LineCodes[static_cast<unsigned char>(C)];
  LineType = code.Type;
  Width = pattern::ClassWidth(code.Width, Widths);
  return code.Width != pattern::wcNone;
}
int GetLinesWidth(std::string_view Pattern, int Module, double Ratio);
// The narrowest dark element of a pattern in pixels (adjacent dark lines
// count as one element); 0 when it has none.
int NarrowestBar(std::string_view Pattern, int Module, double Ratio);

// Rounds to the nearest integer, halves to the even neighbour. Whole values,
// the common case in pixel arithmetic, are taken inline.
int RoundFraction(double X);
inline int Round(double X) {
  if (X > INT_MIN && X < INT_MAX) {
    const auto whole = static_cast<int>(X);
    if (whole == X) return whole;
  }
  return RoundFraction(X);
}

// ---- layout -------------------------------------------------------------------

// 0 when the definition's checks accept the text, else the error code.
int VerifyBarcode(const std::string& Barcode, const TBarcodeDefineExtra& Define);

// Selects the definition's text font turned by its angle; with Reduced, its
// size is limited to ExtraFontSize when that is smaller (the quiet-zone font).
void SelectTextFont(TCanvas& Canvas, const TBarcodeDefine& Define, bool Reduced);

// Lays a symbol out. Canvas may be null (texts are then not measured). A
// resolution of 0 stands for the default printer's. Returns the error code;
// Parameters is filled only when it is 0.
int BuildBarcodeParameters(TCanvas* Canvas, const std::string& Barcode, TBarcodeDefineExtra& Define,
                           TBarcodeParameters& Parameters, int Left, int Top, int Height, int ResolutionX,
                           int ResolutionY, const TCustomRotation* Rotation);

// Spreads Text over Width pixels from Left: X receives where the text starts,
// Dx (at least Text.size() entries) the advance after each character.
void SetCharsSpacing(TCanvas& Canvas, std::string_view Text, int Left, int Width, TJustifyOffsetMode Mode, int& X,
                     std::span<int> Dx);

// ---- geometry and rendering -------------------------------------------------------

TPoint Rotate2D(TPoint P, double Angle, double Aspect);
TPoint Translate2D(TPoint P, TPoint D);
TPoint TranslateQuad2D(TPoint LeftTop, TPoint Size, double Aspect, double Angle);
void RotatedExtent(int& Width, int& Height, double Aspect, double Angle);
// The point transform of a layout (offset, turn, aspect, origin) with its
// sine and cosine computed once; an unturned frame of aspect 1 (most
// symbols) is a plain translation.
class TFrameTransform {
 public:
  explicit TFrameTransform(const TBarcodeParameters& Parameters);
  // Inline for the plain translation: it runs four times for every line.
  TPoint operator()(TPoint P) const { return translation_ ? TPoint{P.X + shift_.X, P.Y + shift_.Y} : Turned(P); }
  // Whether the transform only moves points (upright boxes stay upright).
  bool Translation() const { return translation_; }
  // Whether the frame's x axis runs along one of the target's axes (a turn
  // by a right angle, equal resolutions); Along gives where one pixel along
  // it goes then.
  bool AxisAligned() const;
  TPoint Along() const;

 private:
  TPoint Turned(TPoint P) const;

  double sin_, cos_, aspect_;
  TPoint origin_, offset_;
  TPoint shift_;  // offset and origin together, for the plain translation
  bool translation_;
};

// Where a point of the layout's unrotated frame lands on the target.
TPoint TransformPoint(const TBarcodeParameters& Parameters, TPoint P);
// Fills the layout-frame rectangle (right and bottom inclusive) with the
// canvas's current pen and brush as a turned quadrilateral.
void FillFrameRect(TCanvas& Canvas, const TFrameTransform& Transform, int Left, int Top, int Right, int Bottom);
void FillFrameRect(TCanvas& Canvas, const TBarcodeParameters& Parameters, int Left, int Top, int Right, int Bottom);

int DrawBarcode(TCanvas& Canvas, const std::string& Barcode, int Left, int Top, int Height, TColor BarColor,
                TColor SpaceColor, TColor TextBackColor, const TBarcodeDefineExtra& Define, int ResolutionX,
                int ResolutionY, const TCustomRotation* Rotation);
// Draws a symbol laid out by BuildBarcodeParameters: its lines, its text and
// the after-drawing event (the text events may change both arguments).
void DrawBarcodeLayout(TCanvas& Canvas, TBarcodeDefineExtra& Define, TBarcodeParameters& Parameters, TColor BarColor,
                       TColor SpaceColor, TColor TextBackColor);
int ClearBarcode(TCanvas& Canvas, const std::string& Barcode, int Left, int Top, int Height, TColor Color,
                 const TBarcodeDefineExtra& Define, int Margin, bool UseColor);

// ---- physical sizing and printing -------------------------------------------------

int GetPrinterResolution(TPrinter* Printer, bool Horizontal);
// Resolution 0 stands for the default printer's; without a printer the
// conversions give 0.
int MillimetresToPixelsX(int Resolution, double Millimetres);
int MillimetresToPixelsY(int Resolution, double Millimetres);
double PixelsToMillimetresX(int Pixels, int Resolution);
double PixelsToMillimetresY(int Pixels, int Resolution);

int PrintBarcode(const std::string& Barcode, double ModuleMM, double LeftMM, double TopMM, double HeightMM,
                 TColor BarColor, TColor SpaceColor, TColor TextBackColor, const TBarcodeDefineExtra& Define,
                 double WidthMM);
double ActualPrintWidth(const std::string& Barcode, double ModuleMM, const TBarcodeDefineExtra& Define, int& Module,
                        int& ErrorCode, double TargetWidthMM, int Resolution);
int PrintSize(const std::string& Barcode, double ModuleMM, const TBarcodeDefineExtra& Define, int& Module,
              double& WidthMM, double& HeightMM, double TargetWidthMM, int ResolutionX, int ResolutionY);
// The symbol's size on a screen bitmap, its texts measured on a scratch
// bitmap of the platform.
int DrawSize(const std::string& Barcode, const TBarcodeDefineExtra& Define, int& Width, int& Height);

}  // namespace tessel
