// TCairoCanvas: a canvas that draws what the engine draws through cairo, for
// PDF and EPS pages: upright fills as rectangles (adjacent fills of one
// colour on the same rows merged into one), other shapes as paths, and text
// as glyphs of the face a TGlyphFont resolved, at its pixel size and placed
// by its metrics, so the layout is the raster's. Coordinates are pixels;
// the caller scales the cairo context to the page.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Types.h"
#include "platform/raster/RasterImage.h"

struct _cairo;
struct _cairo_font_face;

namespace tessel {

class TGlyphFont;

class TCairoCanvas : public TCanvas {
 public:
  // Draws on Context (which outlives the canvas), laid out at LayoutDpi.
  TCairoCanvas(_cairo* Context, int LayoutDpi);
  ~TCairoCanvas() override;
  TCairoCanvas(const TCairoCanvas&) = delete;
  TCairoCanvas& operator=(const TCairoCanvas&) = delete;

  // Draws what is still pending.
  void End();
  // Embeds an image at (X, Y), Width x Height pixels, its pixels kept sharp.
  void DrawImage(int X, int Y, int Width, int Height, const TRasterImage& Image);

  void Polygon(const TPoint (&points)[4]) override;
  void Rectangle(const TRect& rect) override;
  void SetPixel(int x, int y, TColor color) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void TextOut(TPoint at, std::string_view text, std::span<const int> advances = {}) override;
  int PixelsPerInchX() const override { return dpi_; }
  int PixelsPerInchY() const override { return dpi_; }
  // Draws a raster bitmap with DrawImage; a bitmap of another platform is
  // left out.
  void StretchDraw(const TRect& dest, const TBitmap& source) override;

 private:
  struct TFill {
    int X, Y, Width, Height;
    TColor Color;
  };
  // Adds a fill, merged with the pending one where they join.
  void Fill(const TFill& fill);
  void Flush();
  void SetColour(TColor color);
  // The glyph font of the current font, or null when none can be found.
  const TGlyphFont* Glyphs();
  // The cairo face of the glyph font's file, made on first use.
  _cairo_font_face* Face(const TGlyphFont& glyphs);
  void DrawGlyphs(const TGlyphFont& glyphs, std::string_view text, std::span<const int> advances);

  _cairo* cairo_;
  int dpi_;
  std::optional<TFill> pending_;
  std::optional<TLogFont> fontKey_;
  std::shared_ptr<const TGlyphFont> glyphs_;  // of fontKey_
  const TGlyphFont* faceOf_ = nullptr;        // the glyph font face_ was made for
  _cairo_font_face* face_ = nullptr;
};

}  // namespace tessel
