#include "generator/cli/LineSource.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "generator/TextEscape.h"
#include "generator/cli/BatchReader.h"
#include "generator/cli/InputFile.h"
#include "generator/cli/TextCodec.h"

namespace tessel::generator {
namespace {

class TLineSource : public TRecordSource {
 public:
  explicit TLineSource(const std::string& path) : input_(path) {}

  std::vector<std::string> FieldNames() const override { return {"line"}; }

  bool Next(TRecord& Record) override {
    errno = 0;
    const TBatchReader::TStatus read = reader_.Next(line_);
    if (read == TBatchReader::TStatus::End) return false;
    if (read == TBatchReader::TStatus::Error) throw input_.ReadError(std::strerror(errno));
    Record = {};
    Record.Number = reader_.LineNumber();
    Record.Label = "line " + std::to_string(Record.Number);
    if (read == TBatchReader::TStatus::TooLong)
      Record.Problem = "longer than " + std::to_string(MaxBatchLineLength) + " bytes; skipped";
    else
      Record.Fields = {Latin1ToUtf8(UnescapeText(line_))};
    return true;
  }

  std::optional<double> FractionRead() const override {
    const long position = std::ftell(input_.Get());
    return position < 0 ? std::nullopt : input_.Fraction(static_cast<std::uint64_t>(position));
  }

 private:
  TInputFile input_;
  TBatchReader reader_{input_.Get()};
  std::string line_;
};

}  // namespace

std::unique_ptr<TRecordSource> OpenLineSource(const std::string& Path) { return std::make_unique<TLineSource>(Path); }

}  // namespace tessel::generator
