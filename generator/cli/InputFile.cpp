#include "generator/cli/InputFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "generator/cli/Cli.h"

namespace tessel::generator {
namespace {

// The words users already know for a folder given as the batch's input.
constexpr std::string_view FolderInputReason = "file to open is a directory";

}  // namespace

TInputFile::TInputFile(const std::string& Path) : path_(Path), file_(std::fopen(Path.c_str(), "rb")) {
  if (!file_) throw ReadError(std::strerror(errno));
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(Path, error);
  if (std::filesystem::is_directory(status)) throw ReadError(std::string(FolderInputReason));
  if (std::filesystem::is_regular_file(status)) size_ = std::filesystem::file_size(Path, error);
  if (error) size_ = 0;
}

std::optional<double> TInputFile::Fraction(std::uint64_t BytesRead) const {
  if (size_ == 0) return std::nullopt;
  return std::min(1.0, static_cast<double>(BytesRead) / static_cast<double>(size_));
}

TBatchError TInputFile::ReadError(const std::string& Reason) const {
  return {ExitFile, "cannot read " + path_ + ": " + Reason};
}

}  // namespace tessel::generator
