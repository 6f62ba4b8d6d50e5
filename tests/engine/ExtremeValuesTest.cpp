// Absurd settings are clamped, never overflow (run under UBSan in make test).
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "RecordingCanvas.h"
#include "symbologies/pCode25Int.h"
#include "symbologies/pITF6.h"

using namespace tessel;
using namespace tessel::testing;

TEST(ExtremeValues, SettersKeepPixelSettingsInBounds) {
  TBarcode_Code25Interleaved bc(nullptr);
  bc.SetModule(INT_MAX);
  EXPECT_EQ(bc.Module(), 1);  // ignored like a module of 0
  bc.SetModule(MaxModule);
  EXPECT_EQ(bc.Module(), MaxModule);
  bc.SetLeftMargin(INT_MIN);
  bc.SetTopMargin(INT_MAX);
  bc.SetBarcodeHeight(INT_MAX);
  EXPECT_EQ(bc.LeftMargin(), -MaxExtent);
  EXPECT_EQ(bc.TopMargin(), MaxExtent);
  EXPECT_EQ(bc.BarcodeHeight(), MaxExtent);
  bc.SetTextVSpacing(INT_MIN);
  bc.SetTextHSpacing(INT_MAX);
  EXPECT_EQ(bc.TextVSpacing(), -MaxSpacing);
  EXPECT_EQ(bc.TextHSpacing(), MaxSpacing);
}

TEST(ExtremeValues, LayoutOfHugeValuesIsClampedNotOverflowed) {
  TBarcode_Code25Interleaved bc(nullptr);
  bc.SetBarcode("12345678901234567890");
  bc.SetDisplayText(dtFullEncoded);
  bc.SetTextVSpacing(INT_MAX);
  bc.SetTextHSpacing(INT_MAX);
  TRecordingCanvas canvas(10, 10);
  for (int angle : {0, 90, 45}) {
    EXPECT_EQ(bc.DrawTo(canvas, INT_MAX, INT_MAX, INT_MIN, INT_MAX, angle), 0);
    int width = 0, height = 0;
    EXPECT_EQ(bc.DrawToSize(width, height, INT_MAX, INT_MAX, angle), 0);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
  }
  EXPECT_EQ(GetLinesWidth(std::string(100000, '8'), INT_MAX, 1e300), MaxExtent);
}

TEST(ExtremeValues, RatioThatWouldLoseWideLinesIsIgnored) {
  TBarcode_Code25Interleaved bc(nullptr);
  for (double ratio : {0.5, 0.0, -3.0, 1e-320, std::numeric_limits<double>::quiet_NaN()}) {
    bc.SetRatio(ratio);
    EXPECT_EQ(bc.Ratio(), 2.0) << ratio;
  }
  bc.SetRatio(0.51);  // a wide line of one module still rounds to one pixel
  EXPECT_EQ(bc.Ratio(), 0.51);
}

TEST(ExtremeValues, FontSizesBeyondThePixelRangeSaturate) {
  TRecordingCanvas canvas(10, 10);
  TFont font;
  for (int size : {1610612736, -1610612736, INT_MAX, INT_MIN}) {
    font.SetSize(size);
    canvas.SelectFont(font, 0);
    EXPECT_EQ(canvas.Font.Height, size > 0 ? -(1 << 24) : 1 << 24) << size;
  }
  EXPECT_EQ(MulDiv(INT_MAX, 96, 72), -1);
  EXPECT_EQ(MulDiv(-7, 3, 2), -11);
}

// Bearers and spacings of the ITF-6 family are drawn by the symbology
// itself; extreme values stay inside the symbol's bounds.
TEST(ExtremeValues, ItfBearersOfExtremeSizesStayInBounds) {
  struct {
    int Module, BearerWidth, LeftSpacing, RightSpacing, TextVSpacing;
  } cases[] = {
      {1, INT_MAX, 0, 0, 0},
      {1, 3, INT_MAX, INT_MAX, 0},
      {2, 3, 10, 10, INT_MIN},
      {MaxModule, 40000, 10, 10, 0},
  };
  for (const auto& c : cases) {
    TBarcode_ITF6 bc(nullptr);
    bc.SetBarcode("12345");
    bc.SetDisplayText(dtBarcode);
    bc.SetBearerWidth(c.BearerWidth);
    bc.SetLeftSpacing(c.LeftSpacing);
    bc.SetRightSpacing(c.RightSpacing);
    bc.SetTextVSpacing(c.TextVSpacing);
    TRecordingCanvas canvas(10, 10);
    ASSERT_EQ(bc.DrawTo(canvas, c.Module, 0, 0, 50, 0), 0);
    ASSERT_FALSE(canvas.Polygons.empty());
    for (const TPolygonCall& polygon : canvas.Polygons) {
      const TRect box = polygon.Box();
      EXPECT_GE(box.Left, -MaxExtent) << c.BearerWidth;
      EXPECT_LE(box.Right, 8 * MaxExtent) << c.BearerWidth;
      EXPECT_LE(box.Left, box.Right);
    }
  }
}

// Angles far beyond one turn are the same rotation as their remainder, with
// the text turned the same way (tenths of a degree would overflow otherwise).
TEST(ExtremeValues, AnglesBeyondOneTurnDrawAsTheirRemainder) {
  TBarcode_Code25Interleaved bc(nullptr);
  bc.SetBarcode("1234567890");
  bc.SetDisplayText(dtFullEncoded);
  for (auto [angle, remainder] : {std::pair{INT_MAX, 127}, {INT_MIN, -128}, {1'000'000'000, 280}}) {
    int width = 0, height = 0, expectedWidth = 0, expectedHeight = 0;
    EXPECT_EQ(bc.DrawToSize(width, height, 2, 50, angle), 0);
    EXPECT_EQ(bc.DrawToSize(expectedWidth, expectedHeight, 2, 50, remainder), 0);
    EXPECT_EQ(width, expectedWidth) << angle;
    EXPECT_EQ(height, expectedHeight) << angle;
    TRecordingCanvas turned(400, 400), reference(400, 400);
    bc.DrawTo(turned, 2, 0, 0, 50, angle);
    bc.DrawTo(reference, 2, 0, 0, 50, remainder);
    ASSERT_EQ(turned.Polygons.size(), reference.Polygons.size()) << angle;
    for (std::size_t i = 0; i < turned.Polygons.size(); ++i)
      EXPECT_EQ(turned.Polygons[i].Box(), reference.Polygons[i].Box()) << angle << " bar " << i;
    ASSERT_EQ(turned.Texts.size(), reference.Texts.size()) << angle;
    for (std::size_t i = 0; i < turned.Texts.size(); ++i)
      EXPECT_EQ(turned.Texts[i].Font.Escapement, reference.Texts[i].Font.Escapement) << angle;
  }
}
