#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Image.h"
#include "platform/Reflection.h"
#include "symbologies/pITF14.h"
#include "symbologies/pITF6.h"
#include "symbologies/pIdentcode.h"
#include "symbologies/pLeitcode.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// The pattern of plain Interleaved 2 of 5 for the digits.
constexpr auto Interleaved = PlainPattern<TBarcode_Code25Interleaved>;

}  // namespace

TEST(ItfDerivatives, FixedLengthsAndCheckDigits) {
  TBarcode_Leitcode leit(nullptr);
  TBarcode_Identcode ident(nullptr);
  TBarcode_ITF14 itf14(nullptr);
  TBarcode_ITF6 itf6(nullptr);
  struct {
    TBarcode* bc;
    std::string text;
    bool check;
    std::string full;
  } cases[] = {
      {&leit, "1234567890123", true, "12345678901236"},
      {&leit, "5", true, "00000000000050"},  // 5 at position 13 weighs 4: 20
      {&leit, "12", false, "00000000000012"},
      {&ident, "12345678901", true, "123456789016"},
      {&ident, "7", false, "000000000007"},
      {&itf14, "1234567890123", true, "12345678901231"},
      {&itf14, "1", true, "00000000000017"},
      {&itf14, "12345678901231", false, "12345678901231"},
      {&itf6, "12345", false, "012345"},
      {&itf6, "123456", true, "01234565"},  // 7 digits with the check digit: padded to 8
      {&itf6, "", false, "000000"},
  };
  for (const auto& c : cases) {
    const TEncoded e = Encode(*c.bc, c.text, c.check);
    EXPECT_EQ(e.FullEncoded, c.full) << c.bc->ClassName() << " " << c.text;
    EXPECT_EQ(e.Pattern, Interleaved(c.full)) << c.bc->ClassName() << " " << c.text;
  }
}

TEST(ItfDerivatives, LengthLimits) {
  TBarcode_Leitcode leit(nullptr);
  TBarcode_Identcode ident(nullptr);
  TBarcode_ITF14 itf14(nullptr);
  TBarcode_ITF6 itf6(nullptr);
  const std::string digits = "123456789012345";
  struct {
    TBarcode* bc;
    std::size_t withCheck, without;
  } limits[] = {{&leit, 13, 14}, {&ident, 11, 12}, {&itf14, 13, 14}, {&itf6, 6, 6}};
  for (const auto& l : limits) {
    EXPECT_TRUE(l.bc->VerifyLength(digits.substr(0, l.withCheck), true)) << l.bc->ClassName();
    EXPECT_FALSE(l.bc->VerifyLength(digits.substr(0, l.withCheck + 1), true)) << l.bc->ClassName();
    EXPECT_TRUE(l.bc->VerifyLength(digits.substr(0, l.without), false)) << l.bc->ClassName();
    EXPECT_FALSE(l.bc->VerifyLength(digits.substr(0, l.without + 1), false)) << l.bc->ClassName();
    EXPECT_TRUE(l.bc->VerifyLength("", true));
    EXPECT_EQ(l.bc->VerifyAllChars("12a", true), 3);
  }
  TRecordingCanvas canvas;
  itf6.SetBarcode("1234567");
  EXPECT_EQ(itf6.DrawTo(canvas, 1, 0, 0, 40, 0), ecInvalidLength);
}

TEST(ItfDerivatives, SplitAndPaddedTexts) {
  TBarcode_Leitcode leit(nullptr);
  leit.SetBarcode("1234567890123");
  TBarcode_Identcode ident(nullptr);
  ident.SetBarcode("12345678901");
  TBarcode_ITF14 itf14(nullptr);
  itf14.SetBarcode("1234567890123");
  struct {
    TBarcode* bc;
    const char *full, *typed, *splitFull, *splitTyped;
  } cases[] = {
      {&leit, "12345678901236", "1234567890123", "12345.678.901.23 6", "12345.678.901.23"},
      {&ident, "123456789016", "12345678901", "123.45 678.901 6", "123.45 678.901"},
      {&itf14, "12345678901231", "1234567890123", "1 23 45678 90123 1", "1 23 45678 90123"},
  };
  for (const auto& c : cases) {
    SetPropValue(*c.bc, "SplitText", "False");
    EXPECT_EQ(ShownText(*c.bc, dtFullEncoded), c.full);
    EXPECT_EQ(ShownText(*c.bc, dtBarcode), c.typed);
    SetPropValue(*c.bc, "SplitText", "True");
    EXPECT_EQ(ShownText(*c.bc, dtFullEncoded), c.splitFull);
    EXPECT_EQ(ShownText(*c.bc, dtBarcode), c.splitTyped);
  }

  // A short text is shown padded; under dtBarcode without the check digit,
  // even one the user typed.
  leit.SetSplitText(false);
  leit.SetBarcode("5");
  EXPECT_EQ(ShownText(leit, dtBarcode), "0000000000005");
  leit.SetAutoCheckDigit(false);
  leit.SetBarcode("12345678901236");
  EXPECT_EQ(ShownText(leit, dtBarcode), "1234567890123");
  leit.SetSplitText(true);
  EXPECT_EQ(ShownText(leit, dtBarcode), "12345.678.901.23");
  EXPECT_EQ(ShownText(leit, dtFullEncoded), "12345.678.901.23 6");
}

