#include "generator/cli/LineSource.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "generator/TextEscape.h"
#include "generator/cli/BatchReader.h"
#include "generator/cli/Cli.h"

namespace tessel::generator {
namespace {

constexpr std::size_t RecordNumberDigits = 6;

// The words users already know for a folder given as the batch's input.
constexpr std::string_view FolderInputReason = "file to open is a directory";

struct TCloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

class TLineSource : public TRecordSource {
 public:
  explicit TLineSource(const std::string& path) : path_(path), input_(std::fopen(path.c_str(), "rb")) {
    if (!input_) throw ReadError(std::strerror(errno));
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) throw ReadError(std::string(FolderInputReason));
  }

  // A line is one field, its text unescaped.
  std::vector<std::string> FieldNames() const override { return {"line"}; }

  bool Next(TRecord& Record) override {
    errno = 0;
    const TBatchReader::TStatus read = reader_.Next(line_);
    if (read == TBatchReader::TStatus::End) return false;
    if (read == TBatchReader::TStatus::Error) throw ReadError(std::strerror(errno));
    Record = {};
    Record.Number = reader_.LineNumber();
    Record.Label = "line " + std::to_string(Record.Number);
    Record.BaseName = NumberedName(Record.Number);
    if (read == TBatchReader::TStatus::TooLong)
      Record.Problem = "longer than " + std::to_string(MaxBatchLineLength) + " bytes; skipped";
    else
      Record.Text = UnescapeText(line_);
    Record.Fields = {Record.Text};
    return true;
  }

 private:
  TBatchError ReadError(const std::string& reason) const { return {ExitFile, "cannot read " + path_ + ": " + reason}; }

  std::string path_;
  std::unique_ptr<std::FILE, TCloseFile> input_;
  TBatchReader reader_{input_.get()};
  std::string line_;
};

}  // namespace

std::unique_ptr<TRecordSource> OpenLineSource(const std::string& Path) { return std::make_unique<TLineSource>(Path); }

std::string NumberedName(std::int64_t Number) {
  std::string name = std::to_string(Number);
  if (name.size() < RecordNumberDigits) name.insert(0, RecordNumberDigits - name.size(), '0');
  return name;
}

}  // namespace tessel::generator
