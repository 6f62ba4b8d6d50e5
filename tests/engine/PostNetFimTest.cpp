// POSTNET, PLANET and the Facing Identification Marks.
#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Image.h"
#include "platform/Reflection.h"
#include "symbologies/pFIM.h"
#include "symbologies/pPLANET.h"
#include "symbologies/pPostNet.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// A digit's five bars as the standard defines them: two tall bars whose
// weights 7 4 2 1 0 add up to the digit (0 as 7 + 4); POSTNET draws those
// two tall ('5') and the rest half ('A'), PLANET the other way round. Every
// bar is followed by a wide space.
std::string DigitBars(int digit, bool planet) {
  const int weights[] = {7, 4, 2, 1, 0};
  const int value = digit == 0 ? 11 : digit;
  std::string bars;
  for (int i = 0; i < 5; ++i) {
    bool tall = false;
    for (int j = 0; j < 5; ++j)
      if (j != i && weights[i] + weights[j] == value) tall = true;
    bars += (tall != planet) ? "51" : "A1";
  }
  return bars;
}

}  // namespace

TEST(PostNet, DigitsBetweenFrameBarsInBothTables) {
  TBarcode_PostNet postnet(nullptr);
  TBarcode_PLANET planet(nullptr);
  for (int digit = 0; digit <= 9; ++digit) {
    const std::string text(1, static_cast<char>('0' + digit));
    EXPECT_EQ(Encode(postnet, text, false).Pattern, "51" + DigitBars(digit, false) + "5") << digit;
    EXPECT_EQ(Encode(planet, text, false).Pattern, "51" + DigitBars(digit, true) + "5") << digit;
  }
  EXPECT_EQ(Encode(postnet, "", false).Pattern, "515");
}

TEST(PostNet, CheckDigitCompletesTheDigitSumToATen) {
  TBarcode_PostNet postnet(nullptr);
  const TEncoded e = Encode(postnet, "12345", true);
  EXPECT_EQ(e.FullEncoded, "123455");
  EXPECT_EQ(e.Pattern.substr(0, 12), "51A1A1A15151");
  EXPECT_EQ(e.Pattern, "51" + DigitBars(1, false) + DigitBars(2, false) + DigitBars(3, false) + DigitBars(4, false) +
                           DigitBars(5, false) + DigitBars(5, false) + "5");
  EXPECT_EQ(Encode(postnet, "55", true).FullEncoded, "550");
  EXPECT_EQ(Encode(postnet, "", true).FullEncoded, "0");

  // PLANET uses the same check digit; without it any number of digits is
  // encoded as typed.
  TBarcode_PLANET planet(nullptr);
  EXPECT_EQ(Encode(planet, "1234567890123", true).FullEncoded, "12345678901239");  // sum 51
  for (const char* text : {"", "7", "12345678901", "0000000000000000000000"}) {
    const TEncoded plain = Encode(planet, text, false);
    EXPECT_EQ(plain.FullEncoded, text);
    EXPECT_EQ(plain.Pattern.size(), 3 + 10 * std::string(text).size());
  }
}

TEST(PostNet, NonDigitsAreReportedWithTheirPosition) {
  TImage image(nullptr);
  image.SetBounds(400, 60);
  for (const bool planet : {false, true}) {
    TBarcode_PostNet postnet(nullptr);
    TBarcode_PLANET planetCode(nullptr);
    TBarcode& bc = planet ? static_cast<TBarcode&>(planetCode) : postnet;
    std::vector<std::pair<int, char>> reports;
    bc.OnInvalidChar = [&](TObject*, int index, char c) { reports.emplace_back(index, c); };
    bc.SetImage(&image);
    bc.SetBarcode("12A45");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], std::make_pair(3, 'A'));
    EXPECT_EQ(bc.VerifyAllChars("1234 ", true), 5);
    EXPECT_EQ(bc.VerifyAllChars("-1", true), 1);
  }
}

TEST(PostNet, RatioWidensOnlyTheSpaces) {
  TBarcode_PostNet bc(nullptr);
  bc.SetBarcode("1");
  bc.SetAutoCheckDigit(false);
  for (const double ratio : {2.0, 3.0, 1.0}) {
    bc.SetRatio(ratio);
    TRecordingCanvas canvas(300, 60);
    ASSERT_EQ(bc.DrawTo(canvas, 2, 0, 0, 40, 0), 0);
    // Frame bar, five digit bars, frame bar: each two pixels wide, the
    // spaces 2 x ratio.
    const std::vector<int> runs = canvas.RowRuns(39);
    ASSERT_EQ(runs.size(), 13u) << ratio;
    for (std::size_t i = 0; i < runs.size(); ++i)
      EXPECT_EQ(runs[i], i % 2 == 0 ? 2 : static_cast<int>(2 * ratio)) << ratio << " run " << i;
  }
}