TEST(ITF6, BearerRectanglesAroundTheBars) {
  TBarcode_ITF6 bc(nullptr);
  bc.SetBarcode("123456");
  bc.SetBarColor(0x00112233);
  TRecordingCanvas canvas(600, 200);
  ASSERT_EQ(bc.DrawTo(canvas, 2, 5, 7, 60, 0), 0);
  const int width = GetLinesWidth(Interleaved("123456"), 2, 2.0) + 2 * 13 * 2;
  const int x1 = 5, x2 = 5 + width - 1, y1 = 7, y2 = 7 + 59, b = 3 * 2;
  const std::vector<TRect> four = LastBoxes(canvas, 4);
  EXPECT_EQ(four[0], (TRect{x1, y1, x2, y1 + b - 1}));
  EXPECT_EQ(four[1], (TRect{x1, y2 - b + 1, x2, y2}));
  EXPECT_EQ(four[2], (TRect{x1, y1, x1 + b - 1, y2}));
  EXPECT_EQ(four[3], (TRect{x2 - b + 1, y1, x2, y2}));
  EXPECT_EQ(canvas.Polygons.back().Brush, 0x00112233u);
  EXPECT_EQ(canvas.Pixel(x1, 30), 0x00112233u);
  EXPECT_EQ(canvas.Pixel(x2, 30), 0x00112233u);

  bc.SetBearerBars(bbTopBottom);
  bc.SetBearerWidth(1);
  TRecordingCanvas two(600, 200);
  ASSERT_EQ(bc.DrawTo(two, 2, 0, 0, 60, 0), 0);
  const int narrower = width - 2 * 3 * 2;
  const std::vector<TRect> boxes = LastBoxes(two, 2);
  EXPECT_EQ(boxes[0], (TRect{0, 0, narrower - 1, 1}));
  EXPECT_EQ(boxes[1], (TRect{0, 58, narrower - 1, 59}));
  // Nothing else is drawn in the quiet zones: no side bearers.
  int inQuietZone = 0;
  for (const TPolygonCall& p : two.Polygons) inQuietZone += p.Box().Left < 10 * 2;
  EXPECT_EQ(inQuietZone, 2);
}

TEST(ITF6, BearersStopAtTheTextBelowOrAbove) {
  TBarcode_ITF6 bc(nullptr);
  bc.SetBarcode("123456");
  bc.SetDisplayText(dtFullEncoded);
  bc.SetTextVSpacing(2);
  const int module = 2, gap = 2 * module, b = 3 * module;

  for (TTextPosition position : {tpBottomIn, tpBottomOut}) {
    bc.SetTextPosition(position);
    TRecordingCanvas canvas(600, 200);
    ASSERT_EQ(bc.DrawTo(canvas, module, 0, 0, 60, 0), 0);
    ASSERT_EQ(canvas.Texts.size(), 1u);
    const int textTop = canvas.Texts[0].At.Y;
    const int width = GetLinesWidth(Interleaved("123456"), module, 2.0) + 2 * 13 * module;
    const std::vector<TRect> four = LastBoxes(canvas, 4);
    EXPECT_EQ(four[1], (TRect{0, textTop - gap - b, width - 1, textTop - gap - 1}));
    EXPECT_EQ(four[2], (TRect{0, 0, b - 1, textTop - gap - 1}));
    // The text stands outside the bars: its box is cleared across the whole
    // symbol, not only around the text.
    const TRect cleared = canvas.Polygons[canvas.Polygons.size() - 5].Box();
    EXPECT_EQ(cleared.Left, 0);
    EXPECT_EQ(cleared.Right, width - 1);
  }

  bc.SetTextPosition(tpTopIn);
  TRecordingCanvas canvas(600, 200);
  ASSERT_EQ(bc.DrawTo(canvas, module, 0, 0, 60, 0), 0);
  const int textHeight = std::abs(canvas.Texts.at(0).Font.Height) + 3;
  EXPECT_EQ(canvas.Texts[0].At.Y, 0);
  const std::vector<TRect> four = LastBoxes(canvas, 4);
  EXPECT_EQ(four[0].Top, textHeight + gap);
  EXPECT_EQ(four[0].Bottom, textHeight + gap + b - 1);
  EXPECT_EQ(four[1].Bottom, 59);
}

