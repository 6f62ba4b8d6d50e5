#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string_view>

#include "SymbolTestSupport.h"
#include "platform/Reflection.h"
#include "symbologies/pCPCBin.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

int ErrorOf(TBarcode& bc, const std::string& text) { return VerifyBarcode(text, bc.BuildBarcodeDefineExtra(false, 0)); }

// The 28-bit value a pattern carries: 28 positions of a bar ("51") or none
// ("01") before the closing bar "5", after the leading bar when there is one.
std::uint32_t ValueOf(const std::string& pattern) {
  const std::string bits = pattern.substr(pattern.size() - 57, 56);
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < bits.size(); i += 2) value = value << 1 | (bits.substr(i, 2) == "51");
  return value;
}

}  // namespace

TEST(CpcBinary, KnownPostalCode) {
  TBarcode_CPCBin bc(nullptr);
  // K1A0B1: pairs K1 = 32 and B1 = C2, A = 7, 0 = A: 3207AC2, eleven 1 bits,
  // so a leading bar makes the count even.
  const TEncoded e = Encode(bc, "K1A0B1", true);
  // Nibble by nibble, a bar "51" for a 1 bit and "01" for a 0 bit.
  const std::string nibbles[] = {"01015151", "01015101", "01010101", "01515151", "51015101", "51510101", "01015101"};
  std::string bits;
  for (const std::string& nibble : nibbles) bits += nibble;
  EXPECT_EQ(e.Pattern, "51" + bits + "5");
  EXPECT_EQ(e.FullEncoded, "K1A0B1");
}

TEST(CpcBinary, PairAndLetterValues) {
  struct {
    const char* text;
    std::uint32_t value;
  } cases[] = {
      {"K1A0B1", 0x3207AC2},
      {"X9A0B1", 0x8407AC2},  // X9 is always 84
      {"X0A0B1", 0x1107AC2},  // X with digit n: 1, 4, 12 at n / 3 and n % 3
      {"X5A0B1", 0x4C07AC2},
      {"V1A0B1", 0x1207AC2},  // V (17) keeps its low nibble
      {"A0Z9Y8", 0x7A1AEED},  // Z as the middle letter: its value 26 (1A)
      // N, P, T, W, Z: the digit's value above 0, 12, 4, 8, 15
      {"K1A0N1", 0x3207A20},
      {"K1A0P1", 0x3207A2C},
      {"T8A0B1", 0xD407AC2},
      {"W9A0B1", 0xE807AC2},
      {"Z3A0B1", 0x3F07AC2},
  };
  TBarcode_CPCBin bc(nullptr);
  for (const auto& c : cases) {
    const std::string pattern = Encode(bc, c.text, true).Pattern;
    EXPECT_EQ(ValueOf(pattern), c.value) << c.text;
    const std::size_t bars = std::count(pattern.begin(), pattern.end(), '5');
    EXPECT_EQ(bars % 2, 1u) << c.text;  // an even count besides the closing bar
    EXPECT_EQ(pattern.size(), std::popcount(c.value) % 2 ? 59u : 57u) << c.text;
  }
}

TEST(CpcBinary, EveryLetterAndDigitMakeAPairOfTheirOwn) {
  TBarcode_CPCBin bc(nullptr);
  std::set<std::uint32_t> pairs;
  for (const char letter : std::string_view("ABCEGHJKLMNPRSTVWXYZ"))
    for (char digit = '0'; digit <= '9'; ++digit)
      pairs.insert(ValueOf(Encode(bc, std::string{'K', '1', 'A', '0', letter, digit}, true).Pattern) & 0xFF);
  EXPECT_EQ(pairs.size(), 200u);
}

TEST(CpcBinary, Validation) {
  struct {
    const char* text;
    int error;
  } cases[] = {
      {"K1A0B1", ecValid},
      {"K1A0B", ecInvalidLength},
      {"K1A0B1C", ecInvalidLength},
      {"", ecInvalidLength},
      {"k1A0B1", 1},
      {"D1A0B1", 1},
      {"K1F0B1", 3},
      {"K1A0I1", 5},
      {"O1A0B1", 1},
      {"Q1A0B1", 1},
      {"U1A0B1", 1},
      {"KAA0B1", 2},
      {"K1A0B ", 6},
  };
  TBarcode_CPCBin bc(nullptr);
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(bc, c.text), c.error) << c.text;
  EXPECT_EQ(Encode(bc, "K1A0B", true).Pattern, "");
}

TEST(CpcBinary, LightBarColourByDefault) {
  TBarcode_CPCBin bc(nullptr);
  EXPECT_EQ(bc.BarColor(), 12636415u);
  EXPECT_EQ(GetPropValue(bc, "BarColor"), "12636415");
  bc.SetBarColor(clBlack);
  EXPECT_EQ(bc.BarColor(), clBlack);
  const std::vector<const TPropInfo*> props = PublishedProperties(bc.ClassType());
  EXPECT_EQ(std::count_if(props.begin(), props.end(), [](const TPropInfo* p) { return p->Name == "BarColor"; }), 1);
  for (const char* name : {"Barcode", "Ratio", "TextHSpacing"}) EXPECT_NE(FindProperty(bc.ClassType(), name), nullptr);
  EXPECT_EQ(FindProperty(bc.ClassType(), "AutoCheckDigit"), nullptr);
}
