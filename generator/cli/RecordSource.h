// Where a batch's records come from: the lines of a file (TLineSource), the
// rows of a database table (generator/cli/qt), and whatever source comes
// next. Every source goes through one batch loop (RunRecordBatch).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel::generator {

// A failure that ends a batch: its exit status and message.
struct TBatchError {
  int Status;
  std::string Message;
};

// One record: its number, its fields, the text to draw and its file's base
// name.
struct TRecord {
  std::int64_t Number = 0;  // 1 for the source's first record, whichever process reads it
  std::vector<std::string> Fields;  // as the source gives them, named by its FieldNames()
  std::string Label;     // how messages name it: "line 3", "record 3 (key 'A')"
  std::string Text;      // the barcode text, one byte a character
  std::string BaseName;  // the file's name without its extension; empty when none can be made
  std::string Problem;   // not empty: the record cannot be drawn and is skipped for this reason
  std::vector<std::string> Caption;  // lines of text shown beside the symbol on label sheets
};

class TRecordSource {
 public:
  virtual ~TRecordSource() = default;
  // The names of the fields of every record, in order (a CSV file's header,
  // a table's columns); templates name fields by them or by position.
  virtual std::vector<std::string> FieldNames() const = 0;
  // Reads the next record into Record; false at the end. A source that can
  // no longer be read throws TBatchError.
  virtual bool Next(TRecord& Record) = 0;
  // Called in record order when the record's file is about to take its
  // name; a reason refuses it and the record is skipped (a name this run
  // already wrote).
  virtual std::string Claim(const TRecord&) { return {}; }
  // Added to the reason of every skipped record ("; not written").
  virtual std::string SkippedNote() const { return {}; }
};

}  // namespace tessel::generator
