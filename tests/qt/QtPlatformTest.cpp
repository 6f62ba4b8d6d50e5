// The Qt platform: exact bars on a QImage at several angles, monochrome text,
// printing to a PDF file at a physical size.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <limits>

#include "core/pCore.h"
#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "qt/QtTestSupport.h"
#include "symbologies/pCode25Int.h"
#include "symbologies/pEAN13.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// The widths a pattern should draw with at a module and ratio.
std::vector<int> PatternWidths(const std::string& pattern, int module, double ratio) {
  std::vector<int> widths;
  for (char c : pattern) widths.push_back(GetLinesWidth(std::string(1, c), module, ratio));
  return widths;
}

std::string Pattern(TBarcode& bc) {
  std::string full;
  return bc.MakeData(bc.Barcode(), bc.AutoCheckDigit(), full);
}

class QtPlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bc.SetAutoCheckDigit(false);
    bc.SetBarcode("0123456789");
    bc.SetRatio(2.5);
  }
  TBarcode_Code25Interleaved bc{nullptr};
};

TEST_F(QtPlatformTest, BarsHaveExactPixelWidths) {
  const auto expected = PatternWidths(Pattern(bc), 3, 2.5);  // narrow 3, wide 8
  const QImage image = Render(bc, 3, 40, 0, 10);
  EXPECT_EQ(Runs(image, 10 + 20), expected);
  EXPECT_EQ(Runs(image, 10), expected);       // the first row of bars
  EXPECT_EQ(Runs(image, 10 + 39), expected);  // the last
  EXPECT_TRUE(Runs(image, 10 + 40).empty());
}

TEST_F(QtPlatformTest, TurnedSymbolsKeepTheirBars) {
  auto expected = PatternWidths(Pattern(bc), 2, 2.5);
  // 90 degrees reads bottom to top, 270 top to bottom, 180 right to left.
  const QImage up = Render(bc, 2, 40, 90, 10);
  auto runs = ColumnRuns(up, 10 + 20);
  std::reverse(runs.begin(), runs.end());
  EXPECT_EQ(runs, expected);
  EXPECT_EQ(ColumnRuns(Render(bc, 2, 40, 270, 10), 10 + 20), expected);
  runs = Runs(Render(bc, 2, 40, 180, 10), 10 + 20);
  std::reverse(runs.begin(), runs.end());
  EXPECT_EQ(runs, expected);
}

TEST_F(QtPlatformTest, TurnedSymbolStartsAtItsBoxCorner) {
  // The box of a turned symbol lands with its top-left corner at (Left, Top).
  for (int angle : {0, 90, 180, 270}) {
    const QImage image = Render(bc, 2, 40, angle, 10);
    int minX = image.width(), minY = image.height();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) {
          minX = std::min(minX, x);
          minY = std::min(minY, y);
        }
    EXPECT_EQ(minX, 10) << angle;
    EXPECT_EQ(minY, 10) << angle;
  }
}

TEST_F(QtPlatformTest, TextIsDrawnMonochromeBelowTheBars) {
  bc.SetDisplayText(dtFullEncoded);
  const QImage image = Render(bc, 2, 60, 0, 10);
  int dark = 0, grey = 0;
  const int textTop = 10 + 60 - 14;  // the text stands in the lower part of the bars
  for (int y = textTop; y < 10 + 60; ++y)
    for (int x = 10; x < image.width() - 10; ++x) {
      const int g = qGray(image.pixel(x, y));
      dark += g < 128;
      grey += g > 0 && g < 255;
    }
  EXPECT_GT(dark, 40);
  EXPECT_EQ(grey, 0);
  EXPECT_TRUE(Decode(image, "ITF"));
}

TEST(QtCanvas, CharacterExtraAddsAfterEveryCharacter) {
  TQtBitmap bitmap;
  bitmap.SetSize(10, 10);
  TCanvas& canvas = bitmap.Canvas();
  TFont font;
  canvas.SelectFont(font, 0);
  const int plain = canvas.TextWidth("0123");
  canvas.CharExtra = 1;
  EXPECT_EQ(canvas.TextWidth("0123"), plain + 4);
  EXPECT_GT(canvas.TextHeight("0"), 8);
}

// Any height a font record carries is a pixel size, the most negative int
// too (whose magnitude is no int).
TEST(QtCanvas, EveryFontHeightIsAPixelSize) {
  for (const int height : {std::numeric_limits<int>::min(), -11, 0, 11}) {
    TLogFont font;
    font.Height = height;
    EXPECT_GE(ToQFont(font, 0).pixelSize(), 1) << height;
  }
}

TEST(QtPrinter, PrintedWidthMatchesActualPrintWidth) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("print.pdf");
  TQtPlatform& platform = TQtPlatform::Instance();
  platform.UsePdfPrinter(pdf, 600);
  TBarcode_Code25Interleaved bc(nullptr);
  bc.SetBarcode("1234567890");
  const double reported = bc.ActualPrintWidth(0.254, -1, 0, 0);
  ASSERT_TRUE(platform.QtPrinter()->BeginDoc());
  EXPECT_EQ(bc.Print(0.254, 10, 10, 15, -1, 0), 0);
  platform.QtPrinter()->EndDoc();
  platform.UseSystemPrinter();

  QProcess pdftoppm;
  pdftoppm.start("pdftoppm", {"-r", "600", "-gray", "-png", "-singlefile", "-x", "0", "-y", "0", "-W", "2000", "-H",
                              "800", pdf, dir.filePath("page")});
  ASSERT_TRUE(pdftoppm.waitForFinished(60000));
  const QImage page(dir.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  const int row = qRound(600 * (10 + 7.5) / 25.4);
  const auto runs = Runs(page, row);
  int printed = 0;
  for (int r : runs) printed += r;
  EXPECT_NEAR(printed * 25.4 / 600, reported, 25.4 / 600);         // within one printer pixel
  EXPECT_NEAR(reported, (4 + 6 * 14 + 4) * 6 * 25.4 / 600, 1e-9);  // 6 pixels a module
  int left = 0;
  while (left < page.width() && qGray(page.pixel(left, row)) >= 128) ++left;
  EXPECT_NEAR(left, qRound(600 * 10 / 25.4), 1);
}

}  // namespace

namespace {

// The box of the dark pixels of an image.
QRect DarkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
  return box;
}

TEST(QtPlatform, MeasuredSizeHoldsEverythingDrawn) {
  // Quiet-zone texts are measured on a scratch bitmap that has no size yet:
  // it must measure as the bitmap drawn on does.
  TBarcode_EAN13 bc(nullptr);
  bc.SetBarcode("400638133393");
  bc.SetDisplayText(dtFullEncoded);
  bc.SetTextAlignment(taCustom);
  bc.SetShowQuietZoneMark(true);
  for (int angle : {0, 90}) {
    int width = 0, height = 0;
    ASSERT_EQ(bc.DrawToSize(width, height, 2, 60, angle), 0);
    const QImage image = Render(bc, 2, 60, angle, 10);
    const QRect drawn = DarkBox(image);
    EXPECT_TRUE(QRect(10, 10, width, height).contains(drawn)) << angle;
    // The ">" mark stands right of the bars, inside the measured box.
    if (angle == 0) {
      EXPECT_GT(drawn.right(), 10 + 2 + 95 * 2 + 2 * 2);
    }
  }
}

}  // namespace
