// Absurd settings are clamped, never overflow (run under UBSan in make test).
#include <gtest/gtest.h>

#include <climits>

#include "RecordingCanvas.h"
#include "symbologies/pCode25Int.h"

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
