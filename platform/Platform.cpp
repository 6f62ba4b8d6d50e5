#include "platform/Platform.h"

#include "platform/raster/RasterBitmap.h"

namespace tessel {
namespace {

// The platform without a windowing toolkit: bitmaps in plain memory, drawn
// by the raster canvas; no printer; a screen of the canvas's resolution.
class THeadlessPlatform final : public TPlatform {
 public:
  std::unique_ptr<TBitmap> CreateBitmap() override { return std::make_unique<TRasterBitmap>(); }
  TPrinter* Printer() override { return nullptr; }
  int ScreenPixelsPerInch() const override { return TRasterCanvas::DefaultPixelsPerInch; }
};

THeadlessPlatform headlessPlatform;
TPlatform* installed = &headlessPlatform;

}  // namespace

TPlatform& Platform() { return *installed; }

void InstallPlatform(TPlatform* platform) { installed = platform ? platform : &headlessPlatform; }

TBitmap* TPicture::Bitmap() {
  if (!bitmap_) bitmap_ = Platform().CreateBitmap();
  return bitmap_.get();
}

}  // namespace tessel
