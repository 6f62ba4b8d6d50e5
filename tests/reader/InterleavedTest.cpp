// Interleaved 2 of 5 symbols built from written-out widths: the padding on
// the right, and the classes whose last digit checks the others, each
// reading its symbol with the right check digit and refusing the same
// symbol with a wrong one, which Interleaved 2 of 5 itself still reads.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reader/decoders/ItfDerivatives.h"
#include "reader/decoders/TwoOfFive.h"

using namespace tessel;

namespace {

// ISO/IEC 16390, the two-of-five digits as element widths: narrow 1,
// wide 3; then the right padding ':', all narrow.
constexpr std::array<std::string_view, 11> DigitWidths{
    "11331", "31113", "13113", "33111", "11313", "31311", "13311", "11133", "31131", "13131", "11111",
};
constexpr std::array<double, 4> Start{1, 1, 1, 1};
constexpr std::array<double, 3> Stop{3, 1, 1};

// Start, the digits in pairs (the first's elements as bars, the second's as
// the spaces between), stop.
std::vector<double> Symbol(const std::string& digits) {
  std::vector<double> widths(Start.begin(), Start.end());
  for (std::size_t k = 0; k + 1 < digits.size(); k += 2)
    for (std::size_t e = 0; e < DigitWidths[0].size(); ++e) {
      widths.push_back(DigitWidths[digits[k] - '0'][e] - '0');
      widths.push_back(DigitWidths[digits[k + 1] - '0'][e] - '0');
    }
  widths.insert(widths.end(), Stop.begin(), Stop.end());
  return widths;
}

struct TCase {
  std::string_view ClassName;
  TDecodeWidths Decode;
  std::string Data;
  char Right, Wrong;  // check digits
};

}  // namespace

TEST(Interleaved, AWrongCheckDigitIsRefused) {
  const TCase cases[] = {
      {"TBarcode_ITF14", DecodeItf14, "1234567890123", '1', '2'},
      {"TBarcode_Leitcode", DecodeLeitcode, "1234567890123", '6', '7'},
      {"TBarcode_Identcode", DecodeIdentcode, "12345678901", '6', '7'},
      {"TBarcode_ITF6", DecodeItf6, "0123456", '5', '6'},  // a padding zero, six digits, their check digit
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.ClassName));
    const auto right = c.Decode(Symbol(c.Data + c.Right));
    ASSERT_TRUE(right);
    EXPECT_EQ(right->Text, c.Data + c.Right);
    EXPECT_FALSE(c.Decode(Symbol(c.Data + c.Wrong)));
    const auto plain = DecodeCode25Interleaved(Symbol(c.Data + c.Wrong));
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->Text, c.Data + c.Wrong);
  }
}

TEST(Interleaved, PaddingOnTheRightReadsOnlyAtTheEnd) {
  const auto padded = DecodeCode25Interleaved(Symbol("123:"));
  ASSERT_TRUE(padded);
  EXPECT_EQ(padded->Text, "123:");
  EXPECT_FALSE(DecodeCode25Interleaved(Symbol("1:23")));
  EXPECT_FALSE(DecodeItf6(Symbol("12345:")));
}
