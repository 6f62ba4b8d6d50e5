// One- and two-track Pharmacode compared module by module with the
// independent encoder zint over many values.
#include <gtest/gtest.h>
#include <zint.h>

#include <random>

#include "SymbolTestSupport.h"
#include "ZintSymbol.h"
#include "symbologies/pPharmacodeOneTrack.h"
#include "symbologies/pPharmacodeTwoTrack.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// Values zint accepts: it draws at least two bars (one track from 3, two
// tracks from 4), where this library also draws the single bars of 1 and 2
// (and 3 on two tracks).
std::vector<std::uint32_t> SomeValues(std::uint32_t low, std::uint32_t high) {
  std::vector<std::uint32_t> values = {low, low + 1, high - 1, high};
  std::mt19937 random(20261208);
  std::uniform_int_distribution<std::uint32_t> pick(low, high);
  for (int i = 0; i < 300; ++i) values.push_back(pick(random));
  return values;
}

// A two-track pattern as zint's two rows: the upper track (full and upper
// bars) and the lower track (full and lower bars); every element is one
// module wide.
std::vector<std::string> TwoTrackRows(const std::string& pattern) {
  std::vector<std::string> rows(2);
  for (char c : pattern) {
    rows[0] += c == '5' || c == '4' ? '1' : '0';
    rows[1] += c == '5' || c == '9' ? '1' : '0';
  }
  return rows;
}

}  // namespace

TEST(PharmacodeZint, OneTrackAgreesModuleByModule) {
  TBarcode_PharmacodeOneTrack bc(nullptr);
  for (const std::uint32_t value : SomeValues(3, 131070)) {
    const std::string text = std::to_string(value);
    SCOPED_TRACE(text);
    const TZintSymbol zint = ZintEncode(BARCODE_PHARMA, text);
    ASSERT_EQ(zint.Error, 0);
    ASSERT_EQ(zint.Rows.size(), 1u);
    EXPECT_EQ(Modules(Encode(bc, text, false).Pattern), zint.Rows[0]);
  }
}

TEST(PharmacodeZint, TwoTrackAgreesModuleByModule) {
  TBarcode_PharmacodeTwoTrack bc(nullptr);
  for (const std::uint32_t value : SomeValues(4, 64570080)) {
    const std::string text = std::to_string(value);
    SCOPED_TRACE(text);
    const TZintSymbol zint = ZintEncode(BARCODE_PHARMA_TWO, text);
    ASSERT_EQ(zint.Error, 0);
    EXPECT_EQ(TwoTrackRows(Encode(bc, text, false).Pattern), zint.Rows);
  }
}
