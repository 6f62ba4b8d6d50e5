#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Image.h"
#include "platform/Reflection.h"
#include "symbologies/pCodabar.h"
#include "symbologies/pCode11.h"

using namespace tessel;
using namespace tessel::testing;

TEST(Codabar, PatternsBetweenStartAndStop) {
  TBarcode_Codabar bc(nullptr);
  EXPECT_EQ(bc.StartCode(), "A");
  EXPECT_EQ(bc.StopCode(), "B");
  EXPECT_EQ(Encode(bc, "1", false).Pattern, "50615150505061505151506");
  EXPECT_EQ(Encode(bc, "", false).Pattern, "506151505151506");

  // Each of the four letters has its own start and stop pattern.
  const std::pair<const char*, const char*> guards[] = {
      {"A", "5061515"}, {"B", "5151506"}, {"C", "5051516"}, {"D", "5051615"}};
  for (const auto& [letter, pattern] : guards) {
    bc.SetStartCode(letter);
    bc.SetStopCode(letter);
    EXPECT_EQ(Encode(bc, "", false).Pattern, std::string(pattern) + "0" + pattern) << letter;
  }
}

TEST(Codabar, CheckCharacterModulo16OverStartDataAndStop) {
  TBarcode_Codabar bc(nullptr);
  EXPECT_EQ(Encode(bc, "1", true).FullEncoded, "1.");  // 16 + 1 + 17 = 34; 16 - 2 = 14
  EXPECT_EQ(Encode(bc, "1", true).Pattern, Encode(bc, "1.", false).Pattern);
  EXPECT_EQ(Encode(bc, "", true).FullEncoded, "+");  // 33: 16 - 1 = 15
  bc.SetStartCode("C");
  bc.SetStopCode("D");
  EXPECT_EQ(Encode(bc, "1234", true).FullEncoded, "12341");  // 18 + 10 + 19 = 47: 16 - 15 = 1
}

TEST(Codabar, RejectsStartStopLettersInsideTheText) {
  TBarcode_Codabar bc(nullptr);
  EXPECT_EQ(bc.VerifyAllChars("0123456789-$:/.+", true), 0);
  for (const char* text : {"1A", "1B", "1C", "1D", "1a", "1*"}) EXPECT_EQ(bc.VerifyAllChars(text, true), 2) << text;
}

TEST(Codabar, UnknownStartOrStopCodeIsReportedInsteadOfDrawingAHeadlessSymbol) {
  TImage image(nullptr);
  image.SetBounds(300, 60);
  TBarcode_Codabar bc(nullptr);
  int lengthReports = 0;
  bc.OnInvalidLength = [&](TObject*, const std::string&) { ++lengthReports; };
  bc.SetImage(&image);
  bc.SetBarcode("123");
  EXPECT_EQ(lengthReports, 0);

  for (const char* code : {"", "E", "AB", "1"}) {
    bc.SetStartCode(code);
    TRecordingCanvas canvas;
    EXPECT_EQ(bc.DrawTo(canvas, 1, 0, 0, 40, 0), ecInvalidLength) << code;
    EXPECT_TRUE(canvas.Polygons.empty());
  }
  EXPECT_GT(lengthReports, 0);
  bc.SetStartCode("c");  // lower case stands for the letter
  EXPECT_EQ(Encode(bc, "", false).Pattern, "50515160" + std::string("5151506"));
  bc.SetStopCode("x");
  TRecordingCanvas canvas;
  EXPECT_EQ(bc.DrawTo(canvas, 1, 0, 0, 40, 0), ecInvalidLength);
}

TEST(Code11, PatternsAndCheckCharacters) {
  TBarcode_Code11 bc(nullptr);
  EXPECT_EQ(Encode(bc, "1", false).Pattern, "50615060506050615");
  EXPECT_EQ(Encode(bc, "", false).Pattern, "50615050615");
  EXPECT_EQ(Encode(bc, "1", true).FullEncoded, "11");
  bc.SetNumberCheckDigit(ncdTwo);
  EXPECT_EQ(Encode(bc, "1", true).FullEncoded, "113");
  EXPECT_EQ(Encode(bc, "1", true).Pattern, Encode(bc, "113", false).Pattern);
  bc.SetNumberCheckDigit(ncdOne);
  EXPECT_EQ(Encode(bc, "1234567890", true).FullEncoded, "12345678901");

  struct {
    TNumberCheckDigit count;
    const char* text;
    const char* full;
  } cases[] = {
      {ncdAuto, "123456789", "1234567890"},     // nine characters: one
      {ncdAuto, "1234567890", "123456789019"},  // ten: two
      {ncdAuto, "123-45", "123-455"},
      {ncdOne, "107", "107-"},  // a check value of 10 is the minus sign            // the minus sign has the value 10
      {ncdOne, "12345678901", "123456789014"},  // weights restart at 1 after 10
      {ncdTwo, "", "00"},
  };
  for (const auto& c : cases) {
    bc.SetNumberCheckDigit(c.count);
    EXPECT_EQ(Encode(bc, c.text, true).FullEncoded, c.full) << c.text;
  }
}

TEST(Code11, RejectsLettersAndTheStartStopCharacter) {
  TBarcode_Code11 bc(nullptr);
  EXPECT_EQ(bc.VerifyAllChars("0123456789-", true), 0);
  for (const char* text : {"1S", "1A", "1+", "1 "}) EXPECT_EQ(bc.VerifyAllChars(text, true), 2) << text;
}
