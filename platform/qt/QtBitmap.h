// TQtBitmap: TBitmap on a QImage (32-bit RGB).
#pragma once

#include <QImage>

#include "platform/Bitmap.h"
#include "platform/qt/QtCanvas.h"

namespace tessel {

class TQtBitmap : public TBitmap {
 public:
  TQtBitmap();
  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  void SetSize(int width, int height) override;
  TCanvas& Canvas() override { return canvas_; }
  // The image with all drawing finished.
  const QImage& Image() const;
  // Sets the resolution recorded with the image.
  void SetDotsPerInch(int dpi);

 private:
  QImage image_;
  mutable TQtCanvas canvas_;
};

}  // namespace tessel
