// Drawing a laid-out symbol onto a canvas at any angle, and clearing its box.
#include <array>
#include <climits>
#include <cmath>
#include <numbers>
#include <vector>

#include "core/pCore.h"

namespace tessel {
namespace {

bool IsTop(TTextPosition p) { return p == tpTopIn || p == tpTopOut; }

// The line's rows inside a bar area of height H starting at Top.
void ShapeLine(TLineType type, int H, int& Top, int& Height) {
  switch (type) {
    case ltBlackHalf:
      Top += 3 * H / 5;
      Height = H - 3 * H / 5;
      break;
    case ltAscender: Height = 2 * H / 3; break;
    case ltTracker:
      Top += H / 3;
      Height = H / 3;
      break;
    case ltDescender:
      Top += H / 3;
      Height = H - H / 3;
      break;
    case ltUpper: Height = H / 2; break;
    case ltLower:
      Top += H / 2;
      Height = H - H / 2;
      break;
    default: Height = H; break;
  }
}

// Upright lines of one height that follow each other without a gap,
// gathered to be filled with one canvas call (a symbol's bars mostly are).
class TLineRow {
 public:
  explicit TLineRow(TCanvas& Canvas) : canvas_(Canvas) {}
  TLineRow(const TLineRow&) = delete;
  TLineRow& operator=(const TLineRow&) = delete;

  // Adds a box in canvas coordinates (right and bottom inclusive); a box
  // that does not continue the row first fills the row gathered so far.
  void Add(int Left, int Top, int Right, int Bottom, TColor Color) {
    if (count_ > 0 &&
        (Top != top_ || Bottom != bottom_ || Left != boxes_[count_ - 1].Right + 1 || count_ == boxes_.size()))
      Flush();
    if (count_ == 0) {
      top_ = Top;
      bottom_ = Bottom;
    }
    boxes_[count_++] = {Left, Right, Color};
  }
  // Fills the row gathered so far; called before anything else is drawn.
  void Flush() {
    if (count_ > 0) canvas_.SolidColumns(top_, bottom_, std::span(boxes_.data(), count_));
    count_ = 0;
  }

 private:
  TCanvas& canvas_;
  std::array<TColumnBox, 64> boxes_;
  std::size_t count_ = 0;
  int top_ = 0, bottom_ = 0;
};

// A bar width reduction as moves of the elements' edges along the symbol:
// a dark element loses Lead pixels at its leading edge and Trail at its
// trailing edge, and the light elements beside it gain them, so the
// symbol's width and every element's centre stay (within half a pixel).
// Canvases of whole pixels take whole pixels, the odd one from the trailing
// edge; a bar always keeps at least one pixel.
class TEdgeMoves {
 public:
  TEdgeMoves(const TCanvas& Canvas, const TBarcodeDefine& Define, std::string_view Pattern) : pattern_(Pattern) {
    if (!(Define.BarReductionMM > 0)) return;
    const double narrowest = NarrowestBar(Pattern, Define.Module, Define.Ratio);
    double reduction = Define.BarReductionMM * Canvas.PixelsPerInchX() / MillimetresPerInch;
    if (!Canvas.Fractional()) reduction = Round(reduction);
    reduction = std::clamp(reduction, 0.0, std::max(0.0, narrowest - 1));
    if (Canvas.Fractional()) {
      lead_ = trail_ = reduction / 2;
    } else {
      // Whole dots: the leading edge takes the lower half, the trailing edge the rest.
      lead_ = std::floor(reduction / 2);
      trail_ = reduction - lead_;
    }
  }
  bool Active() const { return lead_ + trail_ > 0; }
  // How far the left and right edges of line Index move towards the
  // symbol's end.
  void Of(std::size_t Index, double& Left, double& Right) const {
    const TKind kind = KindAt(Index);
    const TKind before = Index > 0 ? KindAt(Index - 1) : TKind::Other;
    const TKind after = KindAt(Index + 1);
    Left = Right = 0;
    if (kind == TKind::Dark) {
      if (before == TKind::Light || before == TKind::Other) Left = lead_;
      if (after == TKind::Light || after == TKind::Other) Right = -trail_;
    } else if (kind == TKind::Light) {
      if (before == TKind::Dark) Left = -trail_;
      if (after == TKind::Dark) Right = lead_;
    }
  }

