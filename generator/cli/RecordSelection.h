// Which of a source's records this run draws: one shard of many processes
// (--shard K/N), and only those whose file is not there yet (--resume).
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "generator/cli/RecordFilter.h"

namespace tessel::generator {

// Shard K of N: the records whose number less one leaves K when divided by
// N, round robin, so N processes with K = 0 ... N-1 draw every record once,
// with the numbers and names one process gives them.
struct TShard {
  std::int64_t Index = 0;
  std::int64_t Count = 1;
};

// Parses "K/N" (decimal digits, 0 <= K < N) into Shard; returns why it is
// not one, else an empty string.
std::string ParseShard(const std::string& Text, TShard& Shard);

class TShardFilter : public TRecordFilter {
 public:
  TShardFilter(TRecordSource& Inner, const TShard& Shard) : TRecordFilter(Inner), shard_(Shard) {}
  bool Next(TRecord& Record) override;

 private:
  TShard shard_;
};

// Skips the records whose file is already in the folder as a regular file:
// files only ever take their names complete, so one that is there is done.
// Records that cannot be drawn are never skipped, so they are reported
// again.
class TResumeFilter : public TRecordFilter {
 public:
  TResumeFilter(TRecordSource& Inner, std::string Folder, std::string Extension)
      : TRecordFilter(Inner), folder_(std::move(Folder)), extension_(std::move(Extension)) {}
  bool Next(TRecord& Record) override;
  // How many records were skipped.
  std::int64_t Skipped() const { return skipped_; }

 private:
  bool Written(const TRecord& record) const;

  std::string folder_;
  std::string extension_;
  std::int64_t skipped_ = 0;
};

}  // namespace tessel::generator
