// Runs the stripemaker program for a test: its exit status (-1 when it did
// not exit normally) and what it wrote on standard output and error.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
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

}  // namespace tessel::testing
