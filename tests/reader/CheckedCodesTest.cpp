// Plessey, MSI, Telepen, BC309, BC412 and Clocked 3 of 5 read a symbol
// whose check holds and refuse the same symbol with a wrong check
// character. The symbols are written out in the drawing alphabet, element
// by element, from the classes' own worked examples.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "reader/decoders/Industrial.h"
#include "reader/decoders/PlesseyMsi.h"
#include "reader/decoders/Telepen.h"

using namespace tessel;

namespace {

// The widths, first bar to last, of a row in the drawing alphabet: "0" to
// "3" spaces and "5" to "8" bars of a module, of Wide modules, one and a
// half and twice that; neighbours of one colour merge. Blanks part the
// pieces for the eye.
std::vector<double> WidthsOf(std::string_view row, int wide) {
  const int wideAndHalf = 3 * wide / 2;  // whole modules, rounded down as drawn
  const double widths[] = {1, static_cast<double>(wide), static_cast<double>(wideAndHalf),
                           static_cast<double>(2 * wide)};
  std::vector<double> elements;
  bool dark = false;
  for (const char c : row) {
    if (c == ' ') continue;
    const bool bar = c >= '5';
    const double width = widths[c - (bar ? '5' : '0')];
    if (elements.empty() && !bar) continue;  // the quiet zone
    if (!elements.empty() && bar == dark)
      elements.back() += width;
    else
      elements.push_back(width);
    dark = bar;
  }
  if (!dark && !elements.empty()) elements.pop_back();  // the quiet zone
  return elements;
}

struct TCheckCase {
  const char* Name;
  TDecodeWidths Decode;
  int Wide;
  std::string_view Row;
  std::string_view Text;  // empty when refused
};

void PrintTo(const TCheckCase& c, std::ostream* out) { *out << c.Name; }

// Plessey bits: a 1 is "71", a 0 "53"; the bidirectional end is "58", "35",
// "35", "17", "17". MSI bits: a 1 is "60", a 0 "51".
constexpr TCheckCase Cases[] = {
    {"Plessey 1 and its check 73", DecodePlessey, 2, "71715371 71535353 71717153 71715353 5835351717", "173"},
    {"Plessey 1 and a wrong check 74", DecodePlessey, 2, "71715371 71535353 71717153 53537153 5835351717", ""},
    {"MSI 1 and its check 8", DecodeMsi, 2, "60 51515160 60515151 515", "18"},
    {"MSI 1 and a wrong check 7", DecodeMsi, 2, "60 51515160 51606060 515", ""},
    {"MSI 6 and its modulo 11 check 10", DecodeMsi, 2, "60 51606051 51515160 51515151 515", "610"},
    {"Telepen A and its check >", DecodeTelepen, 3, "505050505061 50606061 515050505150 61505050505", "A>"},
    {"Telepen A without its check", DecodeTelepen, 3, "505050505061 50606061 61505050505", ""},
    {"BC309 1 and its check 9", DecodeBc309, 2, "5000 505005000 500005050 5050", "19"},
    {"BC309 1 and a wrong check 8", DecodeBc309, 2, "5000 505005000 500050050 5050", ""},
    {"BC412 A and its check Q", DecodeBc412, 2, "5000 505000500500 500050505000 5050", "AQ"},
    {"BC412 A and a wrong check P", DecodeBc412, 2, "5000 505000500500 500500005050 5050", ""},
    {"Clocked35 12 and its check 7", DecodeClocked35, 2, "01510151515 3 01015151515 3 01515151015", "127"},
    {"Clocked35 12 and a wrong check 8", DecodeClocked35, 2, "01510151515 3 01015151515 3 51015151015", ""},
};

class CheckedCodes : public testing::TestWithParam<TCheckCase> {};

}  // namespace

TEST_P(CheckedCodes, ReadWhenTheCheckHoldsAndRefusedOtherwise) {
  const TCheckCase& c = GetParam();
  const std::vector<double> widths = WidthsOf(c.Row, c.Wide);
  const auto decoded = c.Decode(widths);
  if (c.Text.empty()) {
    EXPECT_FALSE(decoded) << (decoded ? decoded->Text : std::string());
  } else {
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Text, c.Text);
    EXPECT_GT(decoded->Decodability, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Reader, CheckedCodes, testing::ValuesIn(Cases));
