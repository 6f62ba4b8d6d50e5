// Reading back from the command line: --verify on image files, --check on
// the symbols stripemaker writes (alone and in a batch), and label sheets.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "cli/StripemakerRun.h"

using tessel::testing::Stripemaker;
using tessel::testing::TRun;

namespace {

constexpr int ExitOk = 0, ExitInvalid = 1, ExitUsage = 2, ExitFile = 3;

class CliReading : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  // Writes a Code 128 symbol of HELLO with the extra arguments.
  TRun Write(const QString& name, const QStringList& extra = {}) const {
    return Stripemaker(QStringList{"-s", "Code-128", "-p", "Barcode=HELLO", "-o", Path(name)} + extra);
  }

  QTemporaryDir dir_;
};

}  // namespace

TEST_F(CliReading, VerifyReportsEachFileAndFailsThoseThatDoNotRead) {
  for (const QString name : {"h.png", "h.bmp", "h.tiff"}) ASSERT_EQ(Write(name).Status, ExitOk) << name.toStdString();
  ASSERT_EQ(Write("blank.png", {"-p", "BarColor=16777215", "-p", "DisplayText=dtNone"}).Status, ExitOk);
  TRun run = Stripemaker({"--verify", Path("h.png"), Path("h.bmp"), Path("h.tiff")});
  EXPECT_EQ(run.Status, ExitOk) << run.Err.toStdString();
  EXPECT_EQ(run.Out.count("TBarcode_Code128 \"HELLO"), 3) << run.Out.toStdString();
  EXPECT_EQ(run.Out.count("grade A (4.0)"), 3) << run.Out.toStdString();

  run = Stripemaker({"--verify", "--format", "json", Path("h.png"), Path("blank.png")});
  EXPECT_EQ(run.Status, ExitInvalid);
  EXPECT_TRUE(run.Out.contains("\"read\": true, \"class\": \"TBarcode_Code128\"")) << run.Out.toStdString();
  EXPECT_TRUE(run.Out.contains("\"read\": false")) << run.Out.toStdString();

  EXPECT_EQ(Stripemaker({"--verify", "-c", "TBarcode_Code39", Path("h.png")}).Status, ExitInvalid);
  QFile text(Path("notes.png"));
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not an image") > 0);
  text.close();
  run = Stripemaker({"--verify", Path("notes.png"), Path("missing.png")});
  EXPECT_EQ(run.Status, ExitFile);
  EXPECT_TRUE(run.Err.contains("not a PNG, BMP or TIFF image")) << run.Err.toStdString();
  EXPECT_EQ(Stripemaker({"--verify"}).Status, ExitUsage);
}

TEST_F(CliReading, CheckRefusesASymbolThatWouldNotScanAndWritesNothing) {
  const QStringList sized{"--xdim", "2", "--dpi", "96", "--check"};
  EXPECT_EQ(Write("good.png", sized).Status, ExitOk);
  EXPECT_TRUE(QFile::exists(Path("good.png")));
  // Bars printed two dots wider on two-dot modules leave no space to read.
  const TRun spread = Write("spread.png", sized + QStringList{"--spread", "2"});
  EXPECT_EQ(spread.Status, ExitInvalid);
  EXPECT_TRUE(spread.Err.contains("does not read back as TBarcode_Code128")) << spread.Err.toStdString();
  EXPECT_FALSE(QFile::exists(Path("spread.png")));
  // On four-dot modules two dots of spread cost the grade A; a reduction of
  // two dots brings it back.
  const QStringList wider{"--xdim", "4", "--dpi", "96", "--check", "--spread", "2", "--min-grade", "A"};
  EXPECT_EQ(Write("spread4.png", wider).Status, ExitInvalid);
  EXPECT_EQ(Write("reduced.png", wider + QStringList{"--bwr", "2"}).Status, ExitOk);
  EXPECT_EQ(Write("x.png", {"--min-grade", "B"}).Status, ExitUsage);
  // A symbol drawn without its optional check character passes as drawn.
  EXPECT_EQ(Write("unchecked.png", sized + QStringList{"-p", "AutoCheckDigit=false"}).Status, ExitOk);

  const TRun batch = Stripemaker({"-s", "Code-128", "--range", "1-3", "-o", Path("batch"), "--xdim", "2", "--dpi", "96",
                                  "--check", "--spread", "2"});
  EXPECT_EQ(batch.Status, ExitInvalid);
  EXPECT_EQ(batch.Err.count("does not read back"), 3) << batch.Err.toStdString();
  EXPECT_TRUE(QDir(Path("batch")).entryList(QDir::Files).isEmpty());
}

TEST_F(CliReading, SheetsTakeTheBatchsRecordsAndRefuseWhatTheyCannotPlace) {
  QFile csv(Path("items.csv"));
  ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
  csv.write("sku,name\nA1,First item\nB2,Second item\n");
  csv.close();
  const QStringList batch{"-s", "Code-128", "--csv", Path("items.csv"), "--text", "{sku}", "--caption", "{name}"};
  TRun run = Stripemaker(batch + QStringList{"--sheet", "a4-3x8", "--skip", "2", "--xdim", "0.33mm", "--height", "10mm",
                                             "--check", "-o", Path("labels.pdf")});
  ASSERT_EQ(run.Status, ExitOk) << run.Err.toStdString();
  QProcess text;
  text.start("pdftotext", {Path("labels.pdf"), "-"});
  ASSERT_TRUE(text.waitForFinished());
  const QString shown = QString::fromUtf8(text.readAllStandardOutput());
  EXPECT_TRUE(shown.contains("First item") && shown.contains("Second item")) << shown.toStdString();

  EXPECT_EQ(Stripemaker(batch + QStringList{"--sheet", "a4-3x8", "-o", Path("labels.png")}).Status, ExitUsage);
  EXPECT_EQ(Stripemaker(batch + QStringList{"--sheet", "a4-3x8", "--skip", "24", "-o", Path("l.pdf")}).Status,
            ExitUsage);
  EXPECT_EQ(Stripemaker(batch + QStringList{"--skip", "1", "-o", Path("folder")}).Status, ExitUsage);
  EXPECT_EQ(Stripemaker(batch + QStringList{"--sheet", "a4-3x8", "--copies", "2", "-o", Path("l.pdf")}).Status,
            ExitUsage);
  EXPECT_EQ(Stripemaker({"--sheets"}).Status, ExitOk);
}
