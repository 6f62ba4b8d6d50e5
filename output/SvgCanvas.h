// TSvgCanvas: a canvas that writes what the engine draws as an SVG file:
// upright fills as rectangles (adjacent fills of one colour on the same
// rows merged into one), other shapes as polygons, and text as text
// elements laid out with the metrics a raster canvas measures. A row of
// bars drawn where only the document's background lies leaves out the
// spaces of the background's colour: they would change no pixel.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "output/VectorCanvas.h"
#include "platform/Types.h"
#include "platform/raster/RasterImage.h"

namespace tessel {

class TGlyphFont;
class TImageEncoder;

class TSvgCanvas final : public TVectorCanvas {
 public:
  // Appends to Out; Encoder writes embedded bitmaps. Both outlive the canvas.
  TSvgCanvas(std::string& Out, TImageEncoder& Encoder);

  // Starts a document of this many pixels, laid out at LayoutDpi, with the
  // drawing state of a new canvas; with a SizeDpi above 0 its width and
  // height are given in millimetres, a pixel taking 1 / SizeDpi inch. A
  // canvas serves one document after another and keeps the measured font
  // between them.
  void Begin(int Width, int Height, int LayoutDpi, int SizeDpi = 0);
  // Ends the document.
  void End();
  // Embeds an image losslessly at (X, Y), Width x Height pixels.
  void DrawImage(int X, int Y, int Width, int Height, const TRasterImage& Image) override;

  void SolidColumns(int top, int bottom, std::span<const TColumnBox> columns) override;

 private:
  // Appends the fill as a rect element.
  void DrawFill(const TFill& fill) override;
  // Notes the fill against the background.
  void NoteFill(const TFill& fill) override;
  void DrawPolygon(const TPoint (&points)[4]) override;
  void DrawOutline(const TOutline& path, int PenWidth) override;
  void DrawText(TPoint at, std::string_view text, std::span<const int> advances, const TGlyphFont& glyphs) override;
  // Whether the box (right and bottom exclusive) lies where only the
  // background has been drawn so far.
  bool OnBackground(const TRect& box) const;
  void OpenText(TPoint at, const TGlyphFont& glyphs);

  std::string& out_;
  TImageEncoder& encoder_;
  std::string png_;  // an embedded image's file
  int width_ = 0, height_ = 0;
  // The colour of a fill over the whole document, while everything drawn
  // since is an upright box listed in drawn_ (right and bottom exclusive).
  std::optional<TColor> background_;
  std::vector<TRect> drawn_;
};

}  // namespace tessel
