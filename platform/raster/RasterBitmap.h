// TRasterBitmap: a TBitmap whose pixels are a TRasterImage in plain memory,
// drawn on with a TRasterCanvas.
#pragma once

#include "platform/Bitmap.h"
#include "platform/raster/RasterCanvas.h"

namespace tessel {

class TRasterBitmap : public TBitmap {
 public:
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // A new size gives new white pixels; the same size keeps the drawing.
  void SetSize(int width, int height) override;
  TCanvas& Canvas() override { return canvas_; }
  // The resolution its canvas reports (fonts are sized for it).
  void SetPixelsPerInch(int dpi) { canvas_.SetPixelsPerInch(dpi); }
  // The pixels with all drawing finished.
  const TRasterImage& Image() const { return canvas_.Image(); }

 private:
  mutable TRasterCanvas canvas_;
  int width_ = 0, height_ = 0;
};

}  // namespace tessel
