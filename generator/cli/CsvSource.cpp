#include "generator/cli/CsvSource.h"

#include <cerrno>
#include <cstring>

#include "generator/cli/CsvReader.h"
#include "generator/cli/InputFile.h"

namespace tessel::generator {
namespace {

class TCsvSource : public TRecordSource {
 public:
  explicit TCsvSource(const std::string& path) : input_(path) {
    switch (Read(names_)) {
      case TCsvReader::TStatus::Record: return;
      case TCsvReader::TStatus::End: throw input_.ReadError("it has no header row");
      case TCsvReader::TStatus::Malformed: throw input_.ReadError("its header row is " + reader_.Problem());
      case TCsvReader::TStatus::Error: break;
    }
  }

  std::vector<std::string> FieldNames() const override { return names_; }

  bool Next(TRecord& Record) override {
    Record = {};
    const TCsvReader::TStatus read = Read(Record.Fields);
    if (read == TCsvReader::TStatus::End) return false;
    Record.Number = ++count_;
    Record.Label = "record " + std::to_string(count_) + " (line " + std::to_string(reader_.LineNumber()) + ")";
    if (read == TCsvReader::TStatus::Malformed)
      Record.Problem = reader_.Problem();
    else if (Record.Fields.size() != names_.size())
      Record.Problem =
          "it has " + std::to_string(Record.Fields.size()) + " fields, the header " + std::to_string(names_.size());
    return true;
  }

  std::optional<double> FractionRead() const override { return input_.Fraction(reader_.BytesRead()); }

 private:
  // The next row; a read error ends the batch.
  TCsvReader::TStatus Read(std::vector<std::string>& fields) {
    errno = 0;
    const TCsvReader::TStatus read = reader_.Next(fields);
    if (read == TCsvReader::TStatus::Error) throw input_.ReadError(std::strerror(errno));
    return read;
  }

  TInputFile input_;
  TCsvReader reader_{input_.Get()};
  std::vector<std::string> names_;
  std::int64_t count_ = 0;
};

}  // namespace

std::unique_ptr<TRecordSource> OpenCsvSource(const std::string& Path) { return std::make_unique<TCsvSource>(Path); }

}  // namespace tessel::generator
