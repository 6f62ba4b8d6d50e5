#include "output/VectorCanvas.h"

#include <algorithm>

#include "platform/raster/GlyphFont.h"
#include "platform/raster/RasterBitmap.h"

namespace tessel {

void TVectorCanvas::Restart(int LayoutDpi) {
  ResetDrawingState(*this);
  pending_.reset();
  dpi_ = LayoutDpi;
}

void TVectorCanvas::Fill(const TFill& fill) {
  if (fill.Width <= 0 || fill.Height <= 0) return;
  NoteFill(fill);
  if (Shows(fill.Color)) Put(fill);
}

void TVectorCanvas::FillArea(double left, double top, double right, double bottom) {
  Fill({left, top, right - left, bottom - top, Brush.Color});
}

void TVectorCanvas::Polygon(const TPoint (&points)[4]) {
  if (const std::optional<TRect> box = SolidUprightBox(*this, points)) {
    Fill(Pixels(box->Left, box->Top, box->Width() + 1, box->Height() + 1, Brush.Color));
    return;
  }
  Flush();
  DrawPolygon(points);
}

void TVectorCanvas::Rectangle(const TRect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  if (Brush.Style == TBrushStyle::bsSolid) Fill(Pixels(rect.Left, rect.Top, rect.Width(), rect.Height(), Brush.Color));
  // The outline lies inside the rectangle, as the fill does: a thin one in
  // the fill's colour adds nothing.
  if (Pen.Style == TPenStyle::psClear || !Shows(Pen.Color) ||
      (Brush.Style == TBrushStyle::bsSolid && Pen.Color == Brush.Color && Pen.Width <= 1))
    return;
  Flush();
  const int width = std::max(1, Pen.Width);
  const double inset = width / 2.0;
  DrawOutline({rect.Left + inset, rect.Top + inset, std::max(0.0, rect.Width() - 2 * inset),
               std::max(0.0, rect.Height() - 2 * inset)},
              width);
}

void TVectorCanvas::SetPixel(int x, int y, TColor color) { Fill(Pixels(x, y, 1, 1, color)); }

const TGlyphFont* TVectorCanvas::Glyphs() {
  if (!fontKey_ || !(*fontKey_ == Font)) {
    glyphs_ = TGlyphFont::For(Font);
    fontKey_ = Font;
  }
  return glyphs_.get();
}

int TVectorCanvas::TextWidth(std::string_view text) {
  const TGlyphFont* glyphs = Glyphs();
  return glyphs ? glyphs->Width(text, CharExtra) : 0;
}

int TVectorCanvas::TextHeight(std::string_view) {
  const TGlyphFont* glyphs = Glyphs();
  return glyphs ? glyphs->Height() : 0;
}

void TVectorCanvas::TextOut(TPoint at, std::string_view text, std::span<const int> advances) {
  if (text.empty()) return;
  const TGlyphFont* glyphs = Glyphs();
  if (!glyphs) return;
  Flush();
  DrawText(at, text, advances, *glyphs);
}

void TVectorCanvas::StretchDraw(const TRect& dest, const TBitmap& source) {
  if (const auto* bitmap = dynamic_cast<const TRasterBitmap*>(&source))
    DrawImage(dest.Left, dest.Top, dest.Width(), dest.Height(), bitmap->Image());
}

}  // namespace tessel
