// TRasterCanvas: a TCanvas that draws into a TRasterImage in plain memory,
// without any windowing toolkit. Upright solid fills are collected and
// written band by band (each band's first row composed, the rows below
// copied from it); every other shape is scan-converted here: polygons by
// pixel centres, outlines with the pen's width, text from the glyphs of a
// TGlyphFont at any escapement, stretched bitmaps by nearest neighbour. The
// image is 8-bit indexed while the drawing has at most 256 colours and turns
// into 32-bit pixels at the first colour more (or the first pen mode other
// than copy, or stretched bitmap). One canvas serves many drawings in turn
// and keeps its memory from one to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "platform/Canvas.h"
#include "platform/raster/RasterImage.h"
#include "platform/raster/ScanConvert.h"

namespace tessel {

class TGlyphFont;
struct TTextLine;

class TRasterCanvas : public TCanvas {
 public:
  static constexpr int DefaultPixelsPerInch = 96;

  TRasterCanvas() = default;
  TRasterCanvas(const TRasterCanvas&) = delete;
  TRasterCanvas& operator=(const TRasterCanvas&) = delete;

  // Starts a new drawing of width x height pixels with undefined contents
  // (the caller fills it first) and the state of a new canvas; false when
  // the size is not positive or the memory cannot be had.
  bool Start(int width, int height);
  // The drawing so far, every pending fill written; valid until the next
  // Start or Release.
  const TRasterImage& Image();
  // Makes the drawing's pixels of this colour fully transparent, their
  // colour kept for readers that ignore alpha: a background left out.
  void ClearColour(TColor color);
  // The memory held for the image; Release lets go of it (the next Start
  // allocates anew).
  std::size_t ImageBytes() const { return image_.Capacity(); }
  void Release();
  // The resolution the canvas reports (fonts are sized for it).
  void SetPixelsPerInch(int dpi) { pixelsPerInch_ = dpi > 0 ? dpi : DefaultPixelsPerInch; }

  void Polygon(const TPoint (&points)[4]) override;
  void UprightBox(int left, int top, int right, int bottom) override;
  void SolidColumns(int top, int bottom, std::span<const TColumnBox> columns) override;
  void Rectangle(const TRect& rect) override;
  void SetPixel(int x, int y, TColor color) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void TextOut(TPoint at, std::string_view text, std::span<const int> advances = {}) override;
  int PixelsPerInchX() const override { return pixelsPerInch_; }
  int PixelsPerInchY() const override { return pixelsPerInch_; }
  void StretchDraw(const TRect& dest, const TBitmap& source) override;

 private:
  // A fill waiting to be written: [Left, Right) x [Top, Bottom), clipped.
  struct TFill {
    int Left, Top, Right, Bottom;
    TArgb Color;
    std::uint8_t Index;  // Color's palette entry while the image is indexed
  };
  // A row of boxes whose first row is written and whose rows below are not
  // yet: rows [From, To) of columns [Left, Right) take row Top's pixels.
  // Left pending so that the next row of boxes on the same rows joins the
  // copy, and rows a later fill covers whole are not copied at all.
  struct TRowCopy {
    int Top = 0, From = 0, To = 0, Left = 0, Right = 0;
  };

  bool Indexed() const { return image_.Format() == TPixelFormat::Indexed8; }
  // The colour's palette entry; a colour beyond a full palette turns the
  // image into 32-bit pixels (and gives 0). Bars and spaces alternate
  // between two colours: the two entries found last are tried first.
  std::uint8_t IndexOf(TArgb color) {
    const std::vector<TArgb>& palette = image_.Palette;
    if (lastIndex_ < palette.size() && palette[lastIndex_] == color) return static_cast<std::uint8_t>(lastIndex_);
    if (otherIndex_ < palette.size() && palette[otherIndex_] == color) {
      std::swap(lastIndex_, otherIndex_);
      return static_cast<std::uint8_t>(lastIndex_);
    }
    return FindIndex(color);
  }
  std::uint8_t FindIndex(TArgb color);
  void ToArgb32();
  // Adds a fill of [left, right) x [top, bottom), clipped; the far edges
  // are wide so that a box's last column or row plus one cannot overflow.
  void AddFill(int left, int top, long long right, long long bottom, TColor color);
  // Writes the pending row copy, then the pending fills.
  void Flush();
  void FinishRowCopy();
  // Copies columns [left, right) of row source into rows [from, to).
  void CopyRowDown(int source, int from, int to, int left, int right);
  // Leaves out of the pending fills what lies inside [left, right) x
  // [top, bottom), a box about to be drawn over whole.
  void DropFillsUnder(int left, int top, int right, int bottom);
  template <typename Pixel>
  void FlushBand(int top, int bottom);
  // Writes the boxes into row y from the first one on; stops early, giving
  // the number written, when the image stops being indexed while Pixel is
  // one byte.
  template <typename Pixel>
  std::size_t FillColumns(int y, std::span<const TColumnBox> columns);
  // Writes runs of pixels in a colour with a pen mode, after the pending
  // fills; the spans are used up.
  void Paint(std::vector<TSpan>& spans, TColor color, TPenMode mode);
  template <typename Pixel>
  void PaintSpans(const std::vector<TSpan>& spans, Pixel value);
  // Writes the ink of upright text in the text colour.
  void PaintUprightText(const TTextLine& line, TPoint at);
  // Fills the polygon with the brush and outlines it with the pen.
  void DrawShape(std::span<const TPoint> outline, bool fill);
  // The glyphs of the current font, or null when there is no font at all.
  const TGlyphFont* Glyphs();
  TClip Clip() const { return {image_.Width(), image_.Height()}; }

  TRasterImage image_;
  int pixelsPerInch_ = DefaultPixelsPerInch;
  std::size_t lastIndex_ = 0;   // the entry IndexOf found last
  std::size_t otherIndex_ = 0;  // and the one before
  std::vector<TFill> fills_;
  TRowCopy rowCopy_;              // none while From >= To
  std::vector<TFill> keptFills_;  // DropFillsUnder's scratch
  std::vector<int> edges_;
  std::vector<TSpan> bandSpans_;  // the spans a band's fills cover
  std::vector<TSpan> spans_, outlineSpans_;
  // The glyph fonts met so far (a symbol uses one or two).
  std::vector<std::pair<TLogFont, std::shared_ptr<const TGlyphFont>>> fonts_;
};

}  // namespace tessel
