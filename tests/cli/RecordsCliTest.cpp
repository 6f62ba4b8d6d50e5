// Batches of records from CSV files and serial ranges, drawn through
// templates, split into shards and resumed after a kill: the files are
// always those one complete run writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include "tests/cli/StripemakerRun.h"

namespace {

using tessel::testing::Stripemaker;
using tessel::testing::TRun;
using tessel::testing::TRunFolder;

// The file one symbol of Text makes with the batches' settings.
QByteArray SingleSymbol(const QString& text, const TRunFolder& dir) {
  const TRun run = Stripemaker({"-s", "Code-128", "-p", "Barcode=" + text, "-o", dir.Path("single.png")});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  return dir.Contents("single.png");
}

TEST(RecordsCli, CsvRowsDrawTheirTemplatesAndRowsThatCannotBeDrawnAreSkipped) {
  TRunFolder dir;
  ASSERT_TRUE(dir.Write("items.csv",
                        "\xEF\xBB\xBFsku,lot,name\r\n"
                        "A1,7,\"Box, \"\"large\"\"\"\r\n"
                        "B2,8\r\n"
                        "\"C/3\",9,\"two\nlines\"\n"
                        "\xC4\x80\x34,10,x\n"
                        "A1,7,again"));
  const QString out = dir.Path("out");
  const TRun run = Stripemaker(
      {"-s", "Code-128", "--csv", dir.Path("items.csv"), "--text", "{sku}{lot:03}", "--name", "{sku}-{2}", "-o", out});
  EXPECT_EQ(run.Status, 1);
  for (const char* message : {"record 2 (line 3): it has 2 fields, the header 3\n",
                              "record 4 (line 6): the text has a character outside Latin-1\n",
                              "record 5 (line 7): the file name 'A1-7' belongs to record 1\n"})
    EXPECT_TRUE(run.Err.contains(message)) << run.Err.toStdString();
  const QMap<QString, QByteArray> files = dir.Files("out");
  EXPECT_EQ(files.keys(), (QStringList{"A1-7.png", "C%2F3-9.png"}));
  EXPECT_EQ(files.value("A1-7.png"), SingleSymbol("A1007", dir));
}

TEST(RecordsCli, TemplatesNamingMissingFieldsFailBeforeAnyOutput) {
  TRunFolder dir;
  ASSERT_TRUE(dir.Write("items.csv", "sku,lot\nA1,7\n"));
  const struct {
    QStringList Arguments;
    QString Message;
  } cases[] = {
      {{"--csv", dir.Path("items.csv"), "--text", "{skux}"},
       "--text '{skux}': there is no field named 'skux' (the fields are: sku, lot)"},
      {{"--range", "1-5", "--name", "{2}"}, "--name '{2}': there is no column 2 (the fields are: serial)"},
  };
  for (const auto& c : cases) {
    const QString out = dir.Path("out");
    const TRun run = Stripemaker(QStringList{"-s", "Code-128", "-o", out} + c.Arguments);
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err.toStdString(), "stripemaker: " + c.Message.toStdString() + "\n");
    EXPECT_FALSE(QDir(out).exists());
  }
}

TEST(RecordsCli, RangesArePaddedToTheWidthOfTheFirstNumber) {
  TRunFolder dir;
  const QString out = dir.Path("out");
  const TRun run = Stripemaker({"-s", "Code-128", "--range", "0098-0102", "--name", "{serial}", "-o", out});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QMap<QString, QByteArray> files = dir.Files("out");
  EXPECT_EQ(files.keys(), (QStringList{"0098.png", "0099.png", "0100.png", "0101.png", "0102.png"}));
  EXPECT_EQ(files.value("0100.png"), SingleSymbol("0100", dir));
  const TRun stepped = Stripemaker({"-s", "Code-128", "--range", "7-20/5", "-o", dir.Path("stepped")});
  EXPECT_EQ(dir.Files("stepped").keys(), (QStringList{"000001.png", "000002.png", "000003.png"}));
  EXPECT_EQ(dir.Files("stepped").value("000003.png"), SingleSymbol("17", dir));
}

