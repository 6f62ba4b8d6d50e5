// stripemaker's sizes for printers: --xdim, --height and --bwr in the units
// given, the sizes used reported by -v, and what cannot be drawn refused
// with status 2.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "tests/cli/StripemakerRun.h"

namespace {

using tessel::testing::Stripemaker;
using tessel::testing::TRun;

TEST(SizesCli, ReportsTheSizesUsedInTheUnitsGiven) {
  QTemporaryDir dir;
  const QString png = dir.filePath("x.png");
  struct TCase {
    QStringList Arguments;
    QString Line;
  };
  const TCase cases[] = {
      {{"--xdim", "0.33mm"}, "X dimension 0.339 mm = 4 dots, bar height 6.773 mm = 80 dots at 300 dpi"},
      {{"--xdim", "13mil", "--dpi", "203", "--height", "0.5in"},
       "X dimension 14.778 mil = 3 dots, bar height 0.502 in = 102 dots at 203 dpi"},
      {{"--xdim", "3", "--bwr", "0.03mm"},
       "X dimension 3 dots, bar height 6.773 mm = 80 dots at 300 dpi, bar width reduction 0.03 mm = 0 dots"},
  };
  for (const TCase& c : cases) {
    const TRun run = Stripemaker(QStringList{"-s", "Code-128", "-p", "Barcode=TESSEL", "-o", png, "-v"} + c.Arguments);
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Err.trimmed().toStdString(), c.Line.toStdString());
  }
}

TEST(SizesCli, SizesThatCannotBeDrawnExitWithTwo) {
  QTemporaryDir dir;
  const QString png = dir.filePath("x.png");
  struct TCase {
    QStringList Arguments;
    QString Message;
  };
  const TCase cases[] = {
      {{"--xdim", "2", "--bwr", "1"}, "a bar width reduction of 1 dot would leave the narrowest bar, 2 dots wide"},
      {{"--xdim", "0.2mm", "--bwr", "0.1mm"}, "a bar width reduction of 0.1 mm (1 dot at 300 dpi) would leave"},
      {{"--xdim", "0.3cm"}, "--xdim needs a length such as 0.33mm"},
      {{"--bwr", "-1"}, "--bwr needs a length"},
      {{"--quiet-zone", "wide"}, "--quiet-zone needs standard, none or a number of modules"},
  };
  for (const TCase& c : cases) {
    const TRun run = Stripemaker(QStringList{"-s", "Code-128", "-p", "Barcode=TESSEL", "-o", png} + c.Arguments);
    EXPECT_EQ(run.Status, 2) << c.Message.toStdString();
    EXPECT_TRUE(run.Err.contains(c.Message)) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(png));
  }
}

}  // namespace
