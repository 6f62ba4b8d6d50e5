#include "platform/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace tessel {
namespace {

// a * b / c rounded half away from zero, in 64 bits (c != 0); the result of
// two 32-bit factors always fits.
std::int64_t RoundedQuotient(int a, int b, int c) {
  const std::int64_t p = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = std::llabs(c) / 2;
  return ((p < 0) != (c < 0)) ? (p - half) / c : (p + half) / c;
}

// The largest font height selected into a device, in pixels: far beyond any
// drawable text, and small enough that heights and their negation stay
// inside 32-bit arithmetic.
constexpr std::int64_t MaxFontHeight = 1 << 24;

}  // namespace

void CopyDrawingState(const TCanvas& From, TCanvas& To) {
  To.Pen = From.Pen;
  To.Brush = From.Brush;
  To.Font = From.Font;
  To.CharExtra = From.CharExtra;
  To.Transparent = From.Transparent;
  To.TextColor = From.TextColor;
}

void ResetDrawingState(TCanvas& Canvas) {
  Canvas.Pen = {};
  Canvas.Brush = {};
  Canvas.Font = {};
  Canvas.CharExtra = 0;
  Canvas.Transparent = false;
  Canvas.TextColor = clBlack;
}

void TCanvas::UprightBox(int left, int top, int right, int bottom) {
  const TPoint points[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
  Polygon(points);
}

void TCanvas::FillArea(double left, double top, double right, double bottom) {
  const auto l = static_cast<int>(std::lround(left)), t = static_cast<int>(std::lround(top));
  const auto r = static_cast<int>(std::lround(right)), b = static_cast<int>(std::lround(bottom));
  if (r <= l || b <= t) return;
  const TPen pen = Pen;
  Pen.Color = Brush.Color;
  UprightBox(l, t, r - 1, b - 1);
  Pen = pen;
}

void TCanvas::SolidColumns(int top, int bottom, std::span<const TColumnBox> columns) {
  for (const TColumnBox& box : columns) {
    UseSolidColor(*this, box.Color);
    UprightBox(box.Left, top, box.Right, bottom);
  }
}

void UseSolidColor(TCanvas& Canvas, TColor Color) {
  Canvas.Pen.Color = Color;
  Canvas.Pen.Style = TPenStyle::psSolid;
  Canvas.Pen.Mode = TPenMode::pmCopy;
  Canvas.Pen.Width = 1;
  Canvas.Brush.Color = Color;
  Canvas.Brush.Style = TBrushStyle::bsSolid;
}

std::optional<TRect> SolidUprightBox(const TCanvas& Canvas, const TPoint (&Points)[4]) {
  const bool upright = (Points[0].X == Points[3].X && Points[1].X == Points[2].X && Points[0].Y == Points[1].Y &&
                        Points[2].Y == Points[3].Y) ||
                       (Points[0].Y == Points[3].Y && Points[1].Y == Points[2].Y && Points[0].X == Points[1].X &&
                        Points[2].X == Points[3].X);
  if (!upright || !SolidPenAndBrush(Canvas)) return std::nullopt;
  return TRect{std::min(Points[0].X, Points[2].X), std::min(Points[0].Y, Points[2].Y),
               std::max(Points[0].X, Points[2].X), std::max(Points[0].Y, Points[2].Y)};
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t q = RoundedQuotient(a, b, c);
  // As the platform's MulDiv: a result outside the integer range is -1.
  if (q < std::numeric_limits<int>::min() || q > std::numeric_limits<int>::max()) return -1;
  return static_cast<int>(q);
}

void TCanvas::SelectFont(const TFont& font, int escapement) {
  Font.Name = font.Name();
  const std::int64_t height = RoundedQuotient(font.Size(), PixelsPerInchY(), 72);
  Font.Height = -static_cast<int>(std::clamp(height, -MaxFontHeight, MaxFontHeight));
  Font.Escapement = escapement;
  Font.Style = font.Style();
  Font.Charset = font.Charset();
  Font.Color = font.Color();
}

}  // namespace tessel
