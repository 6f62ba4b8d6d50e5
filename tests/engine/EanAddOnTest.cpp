// The EAN-2 and EAN-5 add-ons: padding, the parities that carry their check
// values, lengths and the single-group text.
#include <gtest/gtest.h>

#include "engine/RecordingCanvas.h"
#include "engine/SymbolTestSupport.h"
#include "symbologies/pEAN13.h"
#include "symbologies/pEAN2.h"
#include "symbologies/pEAN5.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// Add-on start 1011, the digits in the given parities ('A' odd, 'B' even)
// separated by 01.
std::string AddOnModules(const std::string& digits, const std::string& parities) {
  std::string bits = "1011";
  for (std::size_t k = 0; k < digits.size(); ++k) {
    if (k > 0) bits += "01";
    bits += parities[k] == 'A' ? SetA[digits[k] - '0'] : SetB[digits[k] - '0'];
  }
  return bits;
}

}  // namespace

TEST(EanAddOn, TwoDigitParitiesByValueModFour) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"12", "12", "AA"}, {"13", "13", "AB"}, {"14", "14", "BA"}, {"15", "15", "BB"},
      {"7", "07", "BB"},  {"", "00", "AA"},   {"99", "99", "BB"},
  };
  TBarcode_EAN2 bc(nullptr);
  for (const auto& [input, digits, parities] : cases) {
    std::string full;
    const std::string pattern = bc.MakeData(input, true, full);
    EXPECT_EQ(full, digits);
    EXPECT_EQ(Modules(pattern), AddOnModules(digits, parities)) << input;
    EXPECT_EQ(pattern.size(), 13u);
    EXPECT_EQ(GetLinesWidth(pattern, 1, 2.0), 20);
  }
  std::string full;
  EXPECT_EQ(bc.MakeData("12", true, full),
            "506"
            "1615"
            "05"
            "1516");
}

TEST(EanAddOn, FiveDigitParitiesCarryTheCheckValue) {
  // The published add-on parity table for check values 0 to 9.
  const char* const table[] = {"BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA",
                               "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB"};
  TBarcode_EAN5 bc(nullptr);
  // 0000k has the check value 3k mod 10, so these cover every row.
  for (int k = 0; k <= 9; ++k) {
    const std::string digits = "0000" + std::to_string(k);
    std::string full;
    const std::string pattern = bc.MakeData(digits, true, full);
    EXPECT_EQ(full, digits);
    EXPECT_EQ(Modules(pattern), AddOnModules(digits, table[(3 * k) % 10])) << digits;
    EXPECT_EQ(GetLinesWidth(pattern, 1, 2.0), 47);
  }
  std::string full;
  EXPECT_EQ(Modules(bc.MakeData("52495", true, full)), AddOnModules("52495", table[1]));
  EXPECT_EQ(Modules(bc.MakeData("", true, full)), AddOnModules("00000", table[0]));
  EXPECT_EQ(full, "00000");
}

TEST(EanAddOn, TooManyDigitsIsAnInvalidLengthWhateverTheCheckDigitFlag) {
  // The add-ons have no check digit: a third (sixth) digit would otherwise be
  // dropped silently when the flag was cleared, e.g. by Assign.
  for (bool autoCheck : {true, false}) {
    TRecordingCanvas canvas;
    TBarcode_EAN2 ean2(nullptr);
    ean2.SetAutoCheckDigit(autoCheck);
    ean2.SetBarcode("123");
    EXPECT_EQ(ean2.DrawTo(canvas, 1, 0, 0, 30, 0), ecInvalidLength);
    ean2.SetBarcode("1x");
    EXPECT_EQ(ean2.DrawTo(canvas, 1, 0, 0, 30, 0), 2);
    TBarcode_EAN5 ean5(nullptr);
    ean5.SetAutoCheckDigit(autoCheck);
    ean5.SetBarcode("123456");
    EXPECT_EQ(ean5.DrawTo(canvas, 1, 0, 0, 30, 0), ecInvalidLength);
    ean5.SetBarcode("12345");
    EXPECT_EQ(ean5.DrawTo(canvas, 1, 0, 0, 30, 0), ecValid);
  }
  TBarcode_EAN13 main(nullptr);
  main.SetAutoCheckDigit(false);
  TBarcode_EAN5 addOn(nullptr);
  addOn.Assign(&main);
  addOn.SetBarcode("123456");
  TRecordingCanvas canvas;
  EXPECT_EQ(addOn.DrawTo(canvas, 1, 0, 0, 30, 0), ecInvalidLength);
}

TEST(EanAddOn, PublishedProperties) {
  for (const char* name : {"TBarcode_EAN2", "TBarcode_EAN5"}) {
    const TClassInfo* cls = FindClass(name);
    ASSERT_NE(cls, nullptr);
    for (const char* p : {"Barcode", "Ratio", "TextHSpacing", "ShowQuietZoneMark", "RightQuietZoneSpacing"})
      EXPECT_NE(FindProperty(*cls, p), nullptr) << name << p;
    for (const char* p : {"AutoCheckDigit", "LeftQuietZoneSpacing", "ExtraFontSize"})
      EXPECT_EQ(FindProperty(*cls, p), nullptr) << name << p;
  }
}

TEST(EanAddOn, CustomTextIsOneGroupOverTheBars) {
  TBarcode_EAN5 bc(nullptr);
  bc.SetBarcode("52495");
  bc.SetDisplayText(dtBarcode);
  bc.SetTextAlignment(taCustom);
  bc.SetTextPosition(tpTopOut);
  TRecordingCanvas canvas;
  ASSERT_EQ(bc.DrawTo(canvas, 2, 10, 5, 60, 0), ecValid);
  // One text output: the five digits spread from after the start allowance
  // to the end of the bars, at the top where the text position puts them.
  ASSERT_EQ(canvas.Texts.size(), 1u);
  const TTextCall& text = canvas.Texts[0];
  EXPECT_EQ(text.Text, "52495");
  EXPECT_EQ(text.At.Y, 5);
  // Characters 6 pixels wide; Left = 3 x 2 + 1 = 7, Width = 94 - 6 = 88:
  // gaps (87 - 30) div 4 = 14, X = 7 + 87 - 30 - 56 = 8.
  EXPECT_EQ(text.At.X, 10 + 8);
  EXPECT_EQ(text.Advances, (std::vector<int>{20, 20, 20, 20, 0}));
  // No quiet-zone widening without the mark.
  EXPECT_EQ(bc.DefaultDisplayWidth(2, 0), 94);
  bc.SetShowQuietZoneMark(true);
  bc.SetRightQuietZoneSpacing(3);
  EXPECT_EQ(bc.DefaultDisplayWidth(2, 0), 94 + 7 + 1 + 3 * 2);
}
