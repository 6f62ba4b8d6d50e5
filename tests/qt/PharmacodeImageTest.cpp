// The Pharmacode bar colours and the wider gaps between bars of different
// colours on a real image.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "qt/QtTestSupport.h"
#include "symbologies/pPharmacodeOneTrack.h"
#include "symbologies/pPharmacodeTwoTrack.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

constexpr QRgb White = qRgb(255, 255, 255);

// The colour and width of each run of pixels along row y that is not white,
// colours as 0x00BBGGRR.
std::vector<std::pair<TColor, int>> ColouredRuns(const QImage& image, int y) {
  std::vector<std::pair<TColor, int>> runs;
  QRgb previous = White;
  for (int x = 0; x < image.width(); ++x) {
    const QRgb p = image.pixel(x, y) | 0xFF000000u;
    if (p != White) {
      const TColor c = static_cast<TColor>(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16);
      if (p == previous)
        ++runs.back().second;
      else
        runs.push_back({c, 1});
    }
    previous = p;
  }
  return runs;
}

}  // namespace

TEST(PharmacodeImage, OneTrackBarColoursAndWiderGaps) {
  // "91": narrow, wide, wide, wide, narrow, narrow; entry 0 is the rightmost
  // bar. Module 3: narrow bars 3, wide bars 9 pixels; the gaps 6 pixels, 9
  // where the colour changes.
  TBarcode_PharmacodeOneTrack bc(nullptr);
  bc.SetBarcode("91");
  bc.SetBarColors(0, clRed);
  bc.SetBarColors(3, clBlue);
  const QImage image = Render(bc, 3, 60, 0, 20);
  const std::vector<std::pair<TColor, int>> bars = {{clBlack, 3}, {clBlack, 9}, {clBlue, 9},
                                                    {clBlack, 9}, {clBlack, 3}, {clRed, 3}};
  EXPECT_EQ(ColouredRuns(image, 50), bars);
  EXPECT_EQ(Runs(image, 50), (std::vector<int>{3, 6, 9, 9, 9, 9, 9, 6, 3, 9, 3}));
}

TEST(PharmacodeImage, TwoTrackColoursFollowTheBarsOnBothTracks) {
  // "10": a full bar, then a lower bar in green; module 4: bars 4 pixels, the
  // gap between the colours 8 pixels instead of 4.
  TBarcode_PharmacodeTwoTrack bc(nullptr);
  bc.SetBarcode("10");
  bc.SetBarColors(0, 0x008000);
  const QImage image = Render(bc, 4, 60, 0, 20);
  EXPECT_EQ(ColouredRuns(image, 30), (std::vector<std::pair<TColor, int>>{{clBlack, 4}}));  // upper track
  EXPECT_EQ(ColouredRuns(image, 70), (std::vector<std::pair<TColor, int>>{{clBlack, 4}, {0x008000, 4}}));
  EXPECT_EQ(Runs(image, 70), (std::vector<int>{4, 8, 4}));
}
