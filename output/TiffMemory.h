// libtiff over bytes in memory: a TIFF file read from or written into a
// string through client procedures, libtiff's messages kept quiet (a
// failure shows in the caller's result).
#pragma once

#include <string>

struct tiff;

namespace tessel {

class TTiffInMemory {
 public:
  // Opens Bytes with libtiff's Mode ("r" to read, "w" to write into it);
  // Bytes outlives this object.
  TTiffInMemory(std::string& Bytes, const char* Mode);
  ~TTiffInMemory();
  TTiffInMemory(const TTiffInMemory&) = delete;
  TTiffInMemory& operator=(const TTiffInMemory&) = delete;

  // The open file, or null when libtiff could not open it.
  tiff* File() const { return file_; }

  // Where libtiff reads and writes: it seeks back to patch offsets and may
  // read what it wrote.
  struct TPosition {
    std::string* Bytes;
    std::size_t At = 0;
  };

 private:
  TPosition position_;
  tiff* file_ = nullptr;
};

}  // namespace tessel
