#include "output/CairoCanvas.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "platform/raster/GlyphFont.h"

namespace tessel {
namespace {

constexpr double ChannelMax = 255.0;
constexpr double TenthsPerDegree = 10.0;
constexpr double Pi = 3.14159265358979323846;

// Latin-1 as UTF-8, one character for each byte; control characters (no
// glyph, no advance) become spaces so that the glyphs stay one a byte.
std::string Utf8(std::string_view latin1) {
  std::string utf8;
  utf8.reserve(latin1.size() * 2);
  for (const char c : latin1) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x20 || code == 0x7f) {
      utf8 += ' ';
    } else if (code < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xc0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3f));
    }
  }
  return utf8;
}

}  // namespace

TCairoCanvas::TCairoCanvas(cairo_t* Context, int LayoutDpi) : TVectorCanvas(LayoutDpi), cairo_(Context) {
  // Edges on whole pixels: bars are not blurred into their neighbours.
  cairo_set_antialias(cairo_, CAIRO_ANTIALIAS_NONE);
}

TCairoCanvas::~TCairoCanvas() {
  if (face_) cairo_font_face_destroy(face_);
}

void TCairoCanvas::End() { Flush(); }

void TCairoCanvas::SetColour(TColor color) {
  cairo_set_source_rgb(cairo_, GetRValue(color) / ChannelMax, GetGValue(color) / ChannelMax,
                       GetBValue(color) / ChannelMax);
}

void TCairoCanvas::DrawFill(const TFill& fill) {
  SetColour(fill.Color);
  cairo_rectangle(cairo_, fill.X, fill.Y, fill.Width, fill.Height);
  cairo_fill(cairo_);
}

void TCairoCanvas::DrawPolygon(const TPoint (&points)[4]) {
  cairo_move_to(cairo_, points[0].X + 0.5, points[0].Y + 0.5);
  for (int i = 1; i < 4; ++i) cairo_line_to(cairo_, points[i].X + 0.5, points[i].Y + 0.5);
  cairo_close_path(cairo_);
  if (Brush.Style == TBrushStyle::bsSolid && Shows(Brush.Color)) {
    SetColour(Brush.Color);
    cairo_fill_preserve(cairo_);
  }
  if (Pen.Style != TPenStyle::psClear && Shows(Pen.Color)) {
    SetColour(Pen.Color);
    cairo_set_line_width(cairo_, std::max(1, Pen.Width));
    cairo_stroke_preserve(cairo_);
  }
  cairo_new_path(cairo_);
}

void TCairoCanvas::DrawOutline(const TOutline& path, int PenWidth) {
  cairo_rectangle(cairo_, path.X, path.Y, path.Width, path.Height);
  SetColour(Pen.Color);
  cairo_set_line_width(cairo_, PenWidth);
  cairo_stroke(cairo_);
}

cairo_font_face_t* TCairoCanvas::Face(const TGlyphFont& glyphs) {
  if (face_ && faceOf_ == &glyphs) return face_;
  if (face_) cairo_font_face_destroy(face_);
  face_ = nullptr;
  faceOf_ = &glyphs;
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return nullptr;
  FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(glyphs.File().c_str()));
  FcPatternAddInteger(pattern, FC_INDEX, glyphs.FaceIndex());
  face_ = cairo_ft_font_face_create_for_pattern(pattern);
  FcPatternDestroy(pattern);
  // Emboldened or slanted as the raster's glyphs are, where the face lacks the style.
  unsigned synthesize = 0;
  if (glyphs.Bold()) synthesize |= CAIRO_FT_SYNTHESIZE_BOLD;
  if (glyphs.Italic()) synthesize |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
  if (synthesize != 0) cairo_ft_font_face_set_synthesize(face_, synthesize);
  return face_;
}

// The glyphs one after another from the cell's left edge on the baseline,
// each advanced as the glyph font (or the layout's advances) says.
void TCairoCanvas::DrawGlyphs(const TGlyphFont& glyphs, std::string_view text, std::span<const int> advances) {
  cairo_font_face_t* face = Face(glyphs);
  if (!face || cairo_font_face_status(face) != CAIRO_STATUS_SUCCESS) return;
  cairo_set_font_face(cairo_, face);
  cairo_set_font_size(cairo_, glyphs.PixelSize());
  const std::string utf8 = Utf8(text);
  cairo_glyph_t* list = nullptr;
  int count = 0;
  if (cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cairo_), 0, glyphs.Ascent(), utf8.data(),
                                       static_cast<int>(utf8.size()), &list, &count, nullptr, nullptr,
                                       nullptr) != CAIRO_STATUS_SUCCESS)
    return;
  int x = 0;
  const int placed = std::min(count, static_cast<int>(text.size()));
  for (int i = 0; i < placed; ++i) {
    const auto index = static_cast<std::size_t>(i);
    list[i].x = x;
    list[i].y = glyphs.Ascent();
    x += index < advances.size() ? advances[index]
                                 : glyphs.CharWidth(static_cast<unsigned char>(text[index])) + CharExtra;
  }
  SetColour(TextColor);
  cairo_show_glyphs(cairo_, list, placed);
  cairo_glyph_free(list);
}

void TCairoCanvas::DrawText(TPoint at, std::string_view text, std::span<const int> advances, const TGlyphFont& glyphs) {
  cairo_save(cairo_);
  cairo_translate(cairo_, at.X, at.Y);
  if (Font.Escapement != 0) cairo_rotate(cairo_, -Font.Escapement / TenthsPerDegree * Pi / 180.0);
  const int width = glyphs.Width(text, CharExtra);
  if (!Transparent && Shows(Brush.Color)) {
    SetColour(Brush.Color);
    cairo_rectangle(cairo_, 0, 0, width, glyphs.Height());
    cairo_fill(cairo_);
  }
  DrawGlyphs(glyphs, text, advances);
  SetColour(TextColor);
  if (Font.Style.Contains(TFontStyle::fsUnderline)) {
    cairo_rectangle(cairo_, 0, glyphs.UnderlineTop(), width, glyphs.LineThickness());
    cairo_fill(cairo_);
  }
  if (Font.Style.Contains(TFontStyle::fsStrikeOut)) {
    cairo_rectangle(cairo_, 0, glyphs.StrikeOutTop(), width, glyphs.LineThickness());
    cairo_fill(cairo_);
  }
  cairo_restore(cairo_);
}

void TCairoCanvas::DrawImage(int X, int Y, int Width, int Height, const TRasterImage& Image) {
  if (Image.Null() || Width <= 0 || Height <= 0) return;
  Flush();
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, Image.Width(), Image.Height());
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return;
  }
  // Cairo's pixels are premultiplied by their alpha.
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < Image.Height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < Image.Width(); ++x) {
      const TArgb c = Image.Pixel(x, y);
      const std::uint32_t alpha = c >> 24;
      const auto scale = [alpha](std::uint32_t channel) { return (channel * alpha + 127) / 255; };
      row[x] = alpha << 24 | scale((c >> 16) & 0xff) << 16 | scale((c >> 8) & 0xff) << 8 | scale(c & 0xff);
    }
  }
  cairo_surface_mark_dirty(surface);
  cairo_save(cairo_);
  cairo_translate(cairo_, X, Y);
  cairo_scale(cairo_, static_cast<double>(Width) / Image.Width(), static_cast<double>(Height) / Image.Height());
  cairo_set_source_surface(cairo_, surface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cairo_), CAIRO_FILTER_NEAREST);
  cairo_paint(cairo_);
  cairo_restore(cairo_);
  cairo_surface_destroy(surface);
}

}  // namespace tessel
