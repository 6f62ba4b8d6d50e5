// TSvgCanvas: a canvas that writes what the engine draws as an SVG file:
// upright fills as rectangles (adjacent fills of one colour on the same
// rows merged into one), other shapes as polygons, and text as text
// elements laid out with the metrics a raster canvas measures. A row of
// bars drawn where only the document's background lies leaves out the
// spaces of the background's colour: they would change no pixel.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Types.h"
#include "platform/raster/RasterImage.h"

namespace tessel {

class TGlyphFont;
class TImageEncoder;

class TSvgCanvas : public TCanvas {
 public:
  // Appends to Out; Encoder writes embedded bitmaps. Both outlive the canvas.
  TSvgCanvas(std::string& Out, TImageEncoder& Encoder);

  // Starts a document of this many pixels, laid out at LayoutDpi, with the
  // drawing state of a new canvas. A canvas serves one document after
  // another and keeps the measured font between them.
  void Begin(int Width, int Height, int LayoutDpi);
  // Ends the document.
  void End();
  // Embeds an image losslessly at (X, Y), Width x Height pixels.
  void DrawImage(int X, int Y, int Width, int Height, const TRasterImage& Image);

  void Polygon(const TPoint (&points)[4]) override;
  void SolidColumns(int top, int bottom, std::span<const TColumnBox> columns) override;
  void Rectangle(const TRect& rect) override;
  void SetPixel(int x, int y, TColor color) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void TextOut(TPoint at, std::string_view text, std::span<const int> advances = {}) override;
  int PixelsPerInchX() const override { return dpi_; }
  int PixelsPerInchY() const override { return dpi_; }
  void StretchDraw(const TRect& dest, const TBitmap& source) override;

 private:
  struct TFill {
    int X, Y, Width, Height;
    TColor Color;
  };
  // A fill drawn by the engine: noted against the background, then put.
  void Fill(const TFill& fill);
  // Writes a fill, merged with the pending one where they join.
  void Put(const TFill& fill);
  void Flush();
  // Whether the box (right and bottom exclusive) lies where only the
  // background has been drawn so far.
  bool OnBackground(const TRect& box) const;
  // The glyph font of the current font, as the raster measures with it; null
  // when no font file can be found.
  const TGlyphFont* CurrentFont();
  int Advance(std::string_view text);
  void OpenText(TPoint at, const TGlyphFont& glyphs);

  std::string& out_;
  TImageEncoder& encoder_;
  std::string png_;               // an embedded image's file
  std::optional<TFill> pending_;  // the fill that the next may extend
  int width_ = 0, height_ = 0;
  // The colour of a fill over the whole document, while everything drawn
  // since is an upright box listed in drawn_ (right and bottom exclusive).
  std::optional<TColor> background_;
  std::vector<TRect> drawn_;
  int dpi_ = 96;
  std::string families_;  // the font's family list, as an attribute value
  std::optional<TLogFont> fontKey_;
  std::shared_ptr<const TGlyphFont> glyphs_;  // of fontKey_, or null
};

}  // namespace tessel
