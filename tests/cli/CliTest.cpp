// Runs the stripemaker program as a script would.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>

#include "tests/cli/StripemakerRun.h"

namespace {

using tessel::testing::Stripemaker;
using tessel::testing::TRun;

// In the child: files may grow to Bytes only, as after `ulimit -f`, which
// leaves SIGXFSZ at its default (death); stripemaker ignores it itself, so
// writing more fails with EFBIG, exactly as on a full disk.
template <rlim_t Bytes = 64>
void SmallFileSizeLimit() {
  const rlimit limit{Bytes, Bytes};
  setrlimit(RLIMIT_FSIZE, &limit);
  signal(SIGXFSZ, SIG_DFL);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& contents) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(contents);
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
      {{"-c", "TBarcode_Code25Interleaved", "--batch", path, "-o", dir.filePath("out"), "--jobs", "0"}, "--jobs"},
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
  ASSERT_TRUE(QDir().mkpath(out));
  WriteFile(QDir(out).filePath("000002.png"), "from an earlier run");
  const TRun run = Stripemaker(
      {"-c", "TBarcode_Code25Interleaved", "-p", "Module=2", "--batch", dir.filePath("texts.txt"), "-o", out});
  EXPECT_EQ(run.Status, 1);  // line 2 is invalid; the earlier run's file is kept and named
  EXPECT_TRUE(run.Err.contains("line 2: Inavlid character(3): A (the file " + QDir(out).filePath("000002.png") +
                               " from an earlier run is left as it was)"))
      << run.Err.toStdString();
  EXPECT_EQ(Contents(QDir(out).filePath("000002.png")), "from an earlier run");
  EXPECT_EQ(FilesIn(out), (QStringList{"000001.png", "000002.png", "000003.png"}));
  EXPECT_FALSE(QImage(QDir(out).filePath("000001.png")).isNull());
}

// Every file of a folder with its contents.
QMap<QString, QByteArray> Folder(const QString& folder) {
  QMap<QString, QByteArray> files;
  for (const QString& name : FilesIn(folder)) files[name] = Contents(QDir(folder).filePath(name));
  return files;
}

TEST(Cli, BatchOnSeveralThreadsWritesWhatOneThreadWrites) {
  QTemporaryDir dir;
  QByteArray texts;
  for (int i = 1; i <= 100; ++i) texts += i == 7 || i == 61 ? "12X4\n" : QByteArray::number(i * 7919) + "\n";
  WriteFile(dir.filePath("texts.txt"), texts);
  for (const char* format : {"png", "svg"}) {
    QMap<QString, TRun> runs;
    for (const QString jobs : {"1", "3"}) {
      runs[jobs] = Stripemaker({"-c", "TBarcode_Code25Interleaved", "-p", "Module=2", "-p", "DisplayText=dtFullEncoded",
                                "--batch", dir.filePath("texts.txt"), "-o", dir.filePath(format + jobs), "--format",
                                format, "--jobs", jobs});
    }
    EXPECT_EQ(runs["1"].Status, 1) << format;
    EXPECT_EQ(runs["3"].Status, 1) << format;
    EXPECT_TRUE(runs["1"].Err.contains("line 7") && runs["1"].Err.contains("line 61")) << runs["1"].Err.toStdString();
    EXPECT_EQ(runs["3"].Err, runs["1"].Err) << format;
    const auto single = Folder(dir.filePath(QString(format) + "1"));
    EXPECT_EQ(single.size(), 98) << format;
    EXPECT_TRUE(single == Folder(dir.filePath(QString(format) + "3"))) << format;
  }
}

