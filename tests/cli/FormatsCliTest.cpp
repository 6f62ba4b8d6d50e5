// The command line's TIFF files (their tags as tiffinfo reads them), its
// transparent background and its standard output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

namespace {

struct TRun {
  int Status = -1;
  QByteArray Out;
  QString Err;
};

// Runs stripemaker; StandardOutput, when given, receives its output instead
// of a pipe.
TRun Stripemaker(const QStringList& arguments, const std::function<void()>& inChild = {},
                 const QString& standardOutput = {}) {
  QProcess process;
  if (inChild) process.setChildProcessModifier(inChild);
  if (!standardOutput.isEmpty()) process.setStandardOutputFile(standardOutput);
  process.start(STRIPEMAKER, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
          QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TiffInfo(const QString& path) {
  QProcess process;
  process.start("tiffinfo", {path});
  process.waitForFinished(60000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

const QStringList Ean13 = {"-s", "EAN-13", "-p", "Barcode=400638133393"};

TEST(CliFormats, TiffTagsFollowTheSymbolsColours) {
  struct TCase {
    const char* Name;
    QStringList Options;
    QStringList Tags;
  };
  const TCase cases[] = {
      {"bw.tiff",
       {"--dpi", "300"},
       {"Bits/Sample: 1", "Compression Scheme: CCITT Group 4", "Resolution: 300, 300 pixels/inch"}},
      {"red.tif",
       {"-p", "BarColor=0x0000FF"},
       {"Compression Scheme: LZW", "Photometric Interpretation: palette color", "Resolution: 96, 96 pixels/inch"}},
      {"clear.tiff",
       {"--background", "none"},
       {"Compression Scheme: LZW", "Samples/Pixel: 4", "Extra Samples: 1<unassoc-alpha>"}},
  };
  QTemporaryDir dir;
  for (const TCase& c : cases) {
    const QString path = dir.filePath(c.Name);
    const TRun run = Stripemaker(Ean13 + c.Options + QStringList{"-o", path});
    ASSERT_EQ(run.Status, 0) << c.Name << ": " << run.Err.toStdString();
    const QString info = TiffInfo(path);
    for (const QString& tag : c.Tags) EXPECT_TRUE(info.contains(tag)) << c.Name << " " << info.toStdString();
  }
}

TEST(CliFormats, StandardOutputCarriesTheFileAlone) {
  QTemporaryDir dir;
  for (const char* format : {"png", "svg"}) {
    const QString path = dir.filePath(QString("ean.") + format);
    const TRun file = Stripemaker(Ean13 + QStringList{"--background", "none", "-o", path});
    ASSERT_EQ(file.Status, 0) << file.Err.toStdString();
    const TRun piped = Stripemaker(Ean13 + QStringList{"--background", "none", "--format", format, "-o", "-"});
    EXPECT_EQ(piped.Status, 0) << piped.Err.toStdString();
    EXPECT_TRUE(piped.Err.isEmpty()) << piped.Err.toStdString();
    EXPECT_EQ(piped.Out, Contents(path)) << format;
  }
}

TEST(CliFormats, StandardOutputAndBackgroundMisuseAreUsageErrors) {
  QTemporaryDir dir;
  const QString lines = dir.filePath("lines.txt");
  QFile file(lines);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("400638133393\n");
  file.close();
  struct {
    QStringList Arguments;
    const char* Named;
  } cases[] = {
      {{"--batch", lines, "-o", "-"}, "--batch"},
      {{"--encode", "-o", "-"}, "--encode"},
      {{"--background", "white", "-o", dir.filePath("x.png")}, "SpaceColor"},
  };
  for (const auto& c : cases) {
    const TRun run = Stripemaker(Ean13 + c.Arguments);
    EXPECT_EQ(run.Status, 2) << c.Arguments.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains(c.Named)) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"lines.txt"});
}

// A full device and a pipe nobody reads fail the write with the reason.
TEST(CliFormats, AFailedWriteToStandardOutputExitsWithThree) {
  const TRun full = Stripemaker(Ean13 + QStringList{"-o", "-"}, {}, "/dev/full");
  EXPECT_EQ(full.Status, 3);
  EXPECT_TRUE(full.Err.contains("cannot write standard output: No space left on device")) << full.Err.toStdString();

  const TRun closed = Stripemaker(Ean13 + QStringList{"-o", "-"}, [] {
    int ends[2];
    if (pipe(ends) != 0) _exit(99);
    close(ends[0]);
    dup2(ends[1], STDOUT_FILENO);
    close(ends[1]);
  });
  EXPECT_EQ(closed.Status, 3);
  EXPECT_TRUE(closed.Err.contains("cannot write standard output: Broken pipe")) << closed.Err.toStdString();
}

}  // namespace
