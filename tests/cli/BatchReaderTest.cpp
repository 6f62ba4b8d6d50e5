// Batch input lines: bounded, CR LF or LF ends, numbered as read.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "generator/cli/BatchReader.h"

using tessel::generator::TBatchReader;
using TStatus = TBatchReader::TStatus;

namespace {

struct TRead {
  TStatus Status;
  std::string Line;
  std::int64_t Number;
  friend bool operator==(const TRead&, const TRead&) = default;
};

std::vector<TRead> ReadAll(std::string text, std::size_t limit) {
  std::FILE* input = fmemopen(text.data(), text.size(), "r");
  TBatchReader reader(input, limit);
  std::vector<TRead> reads;
  std::string line;
  for (TStatus status; (status = reader.Next(line)) != TStatus::End;)
    reads.push_back({status, line, reader.LineNumber()});
  std::fclose(input);
  return reads;
}

TEST(BatchReader, LinesUpToTheLimitWithEitherLineEndAreTakenWhole) {
  const struct {
    std::string Text;
    std::vector<TRead> Expected;
  } cases[] = {
      // A line of exactly the limit followed by CR LF is one line, not two.
      {"abcd\r\nxy", {{TStatus::Line, "abcd", 1}, {TStatus::Line, "xy", 2}}},
      {"abcd\nxy\n", {{TStatus::Line, "abcd", 1}, {TStatus::Line, "xy", 2}}},
      {"abcde\r\nxy", {{TStatus::TooLong, "", 1}, {TStatus::Line, "xy", 2}}},
      {"abcdefghijklmnop\nxy\r\n\n", {{TStatus::TooLong, "", 1}, {TStatus::Line, "xy", 2}, {TStatus::Line, "", 3}}},
      {"abcd\r", {{TStatus::Line, "abcd", 1}}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadAll(c.Text, 4), c.Expected) << c.Text;
}

}  // namespace
