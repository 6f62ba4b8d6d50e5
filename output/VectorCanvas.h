// TVectorCanvas: what the canvases that write vector files (SVG, cairo's PDF
// and EPS) share. Upright fills wait as one pending fill, which the next fill
// of its colour on the same rows extends, and the writer draws each merged
// fill once; text is measured with the TGlyphFont of the current font, kept
// while the font stays; the resolution is the layout's. Every other shape
// goes to the writer once the pending fill is drawn. One colour may be left
// out, for a transparent background.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Types.h"
#include "platform/raster/RasterImage.h"

namespace tessel {

class TGlyphFont;

class TVectorCanvas : public TCanvas {
 public:
  // Embeds an image at (X, Y), Width x Height pixels, its pixels kept sharp.
  virtual void DrawImage(int X, int Y, int Width, int Height, const TRasterImage& Image) = 0;

  void Polygon(const TPoint (&points)[4]) final;
  void Rectangle(const TRect& rect) final;
  void SetPixel(int x, int y, TColor color) final;
  int TextWidth(std::string_view text) final;
  int TextHeight(std::string_view text) final;
  void TextOut(TPoint at, std::string_view text, std::span<const int> advances = {}) final;
  int PixelsPerInchX() const final { return dpi_; }
  int PixelsPerInchY() const final { return dpi_; }
  bool Fractional() const final { return true; }
  void FillArea(double left, double top, double right, double bottom) final;
  // Draws a raster bitmap with DrawImage; a bitmap of another platform is
  // left out.
  void StretchDraw(const TRect& dest, const TBitmap& source) final;
  // Leaves out fills, outlines and text backgrounds of this colour, for a
  // transparent background; none: everything is drawn (the default).
  void LeaveOut(std::optional<TColor> Colour) { leftOut_ = Colour; }

 protected:
  // Whole pixels but for the edges a bar width reduction moves.
  struct TFill {
    double X, Y, Width, Height;
    TColor Color;
  };
  // A fill of whole pixels.
  static TFill Pixels(int X, int Y, int Width, int Height, TColor Color) {
    return {1.0 * X, 1.0 * Y, 1.0 * Width, 1.0 * Height, Color};
  }
  // An outline's path: the rectangle drawn through the middle of the pen.
  struct TOutline {
    double X, Y, Width, Height;
  };

  explicit TVectorCanvas(int LayoutDpi) : dpi_(LayoutDpi) {}

  // Starts a new document laid out at LayoutDpi: the drawing state of a new
  // canvas and nothing pending. The measured font is kept.
  void Restart(int LayoutDpi);
  // A fill drawn by the engine: noted by NoteFill, then put. An empty one is
  // left out.
  void Fill(const TFill& fill);
  // Adds a fill, merged with the pending one where they join. Inline: a row
  // of bars puts one for every bar.
  void Put(const TFill& fill) {
    if (pending_ && pending_->Color == fill.Color && pending_->Y == fill.Y && pending_->Height == fill.Height &&
        pending_->X + pending_->Width == fill.X) {
      pending_->Width += fill.Width;
      return;
    }
    Flush();
    pending_ = fill;
  }
  // Draws the pending fill, if any.
  void Flush() {
    if (!pending_) return;
    DrawFill(*pending_);
    pending_.reset();
  }
  // The glyph font of the current font, as the raster measures with it; null
  // when no font file can be found.
  const TGlyphFont* Glyphs();
  // Whether a shape of this colour is drawn (see LeaveOut).
  bool Shows(TColor Colour) const { return !leftOut_ || *leftOut_ != Colour; }

 private:
  // Draws one merged fill.
  virtual void DrawFill(const TFill& fill) = 0;
  // Learns of a fill before it is put; by default nothing.
  virtual void NoteFill(const TFill& /*fill*/) {}
  // Fills the quadrilateral with the brush and outlines it with the pen; it
  // is not a solid upright box.
  virtual void DrawPolygon(const TPoint (&points)[4]) = 0;
  // Strokes the path with the pen's colour, PenWidth pixels wide.
  virtual void DrawOutline(const TOutline& path, int PenWidth) = 0;
  // Draws a non-empty text in the glyph font of the current font; as TextOut.
  virtual void DrawText(TPoint at, std::string_view text, std::span<const int> advances, const TGlyphFont& glyphs) = 0;

  int dpi_;
  std::optional<TFill> pending_;   // the fill that the next may extend
  std::optional<TColor> leftOut_;  // the colour not drawn, if any
  std::optional<TLogFont> fontKey_;
  std::shared_ptr<const TGlyphFont> glyphs_;  // of fontKey_, or null
};

}  // namespace tessel
