// TQtCanvas: TCanvas on a QPainter over any Qt paint device (image, printer,
// SVG or PDF writer). Bars are drawn without antialiasing, so that every bar
// covers whole device pixels; text is drawn monochrome.
#pragma once

#include <QFont>
#include <QPainter>
#include <memory>

#include "platform/Canvas.h"

class QPaintDevice;

namespace tessel {

class TQtCanvas : public TCanvas {
 public:
  explicit TQtCanvas(QPaintDevice* device = nullptr);
  ~TQtCanvas() override;

  // Changes the device; ends painting on the old one.
  void SetDevice(QPaintDevice* device);
  QPaintDevice* Device() const { return device_; }
  // Starts painting on the device (drawing starts it on demand when
  // AutoBegin is set); End finishes and flushes it.
  bool Begin();
  void End();
  bool Active() const { return painter_.isActive(); }
  // Whether drawing begins painting by itself (bitmaps) or is dropped while
  // no painting is open (printers, whose job the caller opens).
  void SetAutoBegin(bool value) { autoBegin_ = value; }
  // Reports this resolution instead of the device's (0: the device's), so
  // that a vector device lays a symbol out exactly as a screen bitmap does.
  void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }

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
  QPainter* Painter();
  const QFont& CurrentFont();
  void ApplyPen(QPainter& painter) const;
  void ApplyBrush(QPainter& painter) const;

  QPaintDevice* device_;
  QPainter painter_;
  bool autoBegin_ = true;
  int pixelsPerInch_ = 0;
  QFont font_;
  TLogFont fontKey_;
  int fontExtra_ = -1;
};

QColor ToQColor(TColor color);
// The Qt font a canvas draws a selected font with, CharExtra pixels after
// every character.
QFont ToQFont(const TLogFont& font, int charExtra);

}  // namespace tessel
