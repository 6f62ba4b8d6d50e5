#include "generator/cli/RecordSelection.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string_view>

namespace tessel::generator {
namespace {

bool ReadCount(std::string_view digits, std::int64_t& value) {
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return error == std::errc() && end == digits.data() + digits.size();
}

}  // namespace

std::string ParseShard(const std::string& Text, TShard& Shard) {
  const std::size_t slash = Text.find('/');
  TShard shard;
  const std::string_view text(Text);
  if (slash == std::string::npos || !ReadCount(text.substr(0, slash), shard.Index) ||
      !ReadCount(text.substr(slash + 1), shard.Count) || shard.Count < 1 || shard.Index >= shard.Count)
    return "--shard needs K/N with whole numbers 0 <= K < N, not '" + Text + "'";
  Shard = shard;
  return {};
}

bool TShardFilter::Next(TRecord& Record) {
  while (Inner().Next(Record))
    if ((Record.Number - 1) % shard_.Count == shard_.Index) return true;
  return false;
}

bool TResumeFilter::Next(TRecord& Record) {
  while (Inner().Next(Record)) {
    if (!Written(Record)) return true;
    ++skipped_;
  }
  return false;
}

bool TResumeFilter::Written(const TRecord& record) const {
  if (!record.Problem.empty() || record.BaseName.empty()) return false;
  std::error_code error;
  const std::filesystem::path file = std::filesystem::path(folder_) / (record.BaseName + "." + extension_);
  return std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error));
}

}  // namespace tessel::generator
