// A batch's input file, opened for reading: a regular file, a pipe or a
// device, never a folder.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "generator/cli/RecordSource.h"

namespace tessel::generator {

class TInputFile {
 public:
  // Throws TBatchError (ExitFile) when Path cannot be read.
  explicit TInputFile(const std::string& Path);

  std::FILE* Get() const { return file_.get(); }
  const std::string& Path() const { return path_; }
  // How much of a regular file was read, given BytesRead; none for a pipe,
  // a device or an empty file.
  std::optional<double> Fraction(std::uint64_t BytesRead) const;
  // The failure that ends a batch: "cannot read PATH: Reason".
  TBatchError ReadError(const std::string& Reason) const;

 private:
  struct TClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
  };
  std::string path_;
  std::unique_ptr<std::FILE, TClose> file_;
  std::uint64_t size_ = 0;  // of a regular file; 0 when unknown
};

}  // namespace tessel::generator
