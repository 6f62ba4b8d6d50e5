#include "platform/Image.h"

namespace tessel {

void TControl::SetBounds(int width, int height) {
  width_ = width;
  height_ = height;
}

const TClassInfo TControl::ClassInfo{"TControl", nullptr, {}, nullptr};
namespace {
const TPropInfo imageProperties[] = {PublishedObject<&TImage::Picture>("Picture", "TPicture")};
}

const TClassInfo TImage::ClassInfo{"TImage", &TControl::ClassInfo, imageProperties, &NewComponent<TImage>};

}  // namespace tessel
