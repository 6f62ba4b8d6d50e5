#include <gtest/gtest.h>

#include "engine/RecordingCanvas.h"
#include "engine/SymbolTestSupport.h"
#include "symbologies/pEAN128.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// True when the second-last value is the modulo-103 check of the others.
bool CheckValueHolds(const std::vector<int>& values) {
  long long sum = values[0];
  for (std::size_t k = 1; k + 2 < values.size(); ++k) sum += static_cast<long long>(k) * values[k];
  return sum % 103 == values[values.size() - 2];
}

}  // namespace

TEST(EAN128, CheckDigitOverAChosenRange) {
  const struct {
    std::string text;
    bool autoCheckDigit;
    int start, length;
    std::string full;
  } cases[] = {
      {"0012345678901234567", true, 3, 17, "00123456789012345675"},
      {"0012345678901234567", true, 1, 0, "00123456789012345675"},  // the two leading zeros weigh nothing
      {"12345", true, 1, 0, "123457"},
      {"12345", true, 2, 3, "123459"},  // over "234"
      {"12345", false, 3, 17, "12345"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TBarcode_EAN128 bc(nullptr);
    bc.SetCheckStart(c.start);
    bc.SetCheckLength(c.length);
    std::string full;
    const std::vector<int> values = PatternValues(bc.MakeData(c.text, c.autoCheckDigit, full));
    EXPECT_EQ(full, c.full);
    ASSERT_GE(values.size(), 4u);
    EXPECT_EQ(values[1], 102);             // FNC1 first
    EXPECT_TRUE(CheckValueHolds(values));  // the modulo-103 check is always there
  }
  TBarcode_EAN128 bc(nullptr);
  std::string full;
  EXPECT_EQ(PatternValues(bc.MakeData("0012345678901234567", true, full)),
            (std::vector<int>{105, 102, 0, 12, 34, 56, 78, 90, 12, 34, 56, 75, 42, 106}));
}

TEST(EAN128, FieldSeparatorInTheSubsetInForce) {
  TBarcode_EAN128 bc(nullptr);
  std::string full;
  const auto values =
      PatternValues(bc.MakeData("10AB\\1"
                                "2112",
                                false, full));
  EXPECT_EQ(values, (std::vector<int>{105, 102, 10, 100, 33, 34, 102, 99, 21, 12, values[values.size() - 2], 106}));
  EXPECT_TRUE(CheckValueHolds(values));
}

TEST(EAN128, LinkageCharacterByFinalSubset) {
  const struct {
    std::string text;
    TLink2D link;
    int linkage;
  } cases[] = {
      {"A\x01\x02", ldCCA, 100}, {"A\x01\x02", ldCCC, 99},  // ends in subset A
      {"ab", ldCCB, 99},         {"ab", ldCCC, 101},        // B
      {"1234", ldCCA, 101},      {"1234", ldCCC, 100},      // C
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TBarcode_EAN128 bc(nullptr);
    bc.SetAutoCheckDigit(false);
    std::string full;
    const std::vector<int> plain = PatternValues(bc.MakeData(c.text, false, full));
    bc.SetLink2D(c.link);
    const std::string pattern = bc.MakeData(c.text, false, full);
    EXPECT_EQ(pattern.find_first_not_of("abcdfghi"), std::string::npos);
    const std::vector<int> linked = PatternValues(pattern);
    ASSERT_EQ(linked.size(), plain.size() + 1);
    EXPECT_TRUE(std::equal(plain.begin(), plain.end() - 2, linked.begin()));
    EXPECT_EQ(linked[linked.size() - 3], c.linkage);
    EXPECT_TRUE(CheckValueHolds(linked));
    EXPECT_EQ(bc.CheckSum(), linked[linked.size() - 2]);
  }
}

TEST(EAN128, TrailingBackslashStaysInvalidWhateverTheCheckDigit) {
  TBarcode_EAN128 bc(nullptr);
  // "12\" gets the check digit 3, which must not complete the escape "\3";
  // the other texts get digits that form no escape.
  for (const std::string text : {"12\\", "3\\", "\\"}) {
    EXPECT_EQ(bc.VerifyAllChars(text, true), static_cast<int>(text.size())) << text;
    EXPECT_EQ(bc.VerifyAllChars(text, false), static_cast<int>(text.size())) << text;
  }
  EXPECT_EQ(bc.VerifyAllChars("1\\x2", true), 3);
  EXPECT_EQ(bc.VerifyAllChars("12\\\\", true), 0);
}

TEST(EAN128, PropertiesAndAssign) {
  TBarcode_EAN128 bc(nullptr);
  EXPECT_EQ(GetPropValue(bc, "CheckStart"), "1");
  EXPECT_EQ(GetPropValue(bc, "Link2D"), "ldNone");
  SetPropValue(bc, "CheckLength", "13");
  std::unique_ptr<TComponent> created(CreateComponent("TBarcode_EAN128", nullptr));
  ASSERT_NE(dynamic_cast<TBarcode_EAN128*>(created.get()), nullptr);

  int changes = 0;
  bc.OnChange = [&](TObject*) { ++changes; };
  bc.SetLink2D(ldCCA);
  bc.SetLink2D(ldCCA);
  EXPECT_EQ(changes, 1);

  TBarcode_EAN128 copy(nullptr);
  copy.Assign(&bc);
  EXPECT_EQ(copy.CheckLength(), 13);
  EXPECT_EQ(copy.Link2D(), ldCCA);
  TBarcode_Code128 code128(nullptr);
  code128.SetInitialSubSet(cssSubSetB);
  copy.Assign(&code128);  // another class: nothing is copied
  EXPECT_EQ(copy.InitialSubSet(), cssSubAuto);
}

TEST(EAN128, TextsThatSkipValidationAreHarmless) {
  // GetFullEncoded runs the encoder without validation.
  for (int start : {-5, 4, 1000}) {
    TBarcode_EAN128 bc(nullptr);
    bc.SetCheckStart(start);
    bc.SetCheckLength(start);
    bc.SetLink2D(ldCCB);
    for (const std::string text : {"", "\\", "A\\x", "\xDC\\"}) {
      bc.SetBarcode(text);
      EXPECT_EQ(bc.GetFullEncoded().substr(0, text.size()), text);
    }
  }
}
