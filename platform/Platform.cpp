#include "platform/Platform.h"

namespace tessel {
namespace {

class TNullPlatform final : public TPlatform {
 public:
  std::unique_ptr<TBitmap> CreateBitmap() override { return nullptr; }
  TPrinter* Printer() override { return nullptr; }
  int ScreenPixelsPerInch() const override { return 96; }
};

TNullPlatform nullPlatform;
TPlatform* installed = &nullPlatform;

}  // namespace

TPlatform& Platform() { return *installed; }

void InstallPlatform(TPlatform* platform) { installed = platform ? platform : &nullPlatform; }

TBitmap* TPicture::Bitmap() {
  if (!bitmap_) bitmap_ = Platform().CreateBitmap();
  return bitmap_.get();
}

}  // namespace tessel
