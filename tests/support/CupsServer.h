// A CUPS server of a test's own: cupsd with its configuration, spool, logs
// and socket in a temporary folder, and a cups-pdf queue as the default
// destination. CUPS_SERVER points at it while it runs. cups-pdf writes each
// job's PDF into the job owner's ~/PDF, named after the job's title.
#pragma once

#include <QProcess>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace tessel::testing {

class TCupsServer {
 public:
  static constexpr const char* Queue = "TesselPdf";

  TCupsServer() = default;
  TCupsServer(const TCupsServer&) = delete;
  TCupsServer& operator=(const TCupsServer&) = delete;
  ~TCupsServer() { Stop(); }

  // Starts the server, with Directives added to its cupsd.conf, and adds the
  // queue. Skips the test (GTEST_SKIP) where CUPS cannot run: a program
  // missing, not root, cupsd not starting; fails it when the server cannot
  // be set up. Callers check IsSkipped() and HasFatalFailure() after.
  void Start(const QString& Directives = {});
  // Stops the server, removes the PDFs its jobs wrote and unsets CUPS_SERVER.
  void Stop();

  // Runs a CUPS administration program of /usr/sbin (lpadmin, cupsreject,
  // cupsdisable, ...) against this server; its output when it failed.
  QString Administer(const QString& Program, const QStringList& Arguments) const;
  // Waits for a PDF written since Start() whose name starts with Prefix, and
  // for it to be complete; empty when none came.
  QString WaitForPdf(const QString& Prefix = {}) const;
  // The page log: a line per completed job with its page count and media.
  QString PageLog() const;
  // A folder for the test's own files, removed with the server's.
  QString Folder() const { return root_.path(); }

 private:
  void WriteConfiguration(const QString& directives);

  QTemporaryDir root_;
  QProcess server_;
  QString socket_, outFolder_;
  bool outFolderExisted_ = false;
  QSet<QString> before_;  // the PDFs there were before
};

// Runs a command to its end; its output when it failed.
QString RunCommand(const QString& Program, const QStringList& Arguments);

}  // namespace tessel::testing
