// Image files and the reader: any bytes are decoded or refused with a
// reason, never a crash; a decoded image is within the size limits, and the
// reader scans it without a crash, whatever its pixels.
//
// Input: the file's bytes.
#include <cstdlib>
#include <string>

#include "reader/ImageFile.h"
#include "reader/Reader.h"

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  TGreyImage image;
  const std::string reason = DecodeImageFile(bytes, image);
  if (!reason.empty()) {
    if (!image.Pixels.empty()) std::abort();
    return 0;
  }
  if (image.Width < 1 || image.Height < 1 || image.Width > MaxReadSide || image.Height > MaxReadSide ||
      image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height)
    std::abort();
  const TReadResult read = ReadSymbol(image);
  if (read.Found && (read.Box.Left < 0 || read.Box.Top < 0 || read.Box.Right > image.Width ||
                     read.Box.Bottom > image.Height || read.Scans.size() != 10))
    std::abort();
  return 0;
}
