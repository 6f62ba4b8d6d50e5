#include "generator/cli/CsvReader.h"

#include <string_view>

namespace tessel::generator {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

// What is known of the record being read.
struct TCsvReader::TRecordState {
  TState State = TState::FieldStart;
  std::string Field;
  bool Quoted = false;     // the field being read was quoted
  bool Started = false;    // a byte of the record was read
  std::size_t Length = 0;  // bytes of fields and separators so far
  bool TooLong = false;    // its fields are no longer kept
  std::string Problem;     // why it is malformed
};

bool TCsvReader::Fill() {
  if (!started_) {
    started_ = true;
    if (!Fill()) return false;
    SkipByteOrderMark();
    return position_ < filled_ || Fill();
  }
  position_ = 0;
  filled_ = std::fread(buffer_.data(), 1, buffer_.size(), input_);
  bytesRead_ += filled_;
  return filled_ > 0;
}

void TCsvReader::SkipByteOrderMark() {
  const std::string_view start(buffer_.data(), filled_);
  if (start.starts_with(ByteOrderMark)) position_ = ByteOrderMark.size();
}

int TCsvReader::Get() {
  const int c = Peek();
  if (c >= 0) ++position_;
  return c;
}

int TCsvReader::Peek() {
  if (position_ >= filled_ && !Fill()) return std::ferror(input_) ? ReadFailed : EndOfInput;
  return static_cast<unsigned char>(buffer_[position_]);
}

void TCsvReader::Append(char c, TRecordState& record) {
  if (++record.Length > maxLength_) record.TooLong = true;
  if (!record.TooLong) record.Field += c;
}

void TCsvReader::EndField(TRecordState& record, std::vector<std::string>& fields) {
  if (!record.TooLong) fields.push_back(std::move(record.Field));
  record.Field.clear();
  record.Quoted = false;
  record.State = TState::FieldStart;
  // A separator counts, so that many empty fields are bounded too.
  if (++record.Length > maxLength_) record.TooLong = true;
}

void TCsvReader::DropLineEnd(TRecordState& record) {
  if (!record.Quoted && !record.Field.empty() && record.Field.back() == '\r') record.Field.pop_back();
}

// A line break outside quotes: the record ends, unless the line was empty.
bool TCsvReader::EndLine(TRecordState& record, std::vector<std::string>& fields) {
  DropLineEnd(record);
  ++line_;
  if (fields.empty() && record.Field.empty() && !record.Quoted && !record.TooLong) {
    record = {};
    recordLine_ = line_;
    return false;
  }
  EndField(record, fields);
  return true;
}

bool TCsvReader::Take(char c, TRecordState& record, std::vector<std::string>& fields) {
  switch (record.State) {
    case TState::FieldStart:
      if (c == '"') {
        record.State = TState::Quoted;
        record.Quoted = true;
        return false;
      }
      [[fallthrough]];
    case TState::Unquoted:
      if (c == ',') {
        EndField(record, fields);
        return false;
      }
      if (c == '\n') return EndLine(record, fields);
      record.State = TState::Unquoted;
      Append(c, record);
      return false;
    case TState::Quoted:
      if (c == '"') {
        record.State = TState::AfterQuote;
      } else {
        if (c == '\n') ++line_;
        Append(c, record);
      }
      return false;
    case TState::AfterQuote:
      if (c == '"') {
        record.State = TState::Quoted;
        Append(c, record);
        return false;
      }
      if (c == ',') {
        EndField(record, fields);
        return false;
      }
      if (c == '\n') return EndLine(record, fields);
      if (c == '\r' && Peek() == '\n') return false;
      if (record.Problem.empty())
        record.Problem = "field " + std::to_string(fields.size() + 1) + " has text after its closing quote";
      record.State = TState::Unquoted;
      Append(c, record);
      return false;
  }
  return false;
}

TCsvReader::TStatus TCsvReader::Next(std::vector<std::string>& Fields) {
  Fields.clear();
  problem_.clear();
  TRecordState record;
  recordLine_ = line_;
  for (;;) {
    const int c = Get();
    if (c == ReadFailed) return TStatus::Error;
    if (c == EndOfInput) {
      if (!record.Started) return TStatus::End;
      if (record.State == TState::Quoted) record.Problem = "a quoted field is not closed at the end of the file";
      DropLineEnd(record);
      EndField(record, Fields);
      break;
    }
    record.Started = true;
    if (Take(static_cast<char>(c), record, Fields)) break;
  }
  problem_ = record.TooLong ? "longer than " + std::to_string(maxLength_) + " bytes" : record.Problem;
  if (problem_.empty()) return TStatus::Record;
  Fields.clear();
  return TStatus::Malformed;
}

}  // namespace tessel::generator
