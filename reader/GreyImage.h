// TGreyImage: what the reader scans, 8-bit luminance from 0 (black) to 255
// (white), row after row.
#pragma once

#include <cstdint>
#include <vector>

namespace tessel {

class TRasterImage;

struct TGreyImage {
  int Width = 0, Height = 0;
  std::vector<std::uint8_t> Pixels;  // Width * Height, row after row

  std::uint8_t At(int X, int Y) const { return Pixels[static_cast<std::size_t>(Y) * Width + X]; }
};

// The image's luminance (ITU-R BT.601 weights), transparent pixels seen
// against white paper.
TGreyImage ToGrey(const TRasterImage& Image);

}  // namespace tessel
