// CSV records as RFC 4180 writes them, and what the reader does with rows
// it cannot take.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "generator/cli/CsvReader.h"

using tessel::generator::TCsvReader;
using TStatus = TCsvReader::TStatus;

namespace {

struct TRead {
  TStatus Status;
  std::vector<std::string> Fields;
  std::int64_t Line;
  friend bool operator==(const TRead&, const TRead&) = default;
};

std::vector<TRead> ReadAll(std::string text, std::size_t limit) {
  std::vector<TRead> reads;
  if (text.empty()) return reads;
  std::FILE* input = fmemopen(text.data(), text.size(), "r");
  TCsvReader reader(input, limit);
  std::vector<std::string> fields;
  for (TStatus status; (status = reader.Next(fields)) != TStatus::End;)
    reads.push_back(
        {status, status == TStatus::Malformed ? std::vector{reader.Problem()} : fields, reader.LineNumber()});
  std::fclose(input);
  return reads;
}

TEST(CsvReader, ReadsRecordsAsTheRfcWritesThem) {
  const TStatus R = TStatus::Record;
  const TStatus M = TStatus::Malformed;
  const struct {
    std::string Text;
    std::vector<TRead> Expected;
  } cases[] = {
      {"a,b\r\nc,d\r\n", {{R, {"a", "b"}, 1}, {R, {"c", "d"}, 2}}},
      {"a,b\nc,d", {{R, {"a", "b"}, 1}, {R, {"c", "d"}, 2}}},  // LF, no final line break
      {"\xEF\xBB\xBFsku\nA1\n", {{R, {"sku"}, 1}, {R, {"A1"}, 2}}},
      {"\"x,y\",\"say \"\"hi\"\"\"\n", {{R, {"x,y", "say \"hi\""}, 1}}},
      {"\"two\r\nlines\",z\nnext\n", {{R, {"two\r\nlines", "z"}, 1}, {R, {"next"}, 3}}},
      {",,\n\"\"\n", {{R, {"", "", ""}, 1}, {R, {""}, 2}}},
      {"a\n\r\n\nb\n", {{R, {"a"}, 1}, {R, {"b"}, 4}}},  // empty lines are skipped
      {"a\"b,c\r\n", {{R, {"a\"b", "c"}, 1}}},           // a quote inside an unquoted field is text
      {"\"ab\"c,d\nok\n", {{M, {"field 1 has text after its closing quote"}, 1}, {R, {"ok"}, 2}}},
      {"ok\n\"open,\nmore", {{R, {"ok"}, 1}, {M, {"a quoted field is not closed at the end of the file"}, 2}}},
      {"0123456789abcdefgh,x\n\"0123\n4567\n89abcdefgh\"\nok",
       {{M, {"longer than 16 bytes"}, 1}, {M, {"longer than 16 bytes"}, 2}, {R, {"ok"}, 5}}},
      {",,,,,,,,,,,,,,,,,,,,\nok\n", {{M, {"longer than 16 bytes"}, 1}, {R, {"ok"}, 2}}},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadAll(c.Text, 16), c.Expected) << c.Text;
}

}  // namespace