TEST(CliFiles, BatchLeavesCompleteFilesAndNoTemporariesWithOrWithoutSync) {
  QTemporaryDir dir;
  WriteFile(dir.filePath("texts.txt"), "1234\n5678\n9012\n");
  for (const QStringList& extra : {QStringList{}, QStringList{"--sync"}, QStringList{"--sync", "--jobs", "2"}}) {
    const QString out = dir.filePath("out" + extra.join(""));
    const TRun run = Stripemaker(QStringList{"-c", "TBarcode_Code25Interleaved", "--batch", dir.filePath("texts.txt"),
                                             "-o", out, "--format", "bmp"} +
                                 extra);
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(FilesIn(out), (QStringList{"000001.bmp", "000002.bmp", "000003.bmp"})) << extra.join(' ').toStdString();
    for (const QString& name : FilesIn(out))
      EXPECT_FALSE(QImage(QDir(out).filePath(name)).isNull()) << name.toStdString();
  }
}

// One sample a class, each set up as -s sets its symbology up (EAN-13 with
// its window defaults, not the class defaults).
TEST(Cli, SamplesCoverEveryRegisteredClassWithItsSymbologyDefaults) {
  QTemporaryDir dir;
  const TRun classes = Stripemaker({"--classes"});
  const TRun run = Stripemaker({"--samples", dir.filePath("samples")});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_EQ(FilesIn(dir.filePath("samples")).size(), classes.Out.split('\n', Qt::SkipEmptyParts).size());
  ASSERT_EQ(Stripemaker({"-s", "EAN-13", "-o", dir.filePath("ean.png")}).Status, 0);
  EXPECT_EQ(Contents(dir.filePath("samples/TBarcode_EAN13.png")), Contents(dir.filePath("ean.png")));
}

}  // namespace

namespace {

TEST(CliFiles, AFullDiskFailsWithTheReasonAndKeepsTheOldFile) {
  QTemporaryDir dir;
  for (const char* name : {"keep.png", "keep.bmp", "keep.svg", "keep.pdf"}) {
    const QString path = dir.filePath(name);
    WriteFile(path, "old contents");
    const TRun run = Stripemaker({"-c", "TBarcode_Code39", "-p", "Barcode=ABCDEF", "-p", "Module=3", "-o", path},
                                 QString(), SmallFileSizeLimit<>);
    EXPECT_EQ(run.Status, 3) << name;
    EXPECT_TRUE(run.Err.contains("File too large")) << run.Err.toStdString();
    EXPECT_EQ(Contents(path), "old contents") << name;
    QFile::remove(path);
    EXPECT_TRUE(FilesIn(dir.path()).isEmpty()) << FilesIn(dir.path()).join(' ').toStdString();
  }
  WriteFile(dir.filePath("texts.txt"), "ABC\nDEF\n");
  const TRun run =
      Stripemaker({"-c", "TBarcode_Code39", "--batch", dir.filePath("texts.txt"), "-o", dir.filePath("out")}, QString(),
                  SmallFileSizeLimit<>);
  EXPECT_EQ(run.Status, 3);
  EXPECT_TRUE(run.Err.contains("000001.png: File too large")) << run.Err.toStdString();
  EXPECT_TRUE(FilesIn(dir.filePath("out")).isEmpty());
}

bool IsFifo(const QString& path) {
  struct stat info {};
  return stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

TEST(CliFiles, OnlyRegularFilesAreReplacedAndLinksToThemWrittenThrough) {
  QTemporaryDir dir;
  const QString fifo = dir.filePath("pipe.png");
  ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(fifo, dir.filePath("to-pipe.png")));
  ASSERT_TRUE(QFile::link(dir.filePath("missing.png"), dir.filePath("dangling.png")));
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
  ASSERT_TRUE(QFile::link(dir.filePath("loop.png"), dir.filePath("loop.png")));
  // Whatever the name's extension: a device is a file error, not an unknown format.
  const struct {
    QString Path;
    const char* Reason;
  } refused[] = {
      {fifo, "it is not a regular file"},
      {dir.filePath("to-pipe.png"), "it is not a regular file"},
      {dir.filePath("dangling.png"), "it is a symbolic link to a missing file"},
      {dir.filePath("folder.png"), "it is a folder"},
      {dir.filePath("loop.png"), "it is a symbolic link loop"},
      {"/dev/full", "it is not a regular file"},
  };
  for (const auto& c : refused) {
    const TRun run = Stripemaker({"-c", "TBarcode_Code39", "-p", "Barcode=ABC", "-o", c.Path});
    EXPECT_EQ(run.Status, 3) << c.Path.toStdString();
    EXPECT_TRUE(run.Err.contains("cannot write " + c.Path + ": " + c.Reason)) << run.Err.toStdString();
  }
  EXPECT_TRUE(IsFifo(fifo));
  EXPECT_TRUE(QFileInfo(dir.filePath("to-pipe.png")).isSymLink());
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing.png")));

  const QString real = dir.filePath("real.png"), link = dir.filePath("link.png");
  WriteFile(real, "old");
  ASSERT_TRUE(QFile::link(real, link));
  const TRun run = Stripemaker({"-c", "TBarcode_Code39", "-p", "Barcode=ABC", "-o", link});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_FALSE(QImage(real).isNull());
  EXPECT_EQ(FilesIn(dir.path()).filter(QRegularExpression("^\\.")), QStringList());
}

TEST(CliFiles, BatchNamesNeverFollowAPlantedLink) {
  QTemporaryDir dir;
  const QString out = dir.filePath("out"), victim = dir.filePath("victim.png");
  ASSERT_TRUE(QDir().mkpath(out));
  WriteFile(victim, "not yours");
  ASSERT_TRUE(QFile::link(victim, QDir(out).filePath("000001.png")));
  ASSERT_TRUE(QFile::link(dir.filePath("missing.png"), QDir(out).filePath("000002.png")));
  ASSERT_TRUE(QFile::link(QDir(out).filePath("000003.png"), QDir(out).filePath("000003.png")));
  WriteFile(dir.filePath("texts.txt"), "ABC\nDEF\nGHI\n");
  const TRun run = Stripemaker({"-c", "TBarcode_Code39", "--batch", dir.filePath("texts.txt"), "-o", out});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_EQ(Contents(victim), "not yours");
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("missing.png")));
  for (const char* name : {"000001.png", "000002.png", "000003.png"}) {
    EXPECT_FALSE(QFileInfo(QDir(out).filePath(name)).isSymLink()) << name;
    EXPECT_FALSE(QImage(QDir(out).filePath(name)).isNull()) << name;
  }
}

