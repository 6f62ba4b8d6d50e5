// TRasterImage: pixels in plain memory, as the raster canvas draws them and
// the image writers read them. A drawing starts as 8-bit indices into a
// palette (a quarter of the memory to write, and all that a symbol of a few
// colours needs) and turns into 32-bit 0xAARRGGBB pixels when it needs more
// than the palette's 256 colours.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tessel {

enum class TPixelFormat { Indexed8, Argb32 };

// A colour as the image holds it: 0xAARRGGBB.
using TArgb = std::uint32_t;
inline constexpr TArgb OpaqueAlpha = 0xff000000u;

class TRasterImage {
 public:
  static constexpr std::size_t MaxPaletteSize = 256;

  // Makes an image of width x height pixels of the format with undefined
  // contents and an empty palette, reusing the memory held when it is large
  // enough. False (and a null image) when the size is not positive or the
  // memory cannot be had.
  bool Allocate(int width, int height, TPixelFormat format);
  // Lets go of the pixels: a null image.
  void Reset();

  bool Null() const { return width_ <= 0 || height_ <= 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  TPixelFormat Format() const { return format_; }
  // Bytes from one row to the next.
  std::size_t Stride() const { return stride_; }
  // The memory held, which may be more than the pixels of this image.
  std::size_t Capacity() const { return capacity_; }

  std::uint8_t* Row(int y) { return bits_.get() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* Row(int y) const { return bits_.get() + static_cast<std::size_t>(y) * stride_; }
  // The colour of one pixel (through the palette when indexed).
  TArgb Pixel(int x, int y) const;

  // The colours of an indexed image, entry by entry.
  std::vector<TArgb> Palette;

  // Turns an indexed image into 32-bit pixels of the same colours. False
  // when the memory cannot be had (the image is then unchanged).
  bool ToArgb32();

 private:
  std::unique_ptr<std::uint8_t[]> bits_;
  std::size_t capacity_ = 0;
  std::size_t stride_ = 0;
  int width_ = 0, height_ = 0;
  TPixelFormat format_ = TPixelFormat::Indexed8;
};

}  // namespace tessel
