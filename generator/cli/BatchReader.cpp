#include "generator/cli/BatchReader.h"

namespace tessel::generator {

namespace {

// QIODevice::readLine(n) returns at most n - 1 bytes (it reserves room for
// a terminating NUL): the size to ask for to get up to `bytes` bytes.
qint64 ReadLineSize(qint64 bytes) { return bytes + 1; }

}  // namespace

// Reads up to the limit and two bytes more (room for a CR LF after a line
// of the full length) into the reader's own buffer, allocated once: the
// number of bytes read, 0 or less at the end or on an error.
qint64 TBatchReader::ReadPiece() {
  buffer_.resize(static_cast<std::size_t>(ReadLineSize(maxLength_ + 2)));
  return input_.readLine(buffer_.data(), static_cast<qint64>(buffer_.size()));
}

bool TBatchReader::SkipRestOfLine() {
  for (;;) {
    const qint64 size = ReadPiece();
    if (size <= 0) return input_.atEnd();
    if (buffer_[static_cast<std::size_t>(size) - 1] == '\n') return true;
  }
}

TBatchReader::TStatus TBatchReader::Next(QByteArray& Line) {
  Line.clear();
  if (skipping_) {
    skipping_ = false;
    if (!SkipRestOfLine()) return TStatus::Error;
  }
  const qint64 size = ReadPiece();
  if (size <= 0) return input_.atEnd() ? TStatus::End : TStatus::Error;
  Line.append(buffer_.data(), size);
  ++number_;
  const bool complete = Line.endsWith('\n');
  if (complete) Line.chop(1);
  if ((complete || input_.atEnd()) && Line.endsWith('\r')) Line.chop(1);
  if (Line.size() <= maxLength_) return TStatus::Line;
  skipping_ = !complete;
  Line.clear();
  return TStatus::TooLong;
}

}  // namespace tessel::generator