TEST(CliFiles, AReplacedFileKeepsItsOwnerGroupAndMode) {
  if (geteuid() != 0) GTEST_SKIP() << "only root may give a file to another owner";
  QTemporaryDir dir;
  const QString path = dir.filePath("theirs.png");
  WriteFile(path, "old");
  const QByteArray name = QFile::encodeName(path);
  ASSERT_EQ(chown(name.constData(), 65534, 65534), 0);
  ASSERT_EQ(chmod(name.constData(), 0640), 0);
  const TRun run = Stripemaker({"-c", "TBarcode_Code39", "-p", "Barcode=ABC", "-o", path});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  struct stat info {};
  ASSERT_EQ(stat(name.constData(), &info), 0);
  EXPECT_EQ(info.st_uid, 65534u);
  EXPECT_EQ(info.st_gid, 65534u);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_FALSE(QImage(path).isNull());
}

TEST(CliFiles, NamesOfTheLongestLengthCanBeReplaced) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QString(251, 'n') + ".png");  // 255 bytes
  for (int run = 1; run <= 2; ++run) {
    const TRun result = Stripemaker({"-c", "TBarcode_Code39", "-p", "Barcode=ABC", "-o", path});
    EXPECT_EQ(result.Status, 0) << "run " << run << ": " << result.Err.toStdString();
  }
  EXPECT_EQ(FilesIn(dir.path()), QStringList{QFileInfo(path).fileName()});
}