 private:
  enum class TKind { Dark, Light, Other };
  TKind KindAt(std::size_t Index) const {
    if (Index >= pattern_.size()) return TKind::Other;
    const pattern::TLineCode code = pattern::LineCodes[static_cast<unsigned char>(pattern_[Index])];
    if (code.Width == pattern::wcNone) return TKind::Other;
    if (code.Type == ltWhite) return TKind::Light;
    return IsDarkLine(code.Type) ? TKind::Dark : TKind::Other;
  }

  std::string_view pattern_;
  double lead_ = 0, trail_ = 0;
};

// Fills a line's box moved by Left and Right pixels along the symbol,
// exactly, on a fractional canvas whose frame runs along its axes.
void FillMovedLine(TCanvas& Canvas, const TFrameTransform& Transform, int X, int Top, int Width, int Height,
                   double Left, double Right) {
  const TPoint a = Transform({X, Top}), b = Transform({X + Width - 1, Top + Height - 1});
  double x0 = std::min(a.X, b.X), x1 = std::max(a.X, b.X) + 1;
  double y0 = std::min(a.Y, b.Y), y1 = std::max(a.Y, b.Y) + 1;
  const TPoint along = Transform.Along();
  const auto move = [Left, Right](double& low, double& high, int direction) {
    if (direction > 0) {
      low += Left;
      high += Right;
    } else if (direction < 0) {
      high -= Left;
      low -= Right;
    }
  };
  move(x0, x1, along.X);
  move(y0, y1, along.Y);
  Canvas.FillArea(x0, y0, x1, y1);
}

// One line's box in the layout frame.
struct TLineBox {
  int X, Top, Width, Height;
};

// Draws one line: gathered into the row when it is upright and more than a
// pixel high, else filled at once; the inverted two-dimensional lines first
// fill their box in the other colour.
void DrawLine(TCanvas& Canvas, TLineRow& Row, const TFrameTransform& Transform, int Module, TLineBox Box,
              TLineType Type, TColor Color, TColor BarColor, TColor SpaceColor) {
  if (Box.Width <= 0 || Box.Height <= 0) return;
  if (Type == ltWhite2D || Type == ltBlack2D) {
    Row.Flush();
    UseSolidColor(Canvas, Type == ltWhite2D ? BarColor : SpaceColor);
    FillFrameRect(Canvas, Transform, Box.X, Box.Top, Box.X + Box.Width - 1, Box.Top + Box.Height - 1);
    Box.Top += Module;
    Box.Height -= Module;
  }
  if (Box.Height > 1 && Transform.Translation()) {
    const TPoint at = Transform({Box.X, Box.Top});
    Row.Add(at.X, at.Y, at.X + Box.Width - 1, at.Y + Box.Height - 1, Color);
  } else if (Box.Height > 0) {
    Row.Flush();
    UseSolidColor(Canvas, Color);
    FillFrameRect(Canvas, Transform, Box.X, Box.Top, Box.X + Box.Width - 1, Box.Top + Box.Height - 1);
    if (Box.Height == 1) {
      const TPoint at = Transform({Box.X, Box.Top});
      Canvas.SetPixel(at.X, at.Y, Color);
    }
  }
}

void DrawLines(TCanvas& Canvas, const TBarcodeDefineExtra& Define, const TBarcodeParameters& P, int LinesTop,
               int LinesHeight, TColor BarColor, TColor SpaceColor) {
  const TLineWidths widths = LineWidths(Define.Module, Define.Ratio);
  const TFrameTransform transform(P);
  const TEdgeMoves moves(Canvas, Define, P.Pattern);
  const bool exactMoves = moves.Active() && Canvas.Fractional() && transform.AxisAligned();
  TLineRow row(Canvas);
  int x = P.LeftOffset + P.LeftZoneWidth;
  int index = 0;
  for (char c : P.Pattern) {
    ++index;
    TLineType type;
    int width;
    DecodeLine(c, widths, type, width);
    int top = LinesTop + P.TopOffset;
    int height = LinesHeight;
    ShapeLine(type, LinesHeight, top, height);
    TColor color = type == ltWhite || type == ltWhite2D ? SpaceColor : BarColor;
    if (Define.DrawLine) Define.DrawLine(index, type, color, x, top, width, height);
    const int lineX = x;
    x += width;
    if (width <= 0 || height <= 0) continue;
    double left = 0, right = 0;
    if (moves.Active()) moves.Of(static_cast<std::size_t>(index - 1), left, right);
    if (exactMoves && (left != 0 || right != 0)) {
      row.Flush();
      UseSolidColor(Canvas, color);
      FillMovedLine(Canvas, transform, lineX, top, width, height, left, right);
      continue;
    }
    // On canvases of whole pixels the moves are whole.
    const int moveLeft = static_cast<int>(left), moveRight = static_cast<int>(right);
    DrawLine(Canvas, row, transform, Define.Module, {lineX + moveLeft, top, width - moveLeft + moveRight, height}, type,
             color, BarColor, SpaceColor);
  }
  row.Flush();
}

// The columns of the box cleared behind the text: the whole width for text
// outside the bars or placed freely, else the text with its padding.
void TextBoxColumns(const TBarcodeDefineExtra& Define, const TBarcodeParameters& P, TPoint& LeftTop,
                    TPoint& RightBottom) {
  const bool outside = Define.TextPosition == tpTopOut || Define.TextPosition == tpBottomOut;
  if (outside || Define.TextAlignment == taCustom) {
    LeftTop.X = 0;
    RightBottom.X = P.TotalWidth - 1;
    return;
  }
  const int pad = ModulesToPixels(Define.TextHSpacing, Define.Module);
  switch (Define.TextAlignment) {
    case taLeft:
    case taLeftQuietZone:
      LeftTop.X = P.TextLeft;
      RightBottom.X = std::min(P.TextLeft + P.TextWidth + pad, P.TotalWidth) - 1;
      break;
    case taCenter:
    case taCenterQuietZone:
      LeftTop.X = std::max(P.TextLeft - pad, 0);
      RightBottom.X = std::min(P.TextLeft + P.TextWidth + pad, P.TotalWidth) - 1;
      break;
    case taRight:
    case taRightQuietZone:
      LeftTop.X = std::max(P.TextLeft - pad, 0);
      RightBottom.X = P.TextLeft + P.TextWidth - 1;
      break;
    case taJustify:
      LeftTop.X = P.LeftOffset + P.LeftZoneWidth;
      RightBottom.X = LeftTop.X + P.LinesWidth - 1;
      break;
    case taJustifyQuietZone:
      LeftTop.X = P.LeftOffset;
      RightBottom.X = P.LeftOffset + P.SymbolWidth - 1;
      break;
    case taCustom: break;
  }
}

// The rows of the box cleared behind the text: the text with its gap, at the top or the bottom.
void TextBoxRows(const TBarcodeDefineExtra& Define, const TBarcodeParameters& P, TPoint& LeftTop, TPoint& RightBottom) {
  const int gap = ModulesToPixels(Define.TextVSpacing, Define.Module);
  if (IsTop(Define.TextPosition)) {
    LeftTop.Y = 0;
    RightBottom.Y = std::min(gap + P.TextHeight, P.TotalHeight) - 1;
  } else {
    LeftTop.Y = std::max(P.TotalHeight - P.TextHeight - gap, 0);
    RightBottom.Y = P.TotalHeight - 1;
  }
}

// Spreads justified text over the bars (or the whole symbol): fills Dx with
// the advances and moves X to the first character. False for other alignments.
bool JustifyText(TCanvas& Canvas, const TBarcodeDefineExtra& Define, const TBarcodeParameters& P, int& X,
                 std::vector<int>& Dx) {
  if (Define.TextAlignment == taJustifyQuietZone) {
    Dx.resize(P.Text.size());
    SetCharsSpacing(Canvas, P.Text, P.LeftOffset, P.SymbolWidth, jomInsert, X, Dx);
    return true;
  }
  if (Define.TextAlignment == taJustify || Define.TextAlignment == taCustom) {
    Dx.resize(P.Text.size());
    SetCharsSpacing(Canvas, P.Text, P.LeftOffset + P.LeftZoneWidth, P.LinesWidth, jomInsert, X, Dx);
    return true;
  }
  return false;
}

// Clears the text's box, then prints the text; the hook may take over either step.
void DrawBarcodeText(TCanvas& Canvas, TBarcodeDefineExtra& Define, TBarcodeParameters& P, TColor TextBackColor) {
  TCanvasStateSaver saved(Canvas);
  UseSolidColor(Canvas, TextBackColor);
  SelectTextFont(Canvas, Define, false);
  Canvas.CharExtra = 1;

  TPoint leftTop, rightBottom;
  TextBoxColumns(Define, P, leftTop, rightBottom);
  TextBoxRows(Define, P, leftTop, rightBottom);
  bool Continue = true;
  std::span<const int> advances;
  if (Define.CustomDrawText)
    Define.CustomDrawText(Canvas, dtsClear, Define, P, Continue, leftTop, rightBottom, advances);
  if (Continue) FillFrameRect(Canvas, P, leftTop.X, leftTop.Y, rightBottom.X, rightBottom.Y);

  leftTop = {P.TextLeft, P.TextTop};
  std::vector<int> dx;
  if (JustifyText(Canvas, Define, P, leftTop.X, dx)) advances = dx;

  Canvas.Transparent = true;
  Canvas.TextColor = Canvas.Font.Color;
  Continue = true;
  if (Define.CustomDrawText)
    Define.CustomDrawText(Canvas, dtsPrint, Define, P, Continue, leftTop, rightBottom, advances);
  if (Continue) Canvas.TextOut(TransformPoint(P, leftTop), P.Text, advances);
}

}  // namespace

TPoint Rotate2D(TPoint P, double Angle, double Aspect) {
  const double s = std::sin(Angle), c = std::cos(Angle);
  return {Round(P.X * c + P.Y * s), Round((P.Y * c - P.X * s) / Aspect)};
}

TFrameTransform::TFrameTransform(const TBarcodeParameters& P)
    : sin_(std::sin(P.Angle)),
      cos_(std::cos(P.Angle)),
      aspect_(P.AspectRatio),
      origin_(P.Origin),
      offset_(P.RotationOffset),
      shift_{P.RotationOffset.X + P.Origin.X, P.RotationOffset.Y + P.Origin.Y},
      translation_(sin_ == 0.0 && cos_ == 1.0 && aspect_ == 1.0) {}

TPoint TFrameTransform::Turned(TPoint P) const {
  const double x = P.X + offset_.X, y = P.Y + offset_.Y;
  return {Round(x * cos_ + y * sin_) + origin_.X, Round((y * cos_ - x * sin_) / aspect_) + origin_.Y};
}

bool TFrameTransform::AxisAligned() const {
  constexpr double Tolerance = 1e-9;
  return aspect_ == 1.0 && (std::abs(sin_) < Tolerance || std::abs(cos_) < Tolerance);
}

TPoint TFrameTransform::Along() const {
  const auto sign = [](double v) { return v > 0.5 ? 1 : v < -0.5 ? -1 : 0; };
  return {sign(cos_), sign(-sin_)};
}

TPoint Translate2D(TPoint P, TPoint D) { return {P.X + D.X, P.Y + D.Y}; }

TPoint TranslateQuad2D(TPoint LeftTop, TPoint Size, double Aspect, double Angle) {
  const double s = std::sin(Angle), c = std::cos(Angle), k = Aspect;
  const double w = Size.X, h = Size.Y;
  int dx = 0, dy = 0;
  if (s >= 0 && c >= 0) {
    dy = Round(w * s / k);
  } else if (s >= 0) {
    dx = -Round(w * c);
    dy = Round((w * s - h * c) / k);
  } else if (c >= 0) {
    dx = -Round(h * s);
  } else {
    dx = -Round(w * c) - Round(h * s);
    dy = -Round(h * c / k);
  }
  TPoint r{LeftTop.X + dx, LeftTop.Y + dy};
  // Rounding in Rotate2D puts a turned box one pixel past its corner.
  const int degrees = ((Round(Angle * 180 / std::numbers::pi) % 360) + 360) % 360;
  if (degrees >= 45 && degrees <= 135) {
    r.Y -= 1;
  } else if (degrees >= 136 && degrees <= 225) {
    r.X -= 1;
    r.Y -= 1;
  } else if (degrees >= 226 && degrees <= 315) {
    r.X -= 1;
  }
  return r;
}

void RotatedExtent(int& Width, int& Height, double Aspect, double Angle) {
  if (Angle == 0) return;
  const TPoint corners[] = {{0, 0}, {Width, 0}, {0, Height}, {Width, Height}};
  int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
  for (TPoint c : corners) {
    const TPoint r = Rotate2D(c, Angle, Aspect);
    minX = std::min(minX, r.X);
    maxX = std::max(maxX, r.X);
    minY = std::min(minY, r.Y);
    maxY = std::max(maxY, r.Y);
  }
  Width = maxX - minX + 1;
  Height = maxY - minY + 1;
}

TPoint TransformPoint(const TBarcodeParameters& P, TPoint Point) { return TFrameTransform(P)(Point); }

void FillFrameRect(TCanvas& Canvas, const TFrameTransform& T, int Left, int Top, int Right, int Bottom) {
  if (T.Translation()) {
    const TPoint leftTop = T({Left, Top}), rightBottom = T({Right, Bottom});
    Canvas.UprightBox(leftTop.X, leftTop.Y, rightBottom.X, rightBottom.Y);
    return;
  }
  const TPoint points[4] = {T({Left, Top}), T({Right, Top}), T({Right, Bottom}), T({Left, Bottom})};
  Canvas.Polygon(points);
}

void FillFrameRect(TCanvas& Canvas, const TBarcodeParameters& P, int Left, int Top, int Right, int Bottom) {
  FillFrameRect(Canvas, TFrameTransform(P), Left, Top, Right, Bottom);
}

int DrawBarcode(TCanvas& Canvas, const std::string& Barcode, int Left, int Top, int Height, TColor BarColor,
                TColor SpaceColor, TColor TextBackColor, const TBarcodeDefineExtra& Define, int ResolutionX,
                int ResolutionY, const TCustomRotation* Rotation) {
  TBarcodeDefineExtra define = Define;
  TBarcodeParameters p;
  const int error =
      BuildBarcodeParameters(&Canvas, Barcode, define, p, Left, Top, Height, ResolutionX, ResolutionY, Rotation);
  if (error != ecValid) return error;
  DrawBarcodeLayout(Canvas, define, p, BarColor, SpaceColor, TextBackColor);
  return ecValid;
}

void DrawBarcodeLayout(TCanvas& Canvas, TBarcodeDefineExtra& define, TBarcodeParameters& p, TColor BarColor,
                       TColor SpaceColor, TColor TextBackColor) {
  if (p.Pattern.empty()) return;
  TCanvasStateSaver saved(Canvas);
  int linesHeight = p.LinesHeight, linesTop = 0;
  if (define.MultiState && !p.Text.empty()) {
    // Height-modulated codes keep their bars clear of the text.
    const int reserved = ModulesToPixels(define.TextVSpacing, define.Module) + p.TextHeight;
    linesHeight = std::max(0, linesHeight - reserved - 1);
    if (IsTop(define.TextPosition)) linesTop = reserved;
  }
  if (linesHeight > 0) DrawLines(Canvas, define, p, linesTop, linesHeight, BarColor, SpaceColor);
  if (!p.Text.empty()) DrawBarcodeText(Canvas, define, p, TextBackColor);
  if (define.AfterDrawBarcode) define.AfterDrawBarcode(Canvas, define, p);
}

int ClearBarcode(TCanvas& Canvas, const std::string& Barcode, int Left, int Top, int Height, TColor Color,
                 const TBarcodeDefineExtra& Define, int Margin, bool UseColor) {
  TBarcodeDefineExtra define = Define;
  TBarcodeParameters p;
  const int error = BuildBarcodeParameters(&Canvas, Barcode, define, p, Left, Top, Height, 1, 1, nullptr);
  if (error != ecValid) return error;
  TCanvasStateSaver saved(Canvas);
  UseSolidColor(Canvas, UseColor ? Color : Canvas.Brush.Color);
  FillFrameRect(Canvas, p, -Margin, -Margin, p.TotalWidth + Margin - 1, p.TotalHeight + Margin - 1);
  return ecValid;
}

}  // namespace tessel
