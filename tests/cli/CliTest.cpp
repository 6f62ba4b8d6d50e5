// Runs the stripemaker program as a script would.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct TRun {
  int Status = -1;
  QString Out;
  QString Err;
};

TRun Stripemaker(const QStringList& arguments, const QString& folder = QString()) {
  QProcess process;
  if (!folder.isEmpty()) process.setWorkingDirectory(folder);
  process.start(STRIPEMAKER, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromLatin1(process.readAllStandardOutput()), QString::fromLatin1(process.readAllStandardError())};
}

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

TEST(Cli, ListsTheRegisteredClasses) {
  const TRun run = Stripemaker({"--classes"});
  ASSERT_EQ(run.Status, 0);
  const QStringList classes = run.Out.split('\n', Qt::SkipEmptyParts);
  for (const char* name :
       {"TBarcode_Code25Industrial", "TBarcode_Code25Invert", "TBarcode_IATA", "TBarcode_Code25Interleaved",
        "TBarcode_Code25Matrix", "TBarcode_Code25Datalogic", "TBarcode_Coop25"})
    EXPECT_TRUE(classes.contains(name)) << name;
  EXPECT_FALSE(classes.contains("TBarcode_Code25"));  // an abstract base
  EXPECT_FALSE(classes.contains("TBarcode"));
}

