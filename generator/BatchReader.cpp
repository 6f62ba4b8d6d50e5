#include "generator/BatchReader.h"

namespace tessel::generator {

bool TBatchReader::SkipRestOfLine() {
  for (;;) {
    const QByteArray chunk = input_.readLine(maxLength_ + 2);
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
  Line = input_.readLine(maxLength_ + 2);
  if (Line.isEmpty()) return input_.atEnd() ? TStatus::End : TStatus::Error;
  ++number_;
  const bool complete = Line.endsWith('\n');
  if (complete) Line.chop(1);
  if (Line.endsWith('\r')) Line.chop(1);
  if (Line.size() <= maxLength_) return TStatus::Line;
  skipping_ = !complete;
  Line.clear();
  return TStatus::TooLong;
}

}  // namespace tessel::generator
