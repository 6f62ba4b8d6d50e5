// TQtRasterCanvas: a TCanvas that draws a symbol straight into an RGB32
// image with the same pixels as TQtCanvas gives on that image. Upright solid
// fills are collected and written band by band (each band's first row
// composed, the rows below copied from it); upright text comes from the
// glyphs of a TQtGlyphFont. Anything else (turned polygons and text,
// outlines, stretched bitmaps, fonts the glyphs cannot stand for) is drawn
// by a TQtCanvas over the same image. One canvas serves many symbols in
// turn and keeps its image while the image is not shared.
#pragma once

#include <QImage>
#include <memory>
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
  // The drawing so far (shared: the next Start draws into a new image while
  // the caller holds this one).
  QImage Image();

  void Polygon(const TPoint (&points)[4]) override;
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
  };

  void AddFill(int left, int top, int right, int bottom, TColor color);
  void Flush();
  void FlushBand(int top, int bottom);
  void MergeSpans();
  // The general canvas with this canvas's state, after the pending fills.
  TQtCanvas& General();
  // The glyphs of the current font, or null when the painter must draw it.
  const TQtGlyphFont* Glyphs();

  QImage image_;
  TQtCanvas general_;
  std::vector<TFill> fills_;
  std::vector<int> edges_;
  std::vector<std::pair<int, int>> spans_;
  // The glyph fonts met so far (a symbol uses one or two).
  std::vector<std::pair<TLogFont, std::shared_ptr<const TQtGlyphFont>>> fonts_;
};

}  // namespace tessel
