#include "platform/raster/RasterBitmap.h"

namespace tessel {

void TRasterBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  if (!canvas_.Start(width, height)) {
    // No pixels: an empty bitmap (no size, or not the memory for it).
    canvas_.Release();
    width_ = height_ = 0;
    return;
  }
  width_ = width;
  height_ = height;
  UseSolidColor(canvas_, clWhite);
  canvas_.Rectangle({0, 0, width, height});
  ResetDrawingState(canvas_);
}

}  // namespace tessel
