#include "generator/cli/BatchReader.h"

namespace tessel::generator {

// True at the line's end or the input's, false on a read error.
bool TBatchReader::SkipRestOfLine() {
  for (int c; (c = std::getc(input_)) != EOF;)
    if (c == '\n') return true;
  return !std::ferror(input_);
}

TBatchReader::TStatus TBatchReader::Next(std::string& Line) {
  Line.clear();
  if (skipping_) {
    skipping_ = false;
    if (!SkipRestOfLine()) return TStatus::Error;
  }
  // Up to the limit and one byte more: a CR before the LF of a line of the
  // full length is no part of the line.
  bool complete = false;
  int c = EOF;
  while (Line.size() <= maxLength_ && (c = std::getc(input_)) != EOF) {
    if (c == '\n') {
      complete = true;
      break;
    }
    Line.push_back(static_cast<char>(c));
  }
  if (c == EOF && std::ferror(input_)) return TStatus::Error;
  if (!complete && c == EOF && Line.empty()) return TStatus::End;
  ++number_;
  const bool ended = complete || c == EOF;
  if (ended && !Line.empty() && Line.back() == '\r') Line.pop_back();
  if (Line.size() <= maxLength_) return TStatus::Line;
  if (ended) {
    Line.clear();
    return TStatus::TooLong;
  }
  // maxLength_ + 1 bytes read: a CR LF may still end the line here.
  if (Line.back() == '\r') {
    const int next = std::getc(input_);
    if (next == '\n' || next == EOF) {
      Line.pop_back();
      if (next == EOF && std::ferror(input_)) return TStatus::Error;
      if (Line.size() <= maxLength_) return TStatus::Line;
    } else {
      std::ungetc(next, input_);
    }
  }
  skipping_ = true;
  Line.clear();
  return TStatus::TooLong;
}

}  // namespace tessel::generator
