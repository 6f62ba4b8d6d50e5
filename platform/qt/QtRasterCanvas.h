// TQtRasterCanvas: a TCanvas that draws a symbol straight into an image
// with the same pixels as TQtCanvas gives on an RGB32 image. Upright solid
// fills are collected and written band by band (each band's first row
// composed, the rows below copied from it); upright text comes from the
// glyphs of a TQtGlyphFont. The image is 8-bit with a colour table while
// that is all the drawing needs (a quarter of the memory to write); the
// first drawing that needs the painter (turned polygons and text, outlines,
// stretched bitmaps, fonts the glyphs cannot stand for) turns it into RGB32
// and a TQtCanvas draws over it. One canvas serves many symbols in turn and
// keeps its image while the image is not shared.
#pragma once

#include <QImage>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "platform/qt/QtCanvas.h"

namespace tessel {

class TQtGlyphFont;

class TQtRasterCanvas : public TCanvas {
 public:
  TQtRasterCanvas();
  ~TQtRasterCanvas() override;
  TQtRasterCanvas(const TQtRasterCanvas&) = delete;
  TQtRasterCanvas& operator=(const TQtRasterCanvas&) = delete;

  // Starts a new drawing of width x height pixels with undefined contents
  // (the caller fills it first) and the state of a new canvas; false when
  // the image cannot be allocated.
  bool Start(int width, int height);
  // The drawing so far, Format_Indexed8 or Format_RGB32 (shared: the next
  // Start draws into a new image while the caller holds this one).
  QImage Image();
  // The bytes of the image drawn into; Release lets go of them (the next
  // Start allocates anew).
  qsizetype ImageBytes() const { return image_.sizeInBytes(); }
  void Release();

  void Polygon(const TPoint (&points)[4]) override;
  void UprightBox(int left, int top, int right, int bottom) override;
  void SolidColumns(int top, int bottom, std::span<const TColumnBox> columns) override;
  void Rectangle(const TRect& rect) override;
  void SetPixel(int x, int y, TColor color) override;
  int TextWidth(std::string_view text) override;
  int TextHeight(std::string_view text) override;
  void TextOut(TPoint at, std::string_view text, std::span<const int> advances = {}) override;
  int PixelsPerInchX() const override;
  int PixelsPerInchY() const override;
  void StretchDraw(const TRect& dest, const TBitmap& source) override;

 private:
  // A fill waiting to be written: [Left, Right) x [Top, Bottom), clipped.
  struct TFill {
    int Left, Top, Right, Bottom;
    QRgb Color;
    uchar Index;  // Color's entry in the colour table while the image is indexed
  };

  bool Indexed() const { return indexed_; }
  // The colour's entry in the colour table; a colour beyond a full table
  // turns the image into RGB32 (and gives 0). Bars and spaces alternate
  // between two colours: the two entries found last are tried first.
  uchar IndexOf(QRgb color) {
    if (lastIndex_ < colours_.size() && colours_[lastIndex_] == color) return static_cast<uchar>(lastIndex_);
    if (otherIndex_ < colours_.size() && colours_[otherIndex_] == color) {
      std::swap(lastIndex_, otherIndex_);
      return static_cast<uchar>(lastIndex_);
    }
    return FindIndex(color);
  }
  uchar FindIndex(QRgb color);
  void ToRgb32();
  void AddFill(int left, int top, int right, int bottom, TColor color);
  void Flush();
  // Leaves out of the pending fills what lies inside [left, right) x
  // [top, bottom), a box about to be drawn over whole.
  void DropFillsUnder(int left, int top, int right, int bottom);
  template <typename Pixel>
  void FlushBand(int top, int bottom);
  void MergeSpans();
  // Writes the boxes into row y from the first one on; stops early, giving
  // the number written, when the image stops being indexed while Pixel is uchar.
  template <typename Pixel>
  std::size_t FillColumns(int y, std::span<const TColumnBox> columns);
  // The general canvas with this canvas's state, to measure text with.
  TQtCanvas& General();
  // The general canvas to paint with: the pending fills written and the
  // image turned into RGB32 first.
  TQtCanvas& Painter();
  // The glyphs of the current font, or null when the painter must draw it.
  const TQtGlyphFont* Glyphs();

  QImage image_;
  int width_ = 0, height_ = 0;  // image_'s, kept for every fill
  bool indexed_ = false;        // image_ is Format_Indexed8
  std::vector<QRgb> colours_;   // the colour table of the indexed image
  std::size_t lastIndex_ = 0;   // the entry IndexOf found last
  std::size_t otherIndex_ = 0;  // and the one before
  TQtCanvas general_;
  std::vector<TFill> fills_;
  std::vector<TFill> keptFills_;  // DropFillsUnder's scratch
  std::vector<int> edges_;
  std::vector<std::pair<int, int>> spans_;
  // The glyph fonts met so far (a symbol uses one or two).
  std::vector<std::pair<TLogFont, std::shared_ptr<const TQtGlyphFont>>> fonts_;
};

}  // namespace tessel
