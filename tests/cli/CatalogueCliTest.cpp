// stripemaker --list and -s NAME: the window's symbologies on the command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/cli/StripemakerRun.h"

namespace {

using TResult = tessel::testing::TRun;
constexpr auto RunStripemaker = [](const QStringList& arguments) { return tessel::testing::Stripemaker(arguments); };

}  // namespace

TEST(CatalogueCli, EveryListedSymbologyIsWrittenWithItsDefaults) {
  const TResult list = RunStripemaker({"--list"});
  ASSERT_EQ(list.Status, 0);
  const QStringList names = list.Out.split('\n', Qt::SkipEmptyParts);
  // One entry for each registered symbology class.
  const TResult classes = RunStripemaker({"--classes"});
  ASSERT_EQ(classes.Status, 0);
  ASSERT_EQ(names.size(), classes.Out.split('\n', Qt::SkipEmptyParts).size());
  EXPECT_EQ(names.first(), "Codabar");
  EXPECT_EQ(names[44], "CPC Binary");
  EXPECT_EQ(names.last(), "OneCode");
  QTemporaryDir dir;
  for (const QString& name : names) {
    const QString png = dir.filePath(QString(name).replace(' ', '_') + ".png");
    const TResult run = RunStripemaker({"-s", name, "-o", png});
    EXPECT_EQ(run.Status, 0) << name.toStdString() << ": " << run.Err.toStdString();
    EXPECT_FALSE(QImage(png).isNull()) << name.toStdString();
  }
}

TEST(CatalogueCli, DefaultsComeBeforePropertiesAndNamesMustBeKnown) {
  // Code39's AutoCheckDigit default (True) adds the modulo-43 check character
  // (10+11+12+1+...+9+0 = 78, 78 mod 43 = 35: "Z"); -p overrides the default.
  EXPECT_EQ(RunStripemaker({"-s", "Code39", "--encode"}).Out.section('\t', 0, 0), "ABC1234567890Z");
  EXPECT_EQ(RunStripemaker({"-s", "Code39", "-p", "AutoCheckDigit=False", "--encode"}).Out.section('\t', 0, 0),
            "ABC1234567890");

  TResult run = RunStripemaker({"-s", "Code 128", "--encode"});
  EXPECT_EQ(run.Status, 2);
  EXPECT_TRUE(run.Err.contains("'Code 128'")) << run.Err.toStdString();
  run = RunStripemaker({"-s", "Code39", "-c", "TBarcode_Code39", "--encode"});
  EXPECT_EQ(run.Status, 2);
  EXPECT_TRUE(run.Err.contains("exclude")) << run.Err.toStdString();
}

TEST(CatalogueCli, BarColorsTakeTheGridsListForm) {
  QTemporaryDir dir;
  const QString png = dir.filePath("pharma.png");
  const TResult run = RunStripemaker(
      {"-s", "PharmacodeOneTrack", "-p", "Barcode=91", "-p", "BarColors=clRed,clBlack", "-p", "Module=2", "-o", png});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  // The rightmost bar (entry 0) is red, the others black.
  const QImage image(png);
  ASSERT_FALSE(image.isNull());
  bool red = false, black = false;
  for (int x = 0; x < image.width(); ++x) {
    const QRgb pixel = image.pixel(x, image.height() / 2);
    red = red || pixel == qRgb(255, 0, 0);
    black = black || pixel == qRgb(0, 0, 0);
  }
  EXPECT_TRUE(red);
  EXPECT_TRUE(black);
}
