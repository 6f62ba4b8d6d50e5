// The decoders refuse a symbol whose check character (or, for UPC-E and the
// five-digit add-on, the number sets that carry it; for CPC Binary its
// parity; for Flattermarken its frame) does not agree with its data. Each symbol is written out in modules from its
// pieces: guards, the standards' digit and character patterns, the check; a right symbol beside each wrong one shows
// that only the check refuses it.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reader/LinearDecoder.h"
#include "reader/decoders/Code128.h"
#include "reader/decoders/CpcBinary.h"
#include "reader/decoders/EanUpc.h"
#include "reader/decoders/Flattermarken.h"

using namespace tessel;

namespace {

struct TCheckCase {
  std::string_view Name;
  TDecodeWidths Decode;
  std::vector<std::string_view> Pieces;  // each element's modules, bar first
  std::optional<std::string> Text;       // none: refused
};

std::vector<double> Widths(const std::vector<std::string_view>& pieces) {
  std::vector<double> widths;
  for (const std::string_view piece : pieces)
    for (const char modules : piece) widths.push_back(modules - '0');
  return widths;
}

// EAN-13 5901234123457: guard, 9 0 1 2 3 4 in sets A B B A A B (leading 5),
// centre, 1 2 3 4 5 in set C, the check digit, guard.
const std::vector<std::string_view> Ean13Left{"111",   "3112", "1123", "1222", "2122", "1411", "2311",
                                              "11111", "2221", "2122", "1411", "1132", "1231"};
// UPC-E 0 123456, check digit 5: sets B A A B B A; with 4 the sets B A B B A A.
// EAN-5 52495 (check value 1): sets B A B A A; 52496 would need A B B A A.
// Code 128 AB1234567890: Start B, A, B, Code C, 12 34 56 78 90, check 56.
const std::vector<std::string_view> Code128Data{"211214", "111323", "131123", "113141", "112232",
                                                "131123", "331121", "241112", "214121"};

std::vector<std::string_view> Joined(std::vector<std::string_view> pieces, std::vector<std::string_view> tail) {
  pieces.insert(pieces.end(), tail.begin(), tail.end());
  return pieces;
}

}  // namespace

TEST(ReaderCheckCharacters, SymbolsWhoseCheckDisagreesAreRefused) {
  const std::vector<TCheckCase> cases{
      {"EAN-13 check 7", DecodeEan13, Joined(Ean13Left, {"1312", "111"}), "5901234123457"},
      {"EAN-13 check 8", DecodeEan13, Joined(Ean13Left, {"1213", "111"}), std::nullopt},
      {"UPC-E check 5", DecodeUpcE, {"111", "1222", "2122", "1411", "2311", "1321", "1114", "111111"}, "01234565"},
      {"UPC-E check 4", DecodeUpcE, {"111", "1222", "2122", "1141", "2311", "1231", "1114", "111111"}, std::nullopt},
      {"EAN-5 52495", DecodeEan5, {"112", "1321", "11", "2122", "11", "2311", "11", "3112", "11", "1231"}, "52495"},
      {"EAN-5 52496",
       DecodeEan5,
       {"112", "1321", "11", "2122", "11", "2311", "11", "3112", "11", "1114"},
       std::nullopt},
      {"Code 128 check 56", DecodeCode128, Joined(Code128Data, {"331121", "2331112"}), "AB123456789056"},
      {"Code 128 check 57", DecodeCode128, Joined(Code128Data, {"312113", "2331112"}), std::nullopt},
  };
  for (const TCheckCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::vector<double> widths = Widths(c.Pieces);
    const auto decoded = c.Decode(widths);
    ASSERT_EQ(decoded.has_value(), c.Text.has_value());
    if (decoded) {
      EXPECT_EQ(decoded->Text, *c.Text);
    }
  }
}

namespace {

// A CPC Binary symbol of Value at a pitch of three modules, a one-module bar
// at each 1 bit, with or without the leading bar, and the closing bar.
std::vector<double> CpcBinaryWidths(std::uint32_t value, bool leadingBar) {
  std::vector<int> positions;
  if (leadingBar) positions.push_back(0);
  for (int bit = 27; bit >= 0; --bit)
    if (value >> bit & 1) positions.push_back(28 - bit);
  positions.push_back(29);
  std::vector<double> widths;
  for (std::size_t k = 0; k < positions.size(); ++k) {
    if (k > 0) widths.push_back(3.0 * (positions[k] - positions[k - 1]) - 1);
    widths.push_back(1);
  }
  return widths;
}

}  // namespace

// K1A0B1 is 3207AC2 with eleven 1 bits: without its leading bar the count
// is odd.
TEST(ReaderCheckCharacters, CpcBinaryReadsOnlyWithTheBarThatMakesItsCountEven) {
  const auto read = DecodeCpcBinary(CpcBinaryWidths(0x3207AC2, true));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Text, "K1A0B1");
  EXPECT_FALSE(DecodeCpcBinary(CpcBinaryWidths(0x3207AC2, false)));
}

// 109: a mark at the first module of the first field, none in the second,
// one at the last module of the third; the symbol's 27 modules framed by
// equal margins. Nine modules more light before it are a field without a
// mark: a leading 0.
TEST(ReaderCheckCharacters, FlattermarkenReadsFromTheSymbolsFrame) {
  const std::vector<double> widths{1, 25, 1};
  const auto read = DecodeFlattermarken({widths, 5, 5, {}});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->Text, "109");
  const auto framed = DecodeFlattermarken({widths, 14, 5, {}});
  ASSERT_TRUE(framed);
  EXPECT_EQ(framed->Text, "0109");
}
