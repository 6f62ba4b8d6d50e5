// TBitmap and TPicture: off-screen images with a canvas.
#pragma once

#include <memory>

#include "platform/Canvas.h"

namespace tessel {

class TBitmap {
 public:
  virtual ~TBitmap() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // Resizes the bitmap; new pixels are white.
  virtual void SetSize(int width, int height) = 0;
  virtual TCanvas& Canvas() = 0;
  bool Empty() const { return Width() <= 0 || Height() <= 0; }
};

// Holds the bitmap shown by an image control, created on first use.
class TPicture {
 public:
  // The bitmap, or null when the platform provides none.
  TBitmap* Bitmap();
  bool HasBitmap() const { return bitmap_ != nullptr; }

 private:
  std::unique_ptr<TBitmap> bitmap_;
};

}  // namespace tessel
