// Reading a batch input line by line with a bounded line length, so any
// input (a pipe, a device, a huge file) is read in constant memory.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <vector>

namespace tessel::generator {

// The longest batch line taken, in bytes (line break not counted); far
// more than any symbol that fits an image holds.
inline constexpr qint64 MaxBatchLineLength = 65536;

class TBatchReader {
 public:
  enum class TStatus {
    Line,     // Line holds the next line, without its line break (LF or CR LF)
    TooLong,  // the line exceeded MaxBatchLineLength; it was skipped
    End,      // no more lines
    Error,    // reading failed: the device's errorString() says why
  };

  explicit TBatchReader(QIODevice& Input, qint64 MaxLength = MaxBatchLineLength)
      : input_(Input), maxLength_(MaxLength) {}

  // Reads the next line. After TooLong the rest of that line is skipped by
  // the next call, so the caller can report the line first.
  TStatus Next(QByteArray& Line);
  // The 1-based number of the line Next returned last.
  qint64 LineNumber() const { return number_; }

 private:
  qint64 ReadPiece();
  bool SkipRestOfLine();

  QIODevice& input_;
  qint64 maxLength_;
  qint64 number_ = 0;
  bool skipping_ = false;
  std::vector<char> buffer_;
};

}  // namespace tessel::generator