TEST(Fim, MarksAToDOnTheOddModulesOnly) {
  // The nine-position marks as the standard prints them.
  const std::pair<const char*, const char*> marks[] = {
      {"A", "110010011"}, {"B", "101101101"}, {"C", "110101011"}, {"D", "111010111"}};
  TBarcode_FIM bc(nullptr);
  for (const auto& [type, mark] : marks) {
    const TEncoded e = Encode(bc, type, true);
    EXPECT_EQ(e.FullEncoded, type);
    std::string expected;
    for (const char* p = mark; *p; ++p) expected += std::string(1, *p) + "0";
    expected.pop_back();
    EXPECT_EQ(Modules(e.Pattern), expected) << type;
  }
  // Only the first character counts; anything else draws nothing.
  EXPECT_EQ(Encode(bc, "CX", true).Pattern, Encode(bc, "C", true).Pattern);
  EXPECT_EQ(Encode(bc, "CX", true).FullEncoded, "C");
  for (const char* none : {"E", "", "a", "1A"}) {
    const TEncoded e = Encode(bc, none, true);
    EXPECT_EQ(e.Pattern, "") << none;
    EXPECT_EQ(e.FullEncoded, "") << none;
  }
}

TEST(Fim, TypeIsTheFirstCharacterOfTheText) {
  TBarcode_FIM bc(nullptr);
  EXPECT_EQ(bc.GetFIMType(), "E");
  EXPECT_EQ(bc.Barcode(), "E");
  int changes = 0;
  bc.OnChange = [&](TObject*) { ++changes; };
  bc.SetFIMType("CX");
  EXPECT_EQ(bc.Barcode(), "CX");
  EXPECT_EQ(bc.GetFIMType(), "C");
  EXPECT_EQ(GetPropValue(bc, "FIMType"), "C");
  EXPECT_EQ(changes, 1);

  TRecordingCanvas canvas(100, 60);
  ASSERT_EQ(bc.DrawTo(canvas, 1, 0, 0, 40, 0), 0);
  EXPECT_EQ(canvas.RowRuns(20), (std::vector<int>{1, 1, 1, 3, 1, 3, 1, 3, 1, 1, 1}));

  for (const char* none : {"", "E"}) {
    SetPropValue(bc, "FIMType", none);
    EXPECT_EQ(bc.GetFIMType(), "E");
    TRecordingCanvas empty(100, 60);
    EXPECT_EQ(bc.DrawTo(empty, 1, 0, 0, 40, 0), 0);
    EXPECT_TRUE(empty.Polygons.empty()) << none;
  }
}

TEST(Postal, PublishedPropertiesInOrderWithDefaults) {
  struct TCase {
    const char* Class;
    const char* Parent;
    std::vector<std::string> Own;
    std::vector<std::pair<const char*, const char*>> Defaults;
  };
  const TCase cases[] = {
      {"TBarcode_PostNet", "TBarcode", {"Barcode", "Ratio", "AutoCheckDigit"}, {{"AutoCheckDigit", "True"}}},
      {"TBarcode_PLANET", "TBarcode", {"Barcode", "Ratio", "AutoCheckDigit"}, {{"AutoCheckDigit", "True"}}},
      {"TBarcode_FIM", "TBarcode", {"FIMType", "TextHSpacing"}, {{"FIMType", "E"}, {"TextHSpacing", "0"}}},
      {"TBarcode_KIX4S", "TBarcode", {"Barcode"}, {}},
      {"TBarcode_RM4SCC", "TBarcode_KIX4S", {"AutoCheckDigit"}, {{"AutoCheckDigit", "True"}}},
      {"TBarcode_OneCode", "TBarcode", {"Tracking", "Routing", "SplitText"}, {{"SplitText", "stmNone"}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Class);
    const TClassInfo* cls = FindClass(c.Class);
    ASSERT_NE(cls, nullptr);
    ASSERT_NE(cls->Parent, nullptr);
    EXPECT_EQ(cls->Parent->Name, c.Parent);
    std::vector<std::string> own;
    for (const TPropInfo& p : cls->Properties) own.emplace_back(p.Name);
    EXPECT_EQ(own, c.Own);
    std::unique_ptr<TComponent> bc(CreateComponent(c.Class, nullptr));
    ASSERT_NE(bc, nullptr);
    for (const auto& [name, value] : c.Defaults) EXPECT_EQ(GetPropValue(*bc, name), value) << name;
    EXPECT_TRUE(dynamic_cast<TBarcode&>(*bc).IsMultiState() || std::string(c.Class) == "TBarcode_FIM");
  }
  EXPECT_EQ(FindProperty(*FindClass("TBarcode_OneCode"), "Barcode"), nullptr);
  EXPECT_EQ(FindProperty(*FindClass("TBarcode_FIM"), "Barcode"), nullptr);
}