TEST(RecordsCli, BadRangesShardsAndCombinationsAreUsageErrors) {
  TRunFolder dir;
  const QString out = dir.Path("out");
  const struct {
    QStringList Arguments;
    QString Message;
  } cases[] = {
      {{"--range", "5-3", "-o", out}, "--range counts up"},
      {{"--range", "1-10/0", "-o", out}, "--range needs a step of 1 or more"},
      {{"--range", "1-x", "-o", out}, "--range needs FIRST-LAST or FIRST-LAST/STEP in decimal digits"},
      {{"--range", "1-99999999999999999999", "-o", out}, "--range needs FIRST-LAST"},
      {{"--range", "0-18446744073709551615", "-o", out}, "--range holds too many numbers"},
      {{"--range", "1-5", "--shard", "8/8", "-o", out}, "--shard needs K/N with whole numbers 0 <= K < N"},
      {{"--range", "1-5", "--batch", "x.txt", "-o", out}, "--batch and --range are two sources of records"},
      {{"-p", "Barcode=1", "--shard", "0/2", "-o", out}, "--shard needs a batch"},
      {{"-p", "Barcode=1", "--resume", "-o", dir.Path("one.png")}, "--resume needs a batch"},
  };
  for (const auto& c : cases) {
    const TRun run = Stripemaker(QStringList{"-s", "Code-128"} + c.Arguments);
    EXPECT_EQ(run.Status, 2) << c.Message.toStdString();
    EXPECT_TRUE(run.Err.startsWith("stripemaker: " + c.Message)) << run.Err.toStdString();
    EXPECT_FALSE(QDir(out).exists());
  }
}

// Names repeat across the input (a duplicate is decided from the input, so
// every shard decides it alike), and one text is invalid.
TEST(RecordsCli, ShardsRunByGnuParallelWriteTheFilesOfOneRun) {
  const QString parallel = QStandardPaths::findExecutable("parallel");
  if (parallel.isEmpty()) GTEST_SKIP() << "GNU parallel is not installed";
  TRunFolder dir;
  QByteArray csv = "code,sku\n";
  constexpr int Rows = 300;
  constexpr int Skus = 250;
  for (int i = 1; i <= Rows; ++i)
    csv += (i == 123 ? QByteArray("\xC4\x80") : QByteArray::number(i * 7)) + ",S" + QByteArray::number(i % Skus) + "\n";
  ASSERT_TRUE(dir.Write("items.csv", csv));
  const QStringList arguments{"-s", "Code-128", "--csv", dir.Path("items.csv"), "--name", "{sku}"};
  const TRun one = Stripemaker(arguments + QStringList{"-o", dir.Path("one")});
  EXPECT_EQ(one.Status, 1) << one.Err.toStdString();
  QProcess shards;
  shards.start(parallel, QStringList{"--will-cite", "-j8", STRIPEMAKER} + arguments +
                             QStringList{"-o", dir.Path("shards"), "--shard", "{}/8", ":::", "0", "1", "2", "3", "4",
                                         "5", "6", "7"});
  ASSERT_TRUE(shards.waitForFinished(60000));
  const QMap<QString, QByteArray> expected = dir.Files("one");
  EXPECT_EQ(expected.size(), Skus - 1);
  EXPECT_TRUE(dir.Files("shards") == expected) << shards.readAllStandardError().toStdString();
}

TEST(RecordsCli, AKilledRunResumedLeavesEveryFileComplete) {
  TRunFolder dir;
  const QString out = dir.Path("out");
  const QStringList arguments{"-s", "Code-128", "--range", "00001-20000", "-o"};
  QProcess killed;
  killed.start(STRIPEMAKER, arguments + QStringList{out, "--jobs", "1"});
  ASSERT_TRUE(killed.waitForStarted());
  while (QDir(out).entryList(QDir::Files).size() < 100 && killed.state() == QProcess::Running) QThread::msleep(5);
  killed.kill();
  killed.waitForFinished();
  const qsizetype before = QDir(out).entryList(QDir::Files).size();
  ASSERT_GE(before, 100);
  ASSERT_LT(before, 20000) << "the run ended before it was killed";
  const TRun resumed = Stripemaker(arguments + QStringList{out, "--resume"});
  EXPECT_EQ(resumed.Status, 0) << resumed.Err.toStdString();
  EXPECT_TRUE(resumed.Err.contains(QString("%1 records skipped: their files were there already").arg(before)))
      << resumed.Err.toStdString();
  const TRun reference = Stripemaker(arguments + QStringList{dir.Path("reference")});
  ASSERT_EQ(reference.Status, 0) << reference.Err.toStdString();
  const QMap<QString, QByteArray> expected = dir.Files("reference");
  EXPECT_EQ(expected.size(), 20000);
  EXPECT_TRUE(dir.Files("out") == expected);
}

}  // namespace
