// Batch input lines: bounded, CR LF or LF ends, numbered as read.
#include <gtest/gtest.h>

#include <QBuffer>

#include "generator/cli/BatchReader.h"

using tessel::generator::TBatchReader;
using TStatus = TBatchReader::TStatus;

namespace {

struct TRead {
  TStatus Status;
  QByteArray Line;
  qint64 Number;
  friend bool operator==(const TRead&, const TRead&) = default;
};

std::vector<TRead> ReadAll(QByteArray text, qint64 limit) {
  QBuffer buffer(&text);
  buffer.open(QIODevice::ReadOnly);
  TBatchReader reader(buffer, limit);
  std::vector<TRead> reads;
  QByteArray line;
  for (TStatus status; (status = reader.Next(line)) != TStatus::End;)
    reads.push_back({status, line, reader.LineNumber()});
  return reads;
}

TEST(BatchReader, LinesUpToTheLimitWithEitherLineEndAreTakenWhole) {
  const struct {
    QByteArray Text;
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
  for (const auto& c : cases) EXPECT_EQ(ReadAll(c.Text, 4), c.Expected) << c.Text.toStdString();
}

}  // namespace
