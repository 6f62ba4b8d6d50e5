// KIX and RM4SCC, the four-state customer codes.
#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "symbologies/pKIX4S.h"
#include "symbologies/pRM4SCC.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

constexpr std::string_view Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// A character's four bars from its place in the six by six arrangement: the
// row picks the ascenders, the column the descenders, each one of the
// two-of-four choices 0011 0101 0110 1001 1010 1100.
std::string CharBars(std::size_t position) {
  const char* choices[] = {"0011", "0101", "0110", "1001", "1010", "1100"};
  const char* up = choices[position / 6];
  const char* down = choices[position % 6];
  std::string bars;
  for (int i = 0; i < 4; ++i) {
    const bool a = up[i] == '1', d = down[i] == '1';
    bars += a && d ? 'I' : a ? 'T' : d ? 'L' : 'H';
    bars += '0';
  }
  return bars;
}

}  // namespace

TEST(Kix, EveryCharacterFromItsRowAndColumn) {
  TBarcode_KIX4S bc(nullptr);
  for (std::size_t p = 0; p < Characters.size(); ++p) {
    const std::string text(1, Characters[p]);
    EXPECT_EQ(Encode(bc, text, true).Pattern, CharBars(p)) << text;
  }
  EXPECT_EQ(CharBars(0), "H0H0I0I0");
  EXPECT_EQ(CharBars(7), "H0I0H0I0");
  // No start, stop or check character: the characters side by side.
  const TEncoded e = Encode(bc, "2500GG30250", true);
  EXPECT_EQ(e.FullEncoded, "2500GG30250");
  std::string expected;
  for (const char c : e.FullEncoded) expected += CharBars(Characters.find(c));
  EXPECT_EQ(e.Pattern, expected);
}

TEST(Kix, EmptyTextDrawsNothing) {
  TBarcode_KIX4S bc(nullptr);
  EXPECT_EQ(Encode(bc, "", true).Pattern, "");
  TRecordingCanvas canvas;
  EXPECT_EQ(bc.DrawTo(canvas, 1, 0, 0, 40, 0), 0);
  EXPECT_TRUE(canvas.Polygons.empty());
}

TEST(Kix, LowerCaseAndSpacesAreInvalidInBothClasses) {
  TBarcode_KIX4S kix(nullptr);
  TBarcode_RM4SCC rm(nullptr);
  for (TBarcode* bc : {static_cast<TBarcode*>(&kix), static_cast<TBarcode*>(&rm)}) {
    EXPECT_EQ(bc->VerifyAllChars(std::string(Characters), true), 0);
    EXPECT_EQ(bc->VerifyAllChars("AB c", true), 3);
    EXPECT_EQ(bc->VerifyAllChars("ABc", true), 3);
    EXPECT_EQ(bc->VerifyAllChars("-", true), 1);
  }
}

TEST(Rm4scc, StartCheckCharacterAndStop) {
  TBarcode_RM4SCC bc(nullptr);
  const std::pair<const char*, const char*> cases[] = {
      {"SN34RD1A", "SN34RD1AK"},
      {"BX11LT1A", "BX11LT1AI"},
      // Row and column sums that are multiples of 6 stand for row and column 6.
      {"Z", "ZZ"},
      {"", "Z"},
      {"05", "056"},  // rows 1 + 1, columns 1 + 6: row 2, column 1
  };
  for (const auto& [text, full] : cases) EXPECT_EQ(Encode(bc, text, true).FullEncoded, full) << text;

  const TEncoded e = Encode(bc, "SN34RD1A", true);
  std::string expected = "T0";
  for (const char c : e.FullEncoded) expected += CharBars(Characters.find(c));
  EXPECT_EQ(e.Pattern, expected + "I");
  TBarcode_KIX4S kix(nullptr);
  EXPECT_EQ(Encode(bc, "SN34RD1A", false).Pattern, "T0" + Encode(kix, "SN34RD1A", true).Pattern + "I");
  EXPECT_EQ(Encode(bc, "SN34RD1A", false).FullEncoded, "SN34RD1A");
}
