// Runs the stripemaker program for a test: its exit status (-1 when it did
// not exit normally) and what it wrote on standard output and error; and
// the temporary folder of a run's input and output files.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace tessel::testing {

struct TRun {
  int Status = -1;
  QString Out;
  QString Err;
};

// Runs it in Folder (or here) with InChild run in the child before it starts.
inline TRun Stripemaker(const QStringList& Arguments, const QString& Folder = QString(),
                        const std::function<void()>& InChild = {}) {
  constexpr int TimeLimitMs = 60000;
  QProcess process;
  if (!Folder.isEmpty()) process.setWorkingDirectory(Folder);
  if (InChild) process.setChildProcessModifier(InChild);
  process.start(STRIPEMAKER, Arguments);
  process.waitForFinished(TimeLimitMs);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// A temporary folder for a run's files, named relative to it; removed with
// everything in it at the end of the test.
class TRunFolder {
 public:
  QString Path(const QString& Name) const { return dir_.filePath(Name); }
  // Writes an input file; false when it cannot be written whole.
  bool Write(const QString& Name, const QByteArray& Contents) const {
    QFile file(Path(Name));
    return file.open(QIODevice::WriteOnly) && file.write(Contents) == Contents.size();
  }
  // A file's bytes; empty when it cannot be read.
  QByteArray Contents(const QString& Name) const { return ReadAll(Path(Name)); }
  // Every file of a folder in it (none: of itself), hidden ones included,
  // by name.
  QMap<QString, QByteArray> Files(const QString& Folder = QString()) const {
    const QDir folder(Folder.isEmpty() ? dir_.path() : Path(Folder));
    QMap<QString, QByteArray> files;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
      files[name] = ReadAll(folder.filePath(name));
    return files;
  }

 private:
  static QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir dir_;
};

}  // namespace tessel::testing
