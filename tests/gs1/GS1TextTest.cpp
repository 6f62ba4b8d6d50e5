// GS1 element strings: the encoded and human-readable texts of the GS1
// General Specifications' example element strings, one invalid string for
// each kind of error with its message, and a component set up from one.
#include <gtest/gtest.h>

#include "engine/SymbolTestSupport.h"
#include "gs1/pGS1.h"
#include "symbologies/pEAN128.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// The GS1 modulo-10 check digit of the digits before it: weights 3 and 1
// alternating from the rightmost of them.
char Mod10(std::string_view digits) {
  int sum = 0, weight = 3;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it, weight = 4 - weight) sum += (*it - '0') * weight;
  return static_cast<char>('0' + (10 - sum % 10) % 10);
}

// The FNC1 escape that TBarcode_EAN128 takes.
const std::string F = "\\1";

}  // namespace

TEST(GS1Text, ExampleKeysCarryTheirCheckDigits) {
  for (const std::string_view key : {"09501101530003", "95012345678903", "5412345678908", "106141411234567897"})
    EXPECT_EQ(Mod10(key.substr(0, key.size() - 1)), key.back()) << key;
}

// FNC1 follows a variable-length field unless it is the last; the
// predefined lengths of 00-03, 11-17, 20, 31nn-36nn and 410-417 never need one.
TEST(GS1Text, GeneralSpecificationsExamples) {
  const struct {
    std::string input, encoded;
  } cases[] = {
      {"(01)09501101530003(17)250101(10)ABC123", "01095011015300031725010110ABC123"},
      {"(01)09501101530003(10)ABC123(17)250101", "010950110153000310ABC123" + F + "17250101"},
      {"(01)95012345678903(3102)000400", "01950123456789033102000400"},
      {"(00)106141411234567897", "00106141411234567897"},
      {"(00)106141411234567897(02)95012345678903(37)20(10)LOT7",
       "0010614141123456789702950123456789033720" + F + "10LOT7"},
      {"(415)5412345678908(3911)710125(8020)1234", "41554123456789083911710125" + F + "80201234"},
      {"(01)09501101530003(15)251200", "010950110153000315251200"},  // day 00: whole month
      {"(01)09501101530003(21)12345(17)280229", "01095011015300032112345" + F + "17280229"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    for (const bool square : {false, true}) {
      std::string input = c.input;
      if (square)
        std::replace(input.begin(), input.end(), '(', '['), std::replace(input.begin(), input.end(), ')', ']');
      const TGS1Text text = ParseGS1(input);
      ASSERT_TRUE(text.Valid()) << text.Error;
      EXPECT_EQ(text.Encoded, c.encoded);
      EXPECT_EQ(text.HumanReadable, c.input);
    }
  }
}

TEST(GS1Text, EachErrorNamesTheElementAndWhatIsWrong) {
  const std::string gtin = "(01)09501101530003";
  const struct {
    std::string input, error;
  } cases[] = {
      {"0109501101530003", "an element string starts with '(' or '[' and an AI"},
      {"(01", "character 1: an AI in () was expected"},
      {"[01)09501101530003", "character 1: an AI in [] was expected"},
      {"(1A)12", "(1A) 12: an AI has 2 to 4 digits"},
      {gtin + "(23)12", "(23) 12: unknown AI"},
      {gtin + "(3106)000123", "(3106) 000123: decimal point position 6 is beyond 310n's 0 to 5"},
      {"(01)", "(01) : no data"},
      {"(01)123", "(01) 123: 3 characters, at least 14 expected"},
      {gtin + "(10)ABCDEFGHIJKLMNOPQRSTU", "(10) ABCDEFGHIJKLMNOPQRSTU: 21 characters, at most 20 allowed"},
      {"(01)0950110153000A", "(01) 0950110153000A: character 14 'A' is not a digit"},
      {gtin + "(10)AB~", "(10) AB~: character 3 '~' is not in the GS1 character set 82"},
      {"(8010)95012a", "(8010) 95012a: character 6 'a' is not in the GS1 character set 39"},
      {"(01)09501101530004", "(01) 09501101530004: check digit 4, expected 3"},
      {"(8013)A3V", "(8013) A3V: check characters 3V, expected 3U"},
      {gtin + "(17)251301", "(17) 251301: month 13 is not a month"},
      {gtin + "(17)250230", "(17) 250230: day 30 is not a day of month 02"},
      {gtin + "(7006)250200", "(7006) 250200: day 00 is not a day of month 02"},
      {gtin + "(7003)2501012460", "(7003) 2501012460: 24 is not an hour"},
      {"(17)250101", "(17) 250101: needs (01), (02), (03), (255), (8006) or (8026)"},
      {gtin + "(250)X", "(250) X: needs (01) with (21), (03) with (21) or (8006) with (21)"},
      {gtin + "(03)09501101530003", "(03) 09501101530003: cannot appear with (01)"},
      {gtin + "(10)A(10)B", "(10) B: (10) appears before with other data, A"},
      {gtin + "(10)ABCDEFGHIJKLMNOPQRST(21)12345678", "49 data characters; GS1-128 holds at most 48"},
      {"(415)5412345678908(8007)DE89370400440532013001(8020)1",
       "(8007) DE89370400440532013001: IBAN check digits 89 do not hold"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(ParseGS1(c.input).Error, c.error);
  }
}

// Parentheses are data in the square-bracket form and shown as they are.
TEST(GS1Text, SquareBracketsCarryParenthesesInData) {
  const TGS1Text text = ParseGS1("[01]09501101530003[10]L(80)[21]1");
  ASSERT_TRUE(text.Valid()) << text.Error;
  EXPECT_EQ(text.Encoded, "010950110153000310L(80)" + F + "211");
  EXPECT_EQ(text.HumanReadable, "(01)09501101530003(10)L(80)(21)1");
}

TEST(GS1Text, EveryAiOfTheTableIsFoundAndNoOther) {
  for (const TGS1Entry& entry : GS1Entries()) EXPECT_EQ(FindGS1Entry(entry.Ai), &entry) << entry.Ai;
  for (const char* ai : {"", "0", "04", "3106", "99999", "019"}) EXPECT_EQ(FindGS1Entry(ai), nullptr) << ai;
}

TEST(GS1Text, SetsUpTheComponentOrLeavesItAlone) {
  TBarcode_EAN128 bc(nullptr);
  bc.SetBarcode("12345");
  EXPECT_EQ(SetGS1Text(bc, "(01)09501101530004"), "(01) 09501101530004: check digit 4, expected 3");
  EXPECT_EQ(bc.Barcode(), "12345");
  EXPECT_TRUE(bc.AutoCheckDigit());

  EXPECT_EQ(SetGS1Text(bc, "(01)09501101530003(10)AB12(17)250101"), "");
  EXPECT_EQ(bc.Barcode(),
            "010950110153000310AB12\\1"
            "17250101");
  EXPECT_FALSE(bc.AutoCheckDigit());  // the element string carries its check digits
  EXPECT_EQ(bc.DisplayText(), dtBarcode);
  EXPECT_EQ(ShownText(bc, dtBarcode), "(01)09501101530003(10)AB12(17)250101");
  // FNC1 first, then the data with one FNC1 after the batch.
  const std::vector<int> values = PatternValues(Encode(bc, bc.Barcode(), false).Pattern);
  ASSERT_GE(values.size(), 3u);
  EXPECT_EQ(values[1], 102);
  EXPECT_EQ(std::count(values.begin() + 2, values.end() - 2, 102), 1);

  bc.SetBarcode("12345");  // another text is shown as it is
  EXPECT_EQ(ShownText(bc, dtBarcode), "12345");
}