TEST(ITF6, BearersTurnWithTheSymbol) {
  TBarcode_ITF6 bc(nullptr);
  bc.SetBarcode("123456");
  TRecordingCanvas canvas(200, 600);
  ASSERT_EQ(bc.DrawTo(canvas, 1, 0, 0, 50, 90), 0);
  const int width = GetLinesWidth(Interleaved("123456"), 1, 2.0) + 2 * 13;
  // At 90 degrees the symbol reads bottom to top: its top edge is the left
  // edge of the target, its left end the bottom.
  const std::vector<TRect> four = LastBoxes(canvas, 4);
  EXPECT_EQ(four[0], (TRect{0, 0, 2, width - 1}));
  EXPECT_EQ(four[1], (TRect{47, 0, 49, width - 1}));
  EXPECT_EQ(four[2], (TRect{0, width - 3, 49, width - 1}));
  EXPECT_EQ(four[3], (TRect{0, 0, 49, 2}));
}

TEST(ITF6, OnDrawBarcodeIsRaisedEvenWithoutRoomForBearers) {
  TBarcode_ITF6 bc(nullptr);
  bc.SetBarcode("123456");
  bc.SetDisplayText(dtFullEncoded);
  int raised = 0;
  bc.OnDrawBarcode = [&](TObject*, TCanvas&, const TBarcodeCustomParameters&) { ++raised; };
  TRecordingCanvas canvas(600, 200);
  ASSERT_EQ(bc.DrawTo(canvas, 1, 0, 0, 4, 0), 0);  // bars lower than the text
  EXPECT_EQ(raised, 1);
  // Bars start after the quiet zone of 13 modules; a bearer would start at 0.
  int leftmostBar = 1000;
  for (const TPolygonCall& p : canvas.Polygons)
    if (p.Brush == clBlack) leftmostBar = std::min(leftmostBar, p.Box().Left);
  EXPECT_EQ(leftmostBar, 13);
}

TEST(ItfDerivatives, SplitTextRedrawsOnlyWhenTextIsShown) {
  TImage image(nullptr);
  image.SetBounds(400, 80);
  TBarcode_ITF14 bc(nullptr);
  bc.SetImage(&image);
  bc.SetBarcode("123");
  auto& canvas = static_cast<TRecordingCanvas&>(image.Picture().Bitmap()->Canvas());
  std::size_t drawn = canvas.Polygons.size();
  bc.SetSplitText(true);
  EXPECT_EQ(canvas.Polygons.size(), drawn);
  bc.SetDisplayText(dtFullEncoded);
  drawn = canvas.Polygons.size();
  bc.SetSplitText(false);
  EXPECT_GT(canvas.Polygons.size(), drawn);

  // ITF-6 starts without a check digit (and does not publish the flag);
  // ITF-14 turns it back on.
  TBarcode_ITF6 itf6(nullptr);
  EXPECT_FALSE(itf6.AutoCheckDigit());
  EXPECT_EQ(FindProperty(itf6.ClassType(), "AutoCheckDigit"), nullptr);
  EXPECT_TRUE(bc.AutoCheckDigit());
}

TEST(ItfDerivatives, AssignIgnoresAnAncestorSource) {
  TBarcode_ITF14 source(nullptr);
  source.SetSplitText(true);
  source.SetBearerWidth(5);
  TBarcode_ITF6 itf6(nullptr);
  itf6.Assign(&source);  // a descendant: bearer fields copied
  EXPECT_EQ(itf6.BearerWidth(), 5);
  TBarcode_ITF14 copy(nullptr);
  copy.Assign(&itf6);  // an ancestor: ignored
  EXPECT_EQ(copy.BearerWidth(), 3);
  copy.Assign(&source);
  EXPECT_TRUE(copy.SplitText());
  EXPECT_EQ(copy.BearerWidth(), 5);
}
