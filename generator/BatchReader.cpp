#include "generator/BatchReader.h"

namespace tessel::generator {

namespace {

// QIODevice::readLine(n) returns at most n - 1 bytes (it reserves room for
// a terminating NUL): the size to ask for to get up to `bytes` bytes.
qint64 ReadLineSize(qint64 bytes) { return bytes + 1; }

}  // namespace

bool TBatchReader::SkipRestOfLine() {
  for (;;) {
    const QByteArray chunk = input_.readLine(ReadLineSize(maxLength_ + 2));
    if (chunk.isEmpty()) return input_.atEnd();
    if (chunk.endsWith('\n')) return true;
  }
}

TBatchReader::TStatus TBatchReader::Next(QByteArray& Line) {
  Line.clear();
  if (skipping_) {
    skipping_ = false;
    if (!SkipRestOfLine()) return TStatus::Error;
  }
  // Two bytes more than the limit hold a CR LF after a line of the full length.
  Line = input_.readLine(ReadLineSize(maxLength_ + 2));
  if (Line.isEmpty()) return input_.atEnd() ? TStatus::End : TStatus::Error;
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
