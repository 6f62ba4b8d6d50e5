// stripemaker runs its command line without Qt: the program links no Qt
// library and none is loaded while it writes; it hands the window and
// --db to stripemaker-qt, and says so when that program is missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct TRun {
  int Status = -1;
  QString Out;
  QString Err;
};

TRun RunProgram(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  process.waitForFinished(60000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

TEST(QtFree, TheCommandLineNeitherLinksNorLoadsQt) {
  const TRun ldd = RunProgram("ldd", {STRIPEMAKER}, QProcessEnvironment::systemEnvironment());
  ASSERT_EQ(ldd.Status, 0) << ldd.Err.toStdString();
  EXPECT_FALSE(ldd.Out.contains("libQt")) << ldd.Out.toStdString();

  QTemporaryDir dir;
  QFile texts(dir.filePath("texts.txt"));
  ASSERT_TRUE(texts.open(QIODevice::WriteOnly));
  texts.write("400638133393\n123456789012\n");
  texts.close();
  // The loader names every library it loads.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LD_DEBUG", "libs");
  const QStringList runs[] = {
      {"--classes"},
      {"-s", "EAN-13", "-p", "Barcode=400638133393", "-o", dir.filePath("x.png")},
      {"-s", "EAN-13", "--batch", texts.fileName(), "-o", dir.filePath("out")},
  };
  for (const QStringList& arguments : runs) {
    const TRun run = RunProgram(STRIPEMAKER, arguments, environment);
    EXPECT_EQ(run.Status, 0) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains("calling init")) << "the loader said nothing: " << run.Err.toStdString();
    EXPECT_FALSE(run.Err.contains("libQt")) << arguments.join(' ').toStdString();
  }
  EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files).size(), 2);
}

TEST(QtFree, TheWindowAndDatabaseAreHandedToStripemakerQt) {
  QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) noDisplay.remove(name);
  TRun run = RunProgram(STRIPEMAKER, {}, noDisplay);
  EXPECT_EQ(run.Status, 2);
  EXPECT_TRUE(run.Err.contains("there is no display to open the window on")) << run.Err.toStdString();

  // Without stripemaker-qt beside it (nor installed), the window and --db say what is missing.
  QTemporaryDir dir;
  const QString alone = dir.filePath("stripemaker");
  ASSERT_TRUE(QFile::copy(STRIPEMAKER, alone));
  const QStringList needingQt[] = {
      {},
      {"--db", "sqlite:" + dir.filePath("none.db"), "--table", "t", "--field", "f", "-c", "TBarcode_Code39", "-o",
       dir.filePath("out")},
  };
  for (const QStringList& arguments : needingQt) {
    run = RunProgram(alone, arguments, noDisplay);
    EXPECT_EQ(run.Status, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains("need stripemaker-qt, which was not found")) << run.Err.toStdString();
  }
  EXPECT_FALSE(QDir(dir.filePath("out")).exists());
}

}  // namespace
