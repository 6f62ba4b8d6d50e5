// Reading comma-separated values (RFC 4180) as a stream: fields separated
// by commas, records by LF or CR LF, a field in double quotes may hold
// commas, line breaks and doubled quotes. A byte-order mark at the start
// and a missing final line break are taken; lines that are empty are
// skipped. Memory stays bounded whatever the input: a record longer than
// the bound is reported and skipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace tessel::generator {

// The most bytes a record's fields (and their separators) take; far more
// than any symbol that fits an image holds.
inline constexpr std::size_t MaxCsvRecordLength = 65536;

class TCsvReader {
 public:
  enum class TStatus {
    Record,     // Fields holds the next record's fields, as bytes
    Malformed,  // the next record cannot be read (Problem says why); it was skipped
    End,        // no more records
    Error,      // reading failed: errno says why
  };

  explicit TCsvReader(std::FILE* Input, std::size_t MaxLength = MaxCsvRecordLength)
      : input_(Input), maxLength_(MaxLength), buffer_(ReadSize) {}

  TStatus Next(std::vector<std::string>& Fields);
  // Why the last record was Malformed.
  const std::string& Problem() const { return problem_; }
  // The 1-based line the last record started on.
  std::int64_t LineNumber() const { return recordLine_; }
  // How many bytes of the input were read.
  std::uint64_t BytesRead() const { return bytesRead_; }

 private:
  static constexpr std::size_t ReadSize = 65536;
  static constexpr int EndOfInput = -1;
  static constexpr int ReadFailed = -2;
  enum class TState { FieldStart, Unquoted, Quoted, AfterQuote };
  struct TRecordState;

  int Get();
  int Peek();
  bool Fill();
  void SkipByteOrderMark();
  // Takes one byte of a record; true when the record ends with it.
  bool Take(char c, TRecordState& record, std::vector<std::string>& fields);
  bool EndLine(TRecordState& record, std::vector<std::string>& fields);
  void EndField(TRecordState& record, std::vector<std::string>& fields);
  // An unquoted field's CR before the line's LF (or the input's end) ends the line, not the field's text.
  static void DropLineEnd(TRecordState& record);
  void Append(char c, TRecordState& record);

  std::FILE* input_;
  std::size_t maxLength_;
  std::vector<char> buffer_;
  std::size_t position_ = 0;
  std::size_t filled_ = 0;
  bool started_ = false;
  std::uint64_t bytesRead_ = 0;
  std::int64_t line_ = 1;
  std::int64_t recordLine_ = 0;
  std::string problem_;
};

}  // namespace tessel::generator
