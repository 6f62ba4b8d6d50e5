#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Image.h"
#include "platform/Reflection.h"
#include "symbologies/pCode32.h"
#include "symbologies/pCode39.h"
#include "symbologies/pCode39Ext.h"
#include "symbologies/pPZN.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

constexpr std::string_view Start = "515060605";  // '*'
constexpr std::string_view PatternA = "605051506";

// The Code 39 pattern of characters of the data set, without check character.
constexpr auto PlainCode39 = PlainPattern<TBarcode_Code39>;

}  // namespace

TEST(Code39, PatternsOfSingleCharacterAndEmptyText) {
  TBarcode_Code39 bc(nullptr);
  EXPECT_EQ(Encode(bc, "A", false).Pattern, "51506060506050515060515060605");
  EXPECT_EQ(Encode(bc, "", false).Pattern, "5150606050515060605");

  const TEncoded checked = Encode(bc, "A", true);
  EXPECT_EQ(checked.FullEncoded, "AA");
  EXPECT_EQ(checked.Pattern,
            std::string(Start) + "0" + std::string(PatternA) + "0" + std::string(PatternA) + "0" + std::string(Start));
}

TEST(Code39, InterGapWidensOnlyTheSpacesBetweenCharacters) {
  TBarcode_Code39 bc(nullptr);
  bc.SetInterGap(true);
  EXPECT_EQ(Encode(bc, "A", false).Pattern,
            std::string(Start) + "2" + std::string(PatternA) + "2" + std::string(Start));
  // Every character is 12 modules at ratio 2; a W3 gap is 3 modules, a narrow one 1.
  EXPECT_EQ(GetLinesWidth(Encode(bc, "AB", false).Pattern, 1, 2.0), 4 * 12 + 3 * 3);
  bc.SetInterGap(false);
  EXPECT_EQ(GetLinesWidth(Encode(bc, "AB", false).Pattern, 1, 2.0), 4 * 12 + 3 * 1);
}

TEST(Code39, CheckCharacterIsTheSumOfValuesModulo43) {
  TBarcode_Code39 bc(nullptr);
  struct {
    const char* text;
    const char* full;
  } cases[] = {
      {"", "0"},
      {"Z%", "Z%Y"},          // 35 + 42 = 77 = 43 + 34
      {"CODE39", "CODE39W"},  // 12 + 24 + 13 + 14 + 3 + 9 = 75 = 43 + 32
      {"%%%%", "%%%%$"},      // 4 x 42 = 168 = 3 x 43 + 39
  };
  for (const auto& c : cases) EXPECT_EQ(bc.AppendCheckDigit(c.text), c.full) << c.text;
}

TEST(Code39, RejectsCharactersOutsideTheDataSet) {
  TBarcode_Code39 bc(nullptr);
  EXPECT_EQ(bc.VerifyAllChars("AB-. $/+%", false), 0);
  EXPECT_EQ(bc.VerifyAllChars("ABa", false), 3);
  EXPECT_EQ(bc.VerifyAllChars("A*", false), 2);
  EXPECT_EQ(bc.VerifyAllChars("A\xE4", false), 2);

  TBarcode_Code39Ext ext(nullptr);
  EXPECT_EQ(ext.VerifyAllChars(std::string("a*~\x7F\0", 5), false), 0);
  EXPECT_EQ(ext.VerifyAllChars("ab\xC3\xA4", false), 3);
}

TEST(Code39, InvalidCharacterIsReportedWithItsPositionAndNothingIsDrawn) {
  TImage image(nullptr);
  image.SetBounds(300, 60);
  TBarcode_Code39 bc(nullptr);
  int index = 0;
  char reported = 0;
  bc.OnInvalidChar = [&](TObject*, int i, char c) {
    index = i;
    reported = c;
  };
  bc.SetImage(&image);
  bc.SetBarcode("AbC");
  EXPECT_EQ(index, 2);
  EXPECT_EQ(reported, 'b');
  auto& canvas = static_cast<TRecordingCanvas&>(image.Picture().Bitmap()->Canvas());
  EXPECT_TRUE(canvas.RowRuns(10).empty());
}

TEST(Code39Ext, ExpandsThroughTheFullAsciiTable) {
  TBarcode_Code39Ext ext(nullptr);
  const TEncoded lower = Encode(ext, "a", true);
  EXPECT_EQ(lower.FullEncoded, "a8");  // check over "+A": 41 + 10 = 51 = 43 + 8
  EXPECT_EQ(lower.Pattern, PlainCode39("+A8"));

  struct {
    std::string text, expansion;
  } cases[] = {
      {std::string(1, '\0'), "%U"},
      {"\x01", "$A"},
      {" ", " "},
      {"!", "/A"},
      {"*", "/J"},
      {"-.", "-."},
      {"/", "/O"},
      {":", "/Z"},
      {"@", "%V"},
      {"Z", "Z"},
      {"`", "%W"},
      {"z", "+Z"},
      {"{", "%P"},
      {"\x7F", "%T"},
      {"a1$", "+A1/D"},
  };
  for (const auto& c : cases) {
    const TEncoded e = Encode(ext, c.text, false);
    EXPECT_EQ(e.Pattern, PlainCode39(c.expansion)) << c.expansion;
    EXPECT_EQ(e.FullEncoded, c.text);
  }
}

