// Reading a batch input line by line with a bounded line length, so any
// input (a pipe, a device, a huge file) is read in constant memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace tessel::generator {

// The longest batch line taken, in bytes (line break not counted); far
// more than any symbol that fits an image holds.
inline constexpr std::size_t MaxBatchLineLength = 65536;

class TBatchReader {
 public:
  enum class TStatus {
    Line,     // Line holds the next line, without its line break (LF or CR LF)
    TooLong,  // the line exceeded MaxBatchLineLength; it was skipped
    End,      // no more lines
    Error,    // reading failed: errno says why
  };

  explicit TBatchReader(std::FILE* Input, std::size_t MaxLength = MaxBatchLineLength)
      : input_(Input), maxLength_(MaxLength) {}

  // Reads the next line. After TooLong the rest of that line is skipped by
  // the next call, so the caller can report the line first.
  TStatus Next(std::string& Line);
  // The 1-based number of the line Next returned last.
  std::int64_t LineNumber() const { return number_; }

 private:
  bool SkipRestOfLine();

  std::FILE* input_;
  std::size_t maxLength_;
  std::int64_t number_ = 0;
  bool skipping_ = false;
};

}  // namespace tessel::generator