TEST(CliFiles, AfterAFileThatCannotBeWrittenNoLaterLineIsWrittenOnAnyThread) {
  // Line 2 makes a large bitmap that takes long to draw and then exceeds the
  // file size limit; meanwhile the other thread writes small files of later
  // lines. As on one thread, only line 1's file takes its name.
  QTemporaryDir dir;
  QByteArray texts = "A\n" + QByteArray(1900, 'W') + "\n";
  for (int i = 3; i <= 200; ++i) texts += QByteArray::number(i) + "\n";
  WriteFile(dir.filePath("texts.txt"), texts);
  const QString out = dir.filePath("out");
  const TRun run = Stripemaker(
      {"-c", "TBarcode_Code39", "--batch", dir.filePath("texts.txt"), "-o", out, "--format", "bmp", "--jobs", "2"},
      QString(), SmallFileSizeLimit<65536>);
  EXPECT_EQ(run.Status, 3);
  EXPECT_TRUE(run.Err.contains("000002.bmp: File too large")) << run.Err.toStdString();
  EXPECT_EQ(FilesIn(out), QStringList{"000001.bmp"});
}

TEST(CliFiles, OversizedSymbolsAreRefusedBeforeDrawingWithTheirSize) {
  QTemporaryDir dir;
  const QString png = dir.filePath("big.png"), svg = dir.filePath("big.svg");
  const QString digits(100000, '1');
  struct {
    QStringList Settings;
    QString Path;
    const char* Size;
  } cases[] = {
      {{"Module=65536"}, png, "x 80 pixels"},
      {{"BarcodeHeight=4000000"}, png, "x 4000000 pixels"},
      {{"StretchWidth=True", "BarcodeWidth=16777216"}, svg, "16777216 x 80 pixels"},
      {{"StretchWidth=True", "BarcodeWidth=16777216"}, dir.filePath("big.pdf"), "16777216 x 80 pixels"},
      {{"Ratio=65536"}, png, "x 80 pixels"},
      {{"Barcode=" + digits}, png, "x 80 pixels"},
  };
  for (const auto& c : cases) {
    QStringList arguments{"-c", "TBarcode_Code39", "-p", "Barcode=ABC", "-o", c.Path};
    for (const QString& setting : c.Settings) arguments << "-p" << setting;
    if (c.Settings.first().startsWith("Barcode")) arguments[1] = "TBarcode_Code128";
    QElapsedTimer timer;
    timer.start();
    const TRun run = Stripemaker(arguments);
    EXPECT_EQ(run.Status, 3) << c.Settings.join(' ').toStdString();
    EXPECT_TRUE(run.Err.contains(c.Size) && run.Err.contains("limit is 32767 pixels a side")) << run.Err.toStdString();
    EXPECT_LT(timer.elapsed(), 5000) << c.Settings.join(' ').toStdString();
  }
  EXPECT_TRUE(FilesIn(dir.path()).isEmpty());

  // In a batch, the oversized line is reported and the following lines are written.
  WriteFile(dir.filePath("texts.txt"), "ABC\n" + QByteArray(20000, 'A') + "\nDEF\n");
  const TRun run =
      Stripemaker({"-c", "TBarcode_Code39", "--batch", dir.filePath("texts.txt"), "-o", dir.filePath("out")});
  EXPECT_EQ(run.Status, 3);
  EXPECT_TRUE(run.Err.contains("line 2: ") && run.Err.contains("pixels")) << run.Err.toStdString();
  EXPECT_EQ(FilesIn(dir.filePath("out")), (QStringList{"000001.png", "000003.png"}));
}

TEST(CliFiles, BatchInputIsReadAsAStreamWithBoundedLines) {
  QTemporaryDir dir;
  WriteFile(dir.filePath("texts.txt"), QByteArray(70000, '1') + "\r\n12\n34");
  TRun run = Stripemaker(
      {"-c", "TBarcode_Code25Interleaved", "--batch", dir.filePath("texts.txt"), "-o", dir.filePath("out")});
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(run.Err.contains("line 1: longer than 65536 bytes")) << run.Err.toStdString();
  EXPECT_EQ(FilesIn(dir.filePath("out")), (QStringList{"000002.png", "000003.png"}));

  // An endless line is reported as soon as it is too long, in constant memory.
  QProcess process;
  process.start(STRIPEMAKER, {"-c", "TBarcode_Code39", "--batch", "/dev/zero", "-o", dir.filePath("zero")});
  QByteArray err;
  for (int i = 0; i < 100 && !err.contains("line 1: longer than"); ++i) {
    process.waitForReadyRead(100);
    err += process.readAllStandardError();
  }
  process.kill();
  process.waitForFinished();
  EXPECT_TRUE(err.contains("line 1: longer than")) << err.toStdString();

  run = Stripemaker({"-c", "TBarcode_Code39", "--batch", dir.filePath("none.txt"), "-o", dir.filePath("out")});
  EXPECT_EQ(run.Status, 3);
  EXPECT_TRUE(run.Err.contains("none.txt: No such file or directory")) << run.Err.toStdString();
}

