// The images the reader takes from files: PNG, BMP (uncompressed, 1 to 32
// bits a pixel) and TIFF, told apart by their first bytes and turned into
// grey. Decoding works on bytes in memory: the caller reads the file.
#pragma once

#include <string>

#include "reader/GreyImage.h"

namespace tessel {

// The largest image taken, a side and in all, so that a file's header
// cannot ask for more memory than a label's image needs.
inline constexpr int MaxReadSide = 32767;
inline constexpr long long MaxReadPixels = 32LL << 20;

// Decodes Bytes into Image; an empty string on success, else the reason.
std::string DecodeImageFile(const std::string& Bytes, TGreyImage& Image);

}  // namespace tessel
