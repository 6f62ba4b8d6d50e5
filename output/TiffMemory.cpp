#include "output/TiffMemory.h"

#include <tiffio.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace tessel {
namespace {

using TPosition = TTiffInMemory::TPosition;

TPosition& FileOf(thandle_t handle) { return *static_cast<TPosition*>(handle); }

tmsize_t ReadProc(thandle_t handle, void* data, tmsize_t size) {
  TPosition& file = FileOf(handle);
  const std::size_t from = std::min(file.At, file.Bytes->size());
  const std::size_t count = std::min(static_cast<std::size_t>(std::max<tmsize_t>(size, 0)), file.Bytes->size() - from);
  std::memcpy(data, file.Bytes->data() + from, count);
  file.At += count;
  return static_cast<tmsize_t>(count);
}

tmsize_t WriteProc(thandle_t handle, void* data, tmsize_t size) {
  if (size < 0) return -1;
  TPosition& file = FileOf(handle);
  const std::size_t end = file.At + static_cast<std::size_t>(size);
  try {
    if (end > file.Bytes->size()) file.Bytes->resize(end);
  } catch (const std::bad_alloc&) {
    return -1;  // libtiff reports the short write
  }
  std::memcpy(file.Bytes->data() + file.At, data, static_cast<std::size_t>(size));
  file.At = end;
  return size;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
  TPosition& file = FileOf(handle);
  // Offsets are unsigned: a move back wraps around, as libtiff computes it.
  if (whence == SEEK_SET)
    file.At = offset;
  else if (whence == SEEK_CUR)
    file.At += offset;
  else
    file.At = file.Bytes->size() + offset;
  return file.At;
}

int CloseProc(thandle_t) { return 0; }
toff_t SizeProc(thandle_t handle) { return FileOf(handle).Bytes->size(); }
int MapProc(thandle_t, void**, toff_t*) { return 0; }
void UnmapProc(thandle_t, void*, toff_t) {}

// libtiff's messages are not printed: a failure shows in the result.
int Quiet(TIFF*, void*, const char*, const char*, va_list) { return 1; }

struct TOptionsDeleter {
  void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

}  // namespace

TTiffInMemory::TTiffInMemory(std::string& Bytes, const char* Mode) : position_{&Bytes} {
  const std::unique_ptr<TIFFOpenOptions, TOptionsDeleter> options(TIFFOpenOptionsAlloc());
  if (!options) return;
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), Quiet, nullptr);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), Quiet, nullptr);
  file_ = TIFFClientOpenExt("symbol", Mode, &position_, ReadProc, WriteProc, SeekProc, CloseProc, SizeProc, MapProc,
                            UnmapProc, options.get());
}

TTiffInMemory::~TTiffInMemory() {
  if (file_) TIFFClose(file_);
}

}  // namespace tessel
