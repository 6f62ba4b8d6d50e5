// Australia Post symbols compared bar by bar with the independent encoder
// zint on random delivery point identifiers and customer information.
#include <gtest/gtest.h>
#include <zint.h>

#include <random>

#include "FourStateBars.h"
#include "SymbolTestSupport.h"
#include "ZintSymbol.h"
#include "symbologies/pAP4SC.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// zint's three rows (ascender part, tracker, descender part), one column per
// bar and per gap, as bar values.
std::string ZintBars(const TZintSymbol& symbol) {
  if (symbol.Rows.size() != 3) return "?";
  std::string bars;
  for (std::size_t x = 0; x < symbol.Rows[1].size(); x += 2) {
    const bool up = symbol.Rows[0][x] == '1', down = symbol.Rows[2][x] == '1';
    bars += up && down ? '0' : up ? '1' : down ? '2' : '3';
  }
  return bars;
}

struct TZintCase {
  int symbology;
  const char* fcc;
  std::size_t infoLength;  // customer information characters
  bool numeric;
};

}  // namespace

TEST(AustraliaPostZint, RandomSymbolsAgreeBarByBar) {
  // zint chooses the FCC from the symbology and the length of the text.
  const TZintCase cases[] = {
      {BARCODE_AUSPOST, "11", 0, false},     {BARCODE_AUSREPLY, "45", 0, false}, {BARCODE_AUSROUTE, "87", 0, false},
      {BARCODE_AUSREDIRECT, "92", 0, false}, {BARCODE_AUSPOST, "59", 5, false},  {BARCODE_AUSPOST, "59", 8, true},
      {BARCODE_AUSPOST, "62", 10, false},    {BARCODE_AUSPOST, "62", 15, true},
  };
  const std::string digits = "0123456789";
  const std::string characters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz #";
  std::mt19937 random(20261208);
  const auto pick = [&](const std::string& from, std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) s += from[random() % from.size()];
    return s;
  };
  int compared = 0;
  for (const TZintCase& c : cases) {
    TBarcode_AP4SC bc(nullptr);
    bc.SetNumCustomerInfo(c.numeric);
    for (int round = 0; round < 40; ++round) {
      const std::string data = pick(digits, 8) + pick(c.numeric ? digits : characters, c.infoLength);
      SCOPED_TRACE(std::string(c.fcc) + data);
      const TZintSymbol zint = ZintEncode(c.symbology, data);
      ASSERT_LT(zint.Error, ZINT_ERROR);
      EXPECT_EQ(FourStateBars(Encode(bc, c.fcc + data, true).Pattern), ZintBars(zint));
      ++compared;
    }
  }
  EXPECT_EQ(compared, 320);
}
