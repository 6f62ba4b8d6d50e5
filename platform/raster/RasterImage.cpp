#include "platform/raster/RasterImage.h"

#include <cstring>
#include <new>

namespace tessel {
namespace {

constexpr std::size_t BytesPerPixel(TPixelFormat format) { return format == TPixelFormat::Indexed8 ? 1 : 4; }

// Rows start on 4-byte boundaries, as image files and libraries expect.
constexpr std::size_t RowBytes(int width, TPixelFormat format) {
  return (static_cast<std::size_t>(width) * BytesPerPixel(format) + 3) & ~std::size_t{3};
}

}  // namespace

bool TRasterImage::Allocate(int width, int height, TPixelFormat format) {
  Palette.clear();
  if (width <= 0 || height <= 0) {
    width_ = height_ = 0;
    return false;
  }
  const std::size_t stride = RowBytes(width, format);
  const std::size_t bytes = stride * static_cast<std::size_t>(height);
  if (bytes > capacity_) {
    bits_.reset();
    capacity_ = 0;
    bits_.reset(new (std::nothrow) std::uint8_t[bytes]);
    if (!bits_) {
      width_ = height_ = 0;
      return false;
    }
    capacity_ = bytes;
  }
  width_ = width;
  height_ = height;
  stride_ = stride;
  format_ = format;
  return true;
}

void TRasterImage::Reset() {
  bits_.reset();
  capacity_ = stride_ = 0;
  width_ = height_ = 0;
  Palette.clear();
}

TArgb TRasterImage::Pixel(int x, int y) const {
  if (format_ == TPixelFormat::Argb32) {
    TArgb value;
    std::memcpy(&value, Row(y) + static_cast<std::size_t>(x) * 4, sizeof value);
    return value;
  }
  const std::uint8_t index = Row(y)[x];
  return index < Palette.size() ? Palette[index] : OpaqueAlpha;
}

bool TRasterImage::ToArgb32() {
  if (format_ == TPixelFormat::Argb32 || Null()) {
    format_ = TPixelFormat::Argb32;
    return true;
  }
  TRasterImage wide;
  if (!wide.Allocate(width_, height_, TPixelFormat::Argb32)) return false;
  for (int y = 0; y < height_; ++y) {
    const std::uint8_t* from = Row(y);
    auto* to = reinterpret_cast<TArgb*>(wide.Row(y));
    for (int x = 0; x < width_; ++x) to[x] = from[x] < Palette.size() ? Palette[from[x]] : OpaqueAlpha;
  }
  *this = std::move(wide);
  return true;
}

}  // namespace tessel
