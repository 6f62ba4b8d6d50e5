#include "platform/qt/QtBitmap.h"

#include "platform/qt/QtPlatform.h"

namespace tessel {

TQtBitmap::TQtBitmap() : canvas_(&image_) { EnsureGuiApplication(); }

void TQtBitmap::SetSize(int width, int height) {
  if (width == Width() && height == Height()) return;
  canvas_.End();
  QImage resized(std::max(0, width), std::max(0, height), QImage::Format_RGB32);
  resized.fill(Qt::white);
  resized.setDotsPerMeterX(image_.isNull() ? resized.dotsPerMeterX() : image_.dotsPerMeterX());
  resized.setDotsPerMeterY(image_.isNull() ? resized.dotsPerMeterY() : image_.dotsPerMeterY());
  image_ = resized;
  canvas_.SetDevice(&image_);
}

const QImage& TQtBitmap::Image() const {
  canvas_.End();
  return image_;
}

void TQtBitmap::SetDotsPerInch(int dpi) {
  canvas_.End();
  const int dotsPerMeter = qRound(dpi / 0.0254);
  image_.setDotsPerMeterX(dotsPerMeter);
  image_.setDotsPerMeterY(dotsPerMeter);
}

}  // namespace tessel