TEST(Cli, EncodePrintsTheEscapedTextAndThePattern) {
  TRun run =
      Stripemaker({"-c", "TBarcode_Code25Industrial", "-p", "AutoCheckDigit=False", "-p", "Barcode=1", "--encode"});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_EQ(run.Out, "1\t606050605050506060506\n");

  run = Stripemaker({"-c", "TBarcode_Code25Interleaved", "-p", "Padding=cipRight", "-p", "Barcode=1234", "--encode"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_TRUE(run.Out.startsWith("12348:\t5050")) << run.Out.toStdString();
}

TEST(Cli, PropertyValuesFollowTheGridRules) {
  // Text is unescaped (%31 is "1"), other values trimmed; an empty value changes nothing.
  const TRun run = Stripemaker({"-c", "TBarcode_Code25Industrial", "-p", "Barcode=%31", "-p", "AutoCheckDigit=  false ",
                                "-p", "Module=", "--encode"});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.startsWith("1\t")) << run.Out.toStdString();
}

TEST(Cli, WritesEveryFormat) {
  QTemporaryDir dir;
  for (const char* name : {"itf.png", "itf.bmp", "itf.svg", "itf.pdf"}) {
    const QString path = dir.filePath(name);
    const TRun run = Stripemaker({"-c", "TBarcode_Code25Interleaved", "-p", "Barcode=1234567890", "-p", "Module=2",
                                  "-p", "DisplayText=dtFullEncoded", "-p", "LeftMargin=10", "-p", "TopMargin=5", "-o",
                                  path, "--dpi", "300"});
    ASSERT_EQ(run.Status, 0) << name << ": " << run.Err.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    const QByteArray contents = file.readAll();
    const QString suffix = QString(name).section('.', -1);
    const QByteArray expected = suffix == "png"   ? "\x89PNG"
                                : suffix == "bmp" ? "BM"
                                : suffix == "svg" ? "<svg"
                                                  : "%PDF";
    EXPECT_TRUE(suffix == "svg" ? contents.contains(expected) : contents.startsWith(expected)) << name;
  }
  // The raster is the symbol's box plus the margins, at the requested resolution.
  const QImage image(dir.filePath("itf.png"));
  // 12 digits (padded, with check digit): 4 + 12 * 7 + 4 modules... at module 2.
  EXPECT_EQ(image.width(), (4 + 6 * 14 + 4) * 2 + 20);
  EXPECT_EQ(image.height(), 80 + 10);
  EXPECT_EQ(qRound(image.dotsPerMeterX() * 0.0254), 300);
  EXPECT_EQ(FilesIn(dir.path()).size(), 4);
}

TEST(Cli, InvalidTextExitsWithTheGeneratorsMessageAndWritesNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath("bad.png");
  TRun run = Stripemaker({"-c", "TBarcode_Code25Interleaved", "-p", "Barcode=12A4", "-o", path});
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(run.Err.contains("Inavlid character(3): A")) << run.Err.toStdString();
  EXPECT_TRUE(FilesIn(dir.path()).isEmpty());

  run = Stripemaker({"-c", "TBarcode_Code25Interleaved", "-p", "Barcode=1%092", "--encode"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(run.Err.contains("Inavlid character(2): %09")) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.isEmpty());
}

TEST(Cli, UsageErrorsExitWithTwoAndNameTheCulprit) {
  QTemporaryDir dir;
  const QString path = dir.filePath("x.png");
  struct {
    QStringList Arguments;
    const char* Named;
  } cases[] = {
      {{"-c", "TBarcode_Nope", "--encode"}, "TBarcode_Nope"},
      {{"-c", "TBarcode_Code25Interleaved", "-p", "Colour=1", "-o", path}, "Colour"},
      {{"-c", "TBarcode_Code25Interleaved", "-p", "Module=two", "-o", path}, "two"},
      {{"-c", "TBarcode_Code25Interleaved", "-p", "Padding=cipMiddle", "-o", path}, "cipMiddle"},
      {{"-c", "TBarcode_Code25Interleaved", "-p", "Barcode=1", "-o", dir.filePath("x.gif")}, "x.gif"},
      {{"-c", "TBarcode_Code25Interleaved", "-p", "Barcode=1", "-o", path, "--dpi", "0"}, "--dpi"},
      {{"--no-such-option"}, "no-such-option"},
  };
  for (const auto& c : cases) {
    const TRun run = Stripemaker(c.Arguments);
    EXPECT_EQ(run.Status, 2) << c.Arguments.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains(c.Named)) << run.Err.toStdString();
  }
  EXPECT_TRUE(FilesIn(dir.path()).isEmpty());
}

TEST(Cli, FailedWriteLeavesTheOldFileUntouched) {
  QTemporaryDir dir;
  const QString path = dir.filePath("keep.png");
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("old contents");
  old.close();
  const TRun run = Stripemaker({"-c", "TBarcode_Code25Interleaved", "-p", "Barcode=1X", "-o", path});
  EXPECT_EQ(run.Status, 1);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(old.readAll(), "old contents");
  EXPECT_EQ(FilesIn(dir.path()), QStringList{"keep.png"});
}

TEST(Cli, BatchWritesOneNumberedFilePerLine) {
  QTemporaryDir dir;
  QFile texts(dir.filePath("texts.txt"));
  ASSERT_TRUE(texts.open(QIODevice::WriteOnly));
  texts.write("123\r\n45A\n6789\n");
  texts.close();
  const QString out = dir.filePath("out");
  const TRun run = Stripemaker(
      {"-c", "TBarcode_Code25Interleaved", "-p", "Module=2", "--batch", dir.filePath("texts.txt"), "-o", out});
  EXPECT_EQ(run.Status, 1);  // line 2 is invalid
  EXPECT_TRUE(run.Err.contains("line 2")) << run.Err.toStdString();
  EXPECT_EQ(FilesIn(out), (QStringList{"000001.png", "000003.png"}));
  EXPECT_FALSE(QImage(QDir(out).filePath("000001.png")).isNull());
}

TEST(Cli, SamplesCoverEveryRegisteredClass) {
  QTemporaryDir dir;
  const TRun classes = Stripemaker({"--classes"});
  const TRun run = Stripemaker({"--samples", dir.filePath("samples")});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_EQ(FilesIn(dir.filePath("samples")).size(), classes.Out.split('\n', Qt::SkipEmptyParts).size());
}

}  // namespace
