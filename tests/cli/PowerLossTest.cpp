// A power loss in the middle of a batch, simulated: the batch writes onto an
// ext4 file system in a loop-mounted image, and the image file is copied
// while the batch runs. The copy holds what had reached the disk; checked
// and its journal replayed by e2fsck, it is what the machine would find
// after the loss. Needs root (mount) and e2fsprogs; skipped without them.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

namespace {

// Runs a tool; true when it exits with a status of at most MaxStatus.
bool Tool(const QString& program, const QStringList& arguments, int maxStatus = 0) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) return false;
  return process.exitCode() <= maxStatus;
}

// Unmounts the image (after the batch using it has ended) however the test ends.
struct TMount {
  QString Point;
  QProcess* Batch = nullptr;
  ~TMount() {
    if (Batch && Batch->state() != QProcess::NotRunning) {
      Batch->kill();
      Batch->waitForFinished();
    }
    Tool("umount", {Point});
  }
};

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

TEST(CliPowerLoss, ACopyOfTheDiskMidBatchHoldsOnlyCompleteFilesUnderFinalNames) {
  if (geteuid() != 0) GTEST_SKIP() << "mounting an image needs root";
  QTemporaryDir dir;
  const QString image = dir.filePath("disk.img"), point = dir.filePath("mnt");
  {
    QFile file(image);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(32 << 20));
  }
  ASSERT_TRUE(QDir().mkpath(point));
  if (!Tool("mkfs.ext4", {"-q", "-F", image})) GTEST_SKIP() << "mkfs.ext4 is not available";
  // The journal commits every second, as the kernel would within 5 seconds.
  if (!Tool("mount", {"-o", "loop,commit=1", image, point})) GTEST_SKIP() << "cannot loop-mount an image";
  QProcess batch;
  const TMount mount{point, &batch};

  QByteArray texts;
  constexpr int Lines = 1000;
  for (int i = 0; i < Lines; ++i) texts += QByteArray::number(100000 + i) + "\n";
  const QStringList arguments{"-c", "TBarcode_Code39", "--batch", "/dev/stdin", "--jobs", "2", "-o"};

  // The files as they should be.
  QProcess reference;
  reference.start(STRIPEMAKER, arguments + QStringList{dir.filePath("reference")});
  reference.write(texts);
  reference.closeWriteChannel();
  ASSERT_TRUE(reference.waitForFinished(60000) && reference.exitCode() == 0);

  // The batch reads its lines from a pipe left open: it writes the lines it
  // has and waits for more, mid-run, while the journal commits what it did.
  const QString out = point + "/out";
  batch.start(STRIPEMAKER, arguments + QStringList{out});
  batch.write(texts);
  batch.waitForBytesWritten();
  QElapsedTimer waited;
  waited.start();
  while (FilesIn(out).size() < Lines - 64 && waited.elapsed() < 20000) QThread::msleep(50);
  QThread::msleep(1500);
  ASSERT_TRUE(QFile::copy(image, dir.filePath("copy.img")));
  batch.closeWriteChannel();
  ASSERT_TRUE(batch.waitForFinished(60000));
  EXPECT_EQ(batch.exitCode(), 0) << batch.readAllStandardError().toStdString();

  // e2fsck replays the journal and repairs (status 1) what a loss leaves.
  ASSERT_TRUE(Tool("e2fsck", {"-fy", dir.filePath("copy.img")}, 1));
  const QString dump = dir.filePath("dump");
  ASSERT_TRUE(QDir().mkpath(dump));
  ASSERT_TRUE(Tool("debugfs", {"-R", "rdump /out " + dump, dir.filePath("copy.img")}));
  const QStringList found = FilesIn(dump + "/out");
  EXPECT_GT(found.size(), 0);  // else the copy shows nothing either way
  int incomplete = 0;
  for (const QString& name : found)
    if (Contents(dump + "/out/" + name) != Contents(dir.filePath("reference/") + name)) ++incomplete;
  EXPECT_EQ(incomplete, 0) << "of " << found.size() << " files, e.g. " << found.value(0).toStdString() << " has "
                           << Contents(dump + "/out/" + found.value(0)).size() << " bytes";
}

}  // namespace