TEST(Code32, NumberCheckDigitAndBase32Characters) {
  TBarcode_Code32 bc(nullptr);
  struct {
    std::string text;
    bool check;
    std::string full, base32;
  } cases[] = {
      {"12345678", true, "123456788", "3PRM8N"},   {"00000009", true, "000000099", "000033"},
      {"1", true, "000000012", "00000D"},          {"", true, "000000000", "000000"},
      {"999999999", false, "999999999", "XTPLHZ"}, {"12", false, "000000012", "00000D"},
  };
  for (const auto& c : cases) {
    const TEncoded e = Encode(bc, c.text, c.check);
    EXPECT_EQ(e.FullEncoded, c.full) << c.text;
    EXPECT_EQ(e.Pattern, PlainCode39(c.base32)) << c.text;
  }
  EXPECT_EQ(bc.AppendSubCheckDigit("12345678", true), "123456788");
}

TEST(Code32, LengthLimitDependsOnTheCheckDigit) {
  TBarcode_Code32 bc(nullptr);
  EXPECT_TRUE(bc.VerifyLength("12345678", true));
  EXPECT_FALSE(bc.VerifyLength("123456789", true));
  EXPECT_TRUE(bc.VerifyLength("123456789", false));
  EXPECT_FALSE(bc.VerifyLength("1234567890", false));
  EXPECT_EQ(bc.VerifyAllChars("1234A", true), 5);

  TRecordingCanvas canvas;
  bc.SetBarcode("123456789");
  EXPECT_EQ(bc.DrawTo(canvas, 1, 0, 0, 40, 0), ecInvalidLength);
  bc.SetBarcode("1234567a9");  // too long and invalid: the length wins
  EXPECT_EQ(bc.DrawTo(canvas, 1, 0, 0, 40, 0), ecInvalidLength);
}

TEST(PZN, CheckCharacterWeights2To7) {
  TBarcode_PZN bc(nullptr);
  struct {
    std::string text;
    bool check;
    std::string full;
  } cases[] = {
      {"123456", true, "-1234562"}, {"3", true, "-000003+"},  // 3 x 7 = 21: remainder 10
      {"", true, "-0000000"},       {"1234567", false, "-1234567"}, {"12", false, "-0000012"},
  };
  for (const auto& c : cases) {
    const TEncoded e = Encode(bc, c.text, c.check);
    EXPECT_EQ(e.FullEncoded, c.full) << c.text;
    EXPECT_EQ(e.Pattern, PlainCode39(c.full)) << c.text;  // never a Code 39 check character
  }
  EXPECT_FALSE(bc.VerifyLength("1234567", true));
  EXPECT_TRUE(bc.VerifyLength("1234567", false));
  EXPECT_FALSE(bc.VerifyLength("12345678", false));
  EXPECT_EQ(bc.VerifyAllChars("12-", true), 3);
}

TEST(Code39, ShownTextAndGuards) {
  TBarcode_Code39 bc(nullptr);
  bc.SetBarcode("AB");
  EXPECT_EQ(ShownText(bc, dtBarcode), "AB");
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "ABL");  // 10 + 11 = 21
  EXPECT_EQ(ShownText(bc, dtNone), "");
  bc.SetShowGuards(true);
  EXPECT_EQ(ShownText(bc, dtBarcode), "*AB*");
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "*ABL*");

  // The guards widen the text, and so the centred text starts further left.
  TRecordingCanvas canvas(800, 200);
  bc.DrawTo(canvas, 1, 0, 0, 60, 0);
  const int guarded = canvas.Texts.back().At.X;
  bc.SetShowGuards(false);
  bc.DrawTo(canvas, 1, 0, 0, 60, 0);
  EXPECT_LT(guarded, canvas.Texts.back().At.X);

  TBarcode_Code39Ext ext(nullptr);
  ext.SetBarcode("a");
  ext.SetShowGuards(true);
  EXPECT_EQ(ShownText(ext, dtFullEncoded), "*a8*");  // the expansion is never shown
}

TEST(Code32, PrintedTextCarriesThePrefixA) {
  TBarcode_Code32 bc(nullptr);
  EXPECT_EQ(bc.DisplayText(), dtFullEncoded);
  bc.SetBarcode("12345678");
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "A123456788");
  EXPECT_EQ(ShownText(bc, dtBarcode), "A012345678");
  bc.SetShowGuards(true);
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "*A123456788*");
  EXPECT_EQ(GetPropValue(bc, "DisplayText"), "dtFullEncoded");
}

TEST(PZN, PrintedTextCarriesThePrefixPZN) {
  TBarcode_PZN bc(nullptr);
  EXPECT_EQ(bc.DisplayText(), dtFullEncoded);
  bc.SetBarcode("123456");
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "PZN-1234562");
  EXPECT_EQ(ShownText(bc, dtBarcode), "PZN00123456");
  bc.SetShowGuards(true);
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "*PZN-1234562*");
}