TEST(CliFiles, AKilledBatchLeavesOnlyCompleteFilesUnderTheFinalNames) {
  QTemporaryDir dir;
  QByteArray texts;
  for (int i = 0; i < 3000; ++i) texts += "1234567890\n";
  WriteFile(dir.filePath("texts.txt"), texts);
  const QString out = dir.filePath("out");
  for (int delay : {150, 400}) {
    QProcess process;
    process.start(STRIPEMAKER, {"-c", "TBarcode_Code25Interleaved", "-p", "Module=3", "--batch",
                                dir.filePath("texts.txt"), "-o", out, "--format", "bmp"});
    ASSERT_TRUE(process.waitForStarted());
    process.waitForFinished(delay);
    process.kill();
    process.waitForFinished();
  }
  for (const QString& name : QDir(out).entryList(QDir::Files)) {
    EXPECT_TRUE(QRegularExpression("^\\d{6}\\.bmp$").match(name).hasMatch()) << name.toStdString();
    EXPECT_FALSE(QImage(QDir(out).filePath(name)).isNull()) << name.toStdString();
  }
}

TEST(CliMessages, SayWhatFailedInTheUsersCharacters) {
  TRun run = Stripemaker({"-c", "TBarcode_Code39", "-p", "Module=\u00e9", "--encode"});
  EXPECT_EQ(run.Status, 2);
  EXPECT_TRUE(run.Err.contains("'\u00e9' is not a valid integer")) << run.Err.toStdString();

  run = Stripemaker({"-c", "TBarcode_Code128", "-p", "Barcode=A%7F", "--encode"});
  EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
  EXPECT_TRUE(run.Out.startsWith("A%7F")) << run.Out.toStdString();

  run = Stripemaker({"-c", "TBarcode_Codabar", "-p", "StartCode=X", "-p", "Barcode=123", "--encode"});
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(run.Err.contains("StartCode=X")) << run.Err.toStdString();

  QTemporaryDir dir;
  run = Stripemaker(
      {"-c", "TBarcode_Code39", "-p", "Barcode=ABC", "-p", "LeftMargin=-1000", "-o", dir.filePath("a.png")});
  EXPECT_EQ(run.Status, 3);
  EXPECT_TRUE(run.Err.contains("empty")) << run.Err.toStdString();

  WriteFile(dir.filePath("plain"), "ABC\n");
  run = Stripemaker({"-c", "TBarcode_Code39", "--batch", dir.filePath("plain"), "-o", dir.filePath("plain/out")});
  EXPECT_EQ(run.Status, 3);
  EXPECT_TRUE(run.Err.contains("cannot create folder") && run.Err.contains("Not a directory")) << run.Err.toStdString();

  run = Stripemaker({"--help"});
  EXPECT_TRUE(run.Out.simplified().contains("before Barcode")) << run.Out.toStdString();
}

TEST(CliFiles, StretchedSymbolsGoIntoPdfLosslessly) {
  QTemporaryDir dir;
  const QString path = dir.filePath("s.pdf");
  const TRun run = Stripemaker({"-c", "TBarcode_Code39", "-p", "Barcode=ABC", "-p", "DisplayText=dtBarcode", "-p",
                                "StretchWidth=True", "-p", "BarcodeWidth=500", "-o", path});
  ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
  const QByteArray pdf = Contents(path);
  EXPECT_TRUE(pdf.contains("/Width 500"));
  EXPECT_FALSE(pdf.contains("/DCTDecode"));
}

}  // namespace
