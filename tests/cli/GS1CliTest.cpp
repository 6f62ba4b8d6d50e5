// stripemaker --gs1: an element string drawn as EAN-128 with its bracketed
// text, or refused with status 2 and the element's message, writing nothing;
// in a batch, one element string a record, an invalid one skipped.
#include <gtest/gtest.h>

#include "tests/cli/StripemakerRun.h"

namespace {

using tessel::testing::Stripemaker;
using tessel::testing::TRun;
using tessel::testing::TRunFolder;

}  // namespace

TEST(GS1Cli, DrawsEan128WithTheBracketedText) {
  const QString elements = "(01)09501101530003(10)AB12(17)250101";
  // FNC1 after the batch, which is not last; none after the GTIN.
  TRun run = Stripemaker({"--gs1", elements, "--encode"});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.startsWith("010950110153000310AB12\\117250101\t")) << run.Out.toStdString();
  EXPECT_EQ(Stripemaker({"-s", "EAN-128", "--gs1", "[01]09501101530003[10]AB12[17]250101", "--encode"}).Out, run.Out);

  TRunFolder dir;
  run = Stripemaker({"-c", "TBarcode_EAN128", "--gs1", elements, "-o", dir.Path("gs1.svg")});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(dir.Contents("gs1.svg").contains(elements.toLatin1()));
}

TEST(GS1Cli, InvalidElementStringsExitWithTwoAndWriteNothing) {
  TRunFolder dir;
  const QString path = dir.Path("bad.png");
  const struct {
    QStringList arguments;
    QString message;
  } cases[] = {
      {{"--gs1", "(01)09501101530003(17)251301"}, "(17) 251301: month 13 is not a month"},
      {{"--gs1", "(01)09501101530004"}, "(01) 09501101530004: check digit 4, expected 3"},
      {{"-c", "TBarcode_Code128", "--gs1", "(01)09501101530003"}, "--gs1 draws EAN-128"},
  };
  for (const auto& c : cases) {
    const TRun run = Stripemaker(c.arguments + QStringList{"-o", path});
    EXPECT_EQ(run.Status, 2) << c.message.toStdString();
    EXPECT_TRUE(run.Err.contains(c.message)) << run.Err.toStdString();
  }
  EXPECT_TRUE(dir.Files().isEmpty());
}

TEST(GS1Cli, ABatchTakesAnElementStringARecordAndSkipsAnInvalidOne) {
  TRunFolder dir;
  ASSERT_TRUE(dir.Write("in.txt",
                        "(01)09501101530003(10)AB12(17)250101\n(01)09501101530003(17)251301\n"
                        "[01]09501101530003[10]XY\n"));
  const QString input = dir.Path("in.txt"), out = dir.Path("out");
  TRun run = Stripemaker({"--gs1", "-", "--batch", input, "-o", out, "--format", "svg"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(run.Err.contains("line 2: (17) 251301: month 13 is not a month")) << run.Err.toStdString();
  const QMap<QString, QByteArray> files = dir.Files("out");
  EXPECT_EQ(files.keys(), QStringList({"000001.svg", "000003.svg"}));
  // The bracketed text under the symbol.
  EXPECT_TRUE(files.value("000003.svg").contains("(01)09501101530003(10)XY"));

  run = Stripemaker({"--gs1", "(01)09501101530003", "--batch", input, "-o", out});
  EXPECT_EQ(run.Status, 2);
  EXPECT_TRUE(run.Err.contains("give --gs1 -")) << run.Err.toStdString();
}
