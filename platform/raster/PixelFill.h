// Filling a run of pixels in a row. The runs of a symbol are short (a bar of
// a few pixels, a stroke of a glyph), where a call to memset costs more than
// the stores: 8-bit runs of up to eight pixels are written as two
// overlapping word stores instead.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tessel {

template <typename Pixel>
inline void FillPixels(Pixel* first, int count, Pixel value) {
  if constexpr (sizeof(Pixel) == 1) {
    if (count <= 8) {
      const std::uint64_t pattern = 0x0101010101010101ULL * static_cast<std::uint8_t>(value);
      if (count >= 4) {
        std::memcpy(first, &pattern, 4);
        std::memcpy(first + count - 4, &pattern, 4);
      } else if (count >= 2) {
        std::memcpy(first, &pattern, 2);
        std::memcpy(first + count - 2, &pattern, 2);
      } else if (count == 1) {
        *first = value;
      }
      return;
    }
  }
  std::fill(first, first + count, value);
}

}  // namespace tessel
