// Replacing files: a run killed while writing leaves the old file and no
// temporary under the final names, whichever kind of temporary it used.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "output/OutputFile.h"

using tessel::TReplaceOptions;
using tessel::TTemporaryName;

namespace {

std::string ReplaceFile(const QString& path, const std::string& contents, const TReplaceOptions& options = {}) {
  return tessel::ReplaceFile(QFile::encodeName(path).toStdString(), contents, options);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(OutputFile, AKilledWriteLeavesTheOldFileAndNoVisibleTemporary) {
  for (TTemporaryName kind : {TTemporaryName::UnnamedWherePossible, TTemporaryName::Hidden}) {
    QTemporaryDir dir;
    const QString path = dir.filePath("000001.png");
    ASSERT_EQ(ReplaceFile(path, "old"), "");
    // The child is killed by SIGXFSZ in the middle of writing, as a run
    // killed at any moment would be.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const rlimit limit{64, 64};
      setrlimit(RLIMIT_FSIZE, &limit);
      signal(SIGXFSZ, SIG_DFL);
      ReplaceFile(path, std::string(1000, 'x'), {.Temporary = kind});
      _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
    EXPECT_EQ(Contents(path), "old");
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden))
      EXPECT_TRUE(name == "000001.png" || QRegularExpression("^\\.000001\\.png-\\w+\\.tmp$").match(name).hasMatch())
          << name.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList({"*.png"}, QDir::Files), QStringList{"000001.png"});
  }
}

TEST(OutputFile, ReplacesCompletelyAndKeepsThePermissions) {
  QTemporaryDir dir;
  const QString path = dir.filePath("a.svg");
  ASSERT_EQ(ReplaceFile(path, "first", {.Temporary = TTemporaryName::Hidden}), "");
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
  ASSERT_EQ(ReplaceFile(path, "second"), "");
  EXPECT_EQ(Contents(path), "second");
  const QFile::Permissions permissions = QFile::permissions(path);
  EXPECT_TRUE(permissions.testFlag(QFile::WriteOwner));
  EXPECT_FALSE(permissions & (QFile::ReadGroup | QFile::ReadOther));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.svg"});
  EXPECT_NE(ReplaceFile(dir.filePath("no/such/folder.png"), "x"), "");
}

}  // namespace
