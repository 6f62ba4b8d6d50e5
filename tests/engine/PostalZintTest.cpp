// The postal symbologies compared bar by bar with the independent encoder
// zint on random texts. Only the bar kinds and their order are compared:
// zint draws one-module spaces where POSTNET and PLANET use wide ones.
#include <gtest/gtest.h>
#include <zint.h>

#include <random>

#include "SymbolTestSupport.h"
#include "ZintSymbol.h"
#include "symbologies/pFIM.h"
#include "symbologies/pKIX4S.h"
#include "symbologies/pOneCode.h"
#include "symbologies/pPLANET.h"
#include "symbologies/pPostNet.h"
#include "symbologies/pRM4SCC.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// The bars of a pattern, spaces left out: 'F' full, 'S' short (half), and
// the four-state kinds 'I' full, 'T' ascender, 'L' descender, 'H' tracker.
std::string PatternBars(const std::string& pattern) {
  std::string bars;
  for (const char c : pattern) {
    if (c == '5')
      bars += 'F';
    else if (c == 'A')
      bars += 'S';
    else if (c == 'I' || c == 'T' || c == 'L' || c == 'H')
      bars += c;
  }
  return bars;
}

// zint's bars in the same letters: two rows (tall part, full height) for the
// height-modulated codes, three (ascender, tracker, descender) for the
// four-state ones; every bar is one column wide.
std::string ZintBars(const TZintSymbol& symbol) {
  std::string bars;
  const auto& rows = symbol.Rows;
  const std::string& body = rows[1];  // every bar reaches the body row
  for (std::size_t x = 0; x < body.size(); ++x) {
    if (body[x] != '1') continue;
    if (rows.size() == 2) {
      bars += rows[0][x] == '1' ? 'F' : 'S';
    } else {
      const bool up = rows[0][x] == '1', down = rows[2][x] == '1';
      bars += up && down ? 'I' : up ? 'T' : down ? 'L' : 'H';
    }
  }
  return bars;
}

std::string RandomText(std::mt19937& random, std::string_view alphabet, std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
  return text;
}

constexpr std::string_view Digits = "0123456789";
constexpr int Rounds = 300;

void ExpectSameBars(int symbology, TBarcode& bc, const std::string& text, const std::string& zintText,
                    std::size_t rows) {
  SCOPED_TRACE(text);
  const TZintSymbol zint = ZintEncode(symbology, zintText);
  ASSERT_LT(zint.Error, ZINT_ERROR);
  ASSERT_EQ(zint.Rows.size(), rows);
  EXPECT_EQ(PatternBars(Encode(bc, text, bc.AutoCheckDigit()).Pattern), ZintBars(zint));
}

}  // namespace

TEST(PostalZint, PostNetAndPlanetWithCheckDigit) {
  std::mt19937 random(40);
  TBarcode_PostNet postnet(nullptr);
  TBarcode_PLANET planet(nullptr);
  const std::size_t lengths[] = {5, 9, 11, 1, 13, 20};
  for (int i = 0; i < Rounds; ++i) {
    const std::string text = RandomText(random, Digits, lengths[i % std::size(lengths)]);
    ExpectSameBars(BARCODE_POSTNET, postnet, text, text, 2);
    ExpectSameBars(BARCODE_PLANET, planet, text, text, 2);
  }
}

TEST(PostalZint, FimMarksModuleByModule) {
  TBarcode_FIM bc(nullptr);
  for (const char* type : {"A", "B", "C", "D"}) {
    const TZintSymbol zint = ZintEncode(BARCODE_FIM, type);
    ASSERT_EQ(zint.Error, 0);
    ASSERT_EQ(zint.Rows.size(), 1u);
    EXPECT_EQ(Modules(Encode(bc, type, true).Pattern), zint.Rows[0]) << type;
  }
}

TEST(PostalZint, KixAndRm4scc) {
  std::mt19937 random(90);
  constexpr std::string_view alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  TBarcode_KIX4S kix(nullptr);
  TBarcode_RM4SCC rm(nullptr);
  for (int i = 0; i < Rounds; ++i) {
    const std::string text = RandomText(random, alphabet, 1 + random() % 18);
    ExpectSameBars(BARCODE_KIX, kix, text, text, 3);
    ExpectSameBars(BARCODE_RM4SCC, rm, text, text, 3);
  }
}

// The encoder itself, on any tracking code zint accepts (second digit 0 to
// 4) with routing codes of 0, 5, 9 and 11 digits.
TEST(PostalZint, OneCode) {
  std::mt19937 random(85);
  TBarcode_OneCode bc(nullptr);
  const std::size_t routingLengths[] = {0, 5, 9, 11};
  for (int i = 0; i < Rounds; ++i) {
    std::string tracking = RandomText(random, Digits, 20);
    tracking[1] = static_cast<char>('0' + random() % 5);
    const std::string routing = RandomText(random, Digits, routingLengths[i % 4]);
    ExpectSameBars(BARCODE_USPS_IMAIL, bc, tracking + routing, std::string(tracking).append("-").append(routing), 3);
  }
}
