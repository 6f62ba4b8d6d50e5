// Where a batch's records come from: the lines of a file (TLineSource), the
// rows of a database table (generator/cli/qt), and whatever source comes
// next. Every source goes through one batch loop (RunRecordBatch).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessel::generator {

// A failure that ends a batch: its exit status and message.
struct TBatchError {
  int Status;
  std::string Message;
};

// One record: its number and fields as its source reads them; the text to
// draw, its file's base name and its caption as the templates make them
// (TTemplatedSource).
struct TRecord {
  std::int64_t Number = 0;           // 1 for the source's first record, whichever process reads it
  std::vector<std::string> Fields;   // UTF-8 (or a key's bytes), named by the source's FieldNames()
  std::string Label;                 // how messages name it: "line 3", "record 3 (key 'A')"
  std::string Text;                  // the barcode text, one byte a character
  std::string BaseName;              // the file's name without its extension; empty when none can be made
  std::string Problem;               // not empty: the record cannot be drawn and is skipped for this reason
  std::vector<std::string> Caption;  // lines shown beside the symbol on label sheets, one byte a character
};

class TRecordSource {
 public:
  virtual ~TRecordSource() = default;
  // The names of the fields of every record, in order (a CSV file's header,
  // a table's columns); templates name fields by them or by position.
  virtual std::vector<std::string> FieldNames() const = 0;
  // The field drawn when no template says otherwise.
  virtual std::size_t TextField() const { return 0; }
  // The field naming the files when no template says otherwise; none: the
  // record numbers (000001 ...).
  virtual std::optional<std::size_t> NameField() const { return std::nullopt; }
  // Reads the next record into Record; false at the end. A source that can
  // no longer be read throws TBatchError.
  virtual bool Next(TRecord& Record) = 0;
  // Added to the reason of every skipped record ("; not written").
  virtual std::string SkippedNote() const { return {}; }
  // How much of the input has been read, from 0 to 1; none when that is
  // not known (a pipe, a database).
  virtual std::optional<double> FractionRead() const { return std::nullopt; }
};

}  // namespace tessel::generator
