// TCairoCanvas: a canvas that draws what the engine draws through cairo, for
// PDF and EPS pages: upright fills as rectangles (adjacent fills of one
// colour on the same rows merged into one), other shapes as paths, and text
// as glyphs of the face a TGlyphFont resolved, at its pixel size and placed
// by its metrics, so the layout is the raster's. Coordinates are pixels;
// the caller scales the cairo context to the page.
#pragma once

#include <span>
#include <string_view>

#include "output/VectorCanvas.h"
#include "platform/Types.h"
#include "platform/raster/RasterImage.h"

struct _cairo;
struct _cairo_font_face;

namespace tessel {

class TGlyphFont;

class TCairoCanvas final : public TVectorCanvas {
 public:
  // Draws on Context (which outlives the canvas), laid out at LayoutDpi.
  TCairoCanvas(_cairo* Context, int LayoutDpi);
  ~TCairoCanvas() override;
  TCairoCanvas(const TCairoCanvas&) = delete;
  TCairoCanvas& operator=(const TCairoCanvas&) = delete;

  // Draws what is still pending.
  void End();
  void DrawImage(int X, int Y, int Width, int Height, const TRasterImage& Image) override;

 private:
  void DrawFill(const TFill& fill) override;
  // Through the pixel centres, as a raster canvas joins the corner pixels.
  void DrawPolygon(const TPoint (&points)[4]) override;
  void DrawOutline(const TOutline& path, int PenWidth) override;
  void DrawText(TPoint at, std::string_view text, std::span<const int> advances, const TGlyphFont& glyphs) override;
  void SetColour(TColor color);
  // The cairo face of the glyph font's file, made on first use.
  _cairo_font_face* Face(const TGlyphFont& glyphs);
  void DrawGlyphs(const TGlyphFont& glyphs, std::string_view text, std::span<const int> advances);

  _cairo* cairo_;
  const TGlyphFont* faceOf_ = nullptr;  // the glyph font face_ was made for
  _cairo_font_face* face_ = nullptr;
};

}  // namespace tessel
