#include "support/CupsServer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <chrono>
#include <thread>

namespace tessel::testing {
namespace {

constexpr const char* Cupsd = "/usr/sbin/cupsd";
constexpr const char* Lpadmin = "/usr/sbin/lpadmin";
constexpr const char* AdminFolder = "/usr/sbin/";
constexpr const char* CupsPdfBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* CupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
constexpr int CommandTimeoutMs = 30000;
constexpr int StartTimeoutMs = 15000;
constexpr int StopTimeoutMs = 10000;
constexpr int PdfTimeoutMs = 90000;
constexpr int PollMs = 200;
constexpr std::chrono::milliseconds PollInterval(PollMs);
constexpr std::chrono::milliseconds SettleInterval(500);

bool WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QSet<QString> PdfFilesIn(const QString& folder) {
  QSet<QString> files;
  for (QDirIterator it(folder, {"*.pdf"}, QDir::Files); it.hasNext();) files << it.next();
  return files;
}

}  // namespace

QString RunCommand(const QString& Program, const QStringList& Arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(Program, Arguments);
  if (!process.waitForFinished(CommandTimeoutMs)) return Program + " did not finish";
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return Program + ": " + QString::fromLocal8Bit(process.readAll());
  return {};
}

void TCupsServer::WriteConfiguration(const QString& directives) {
  const QString dir = root_.path();
  for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log", "ppd"}) ASSERT_TRUE(QDir(dir).mkpath(sub));
  const QString server = QString(
                             "Listen %1\nLogLevel warn\nWebInterface No\nBrowsing Off\n"
                             "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                             "  Allow all\n</Location>\n<Location /admin>\n"
                             "  Order allow,deny\n  Allow all\n</Location>\n")
                             .arg(socket_) +
                         directives;
  ASSERT_TRUE(WriteText(dir + "/cupsd.conf", server.toUtf8()));
  ASSERT_TRUE(WriteText(dir + "/cups-files.conf",
                        QString("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\n"
                                "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                                "PageLog %1/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                                "SystemGroup root\n")
                            .arg(dir)
                            .toUtf8()));
  QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                 QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                 QFileDevice::ExeOther);
}

void TCupsServer::Start(const QString& Directives) {
  for (const char* file : {Cupsd, Lpadmin, CupsPdfBackend, CupsPdfPpd})
    if (!QFileInfo::exists(file))
      GTEST_SKIP() << "CUPS cannot run here: " << file << " is missing (packages cups, printer-driver-cups-pdf)";
  if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm is missing (poppler-utils)";
  if (geteuid() != 0) GTEST_SKIP() << "CUPS cannot run here: the cups-pdf backend needs a server run as root";
  ASSERT_TRUE(root_.isValid());
  socket_ = root_.filePath("cups.sock");
  WriteConfiguration(Directives);
  if (::testing::Test::HasFatalFailure()) return;

  const QString dir = root_.path();
  server_.setProcessChannelMode(QProcess::MergedChannels);
  server_.start(Cupsd, {"-f", "-c", dir + "/cupsd.conf", "-s", dir + "/cups-files.conf"});
  if (!server_.waitForStarted(StartTimeoutMs)) GTEST_SKIP() << "CUPS cannot run here: cupsd did not start";
  QElapsedTimer waited;
  waited.start();
  // Waiting for the process to end also notices when it does.
  while (!QFileInfo::exists(socket_) && server_.state() == QProcess::Running && waited.elapsed() < StartTimeoutMs)
    server_.waitForFinished(PollMs);
  if (!QFileInfo::exists(socket_))
    GTEST_SKIP() << "CUPS cannot run here: cupsd ended: " << server_.readAll().toStdString();
  qputenv("CUPS_SERVER", socket_.toLocal8Bit());
  const QString added = Administer("lpadmin", {"-p", Queue, "-E", "-v", "cups-pdf:/", "-P", CupsPdfPpd});
  ASSERT_TRUE(added.isEmpty()) << added.toStdString();
  const QString madeDefault = Administer("lpadmin", {"-d", Queue});
  ASSERT_TRUE(madeDefault.isEmpty()) << madeDefault.toStdString();

  outFolder_ = QDir::homePath() + "/PDF";
  outFolderExisted_ = QDir(outFolder_).exists();
  before_ = PdfFilesIn(outFolder_);
}

void TCupsServer::Stop() {
  if (server_.state() != QProcess::NotRunning) {
    server_.terminate();
    if (!server_.waitForFinished(StopTimeoutMs)) server_.kill();
    server_.waitForFinished(StopTimeoutMs);
  }
  qunsetenv("CUPS_SERVER");
  if (outFolder_.isEmpty()) return;
  for (const QString& file : PdfFilesIn(outFolder_) - before_) QFile::remove(file);
  if (!outFolderExisted_) QDir(outFolder_).removeRecursively();
  outFolder_.clear();
}

QString TCupsServer::Administer(const QString& Program, const QStringList& Arguments) const {
  return RunCommand(AdminFolder + Program, QStringList{"-h", socket_} + Arguments);
}

QString TCupsServer::WaitForPdf(const QString& Prefix) const {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < PdfTimeoutMs) {
    for (const QString& file : PdfFilesIn(outFolder_) - before_) {
      if (!QFileInfo(file).fileName().startsWith(Prefix)) continue;
      const qint64 size = QFileInfo(file).size();
      std::this_thread::sleep_for(SettleInterval);  // complete when its size stays put
      if (size > 0 && QFileInfo(file).size() == size) return file;
    }
    std::this_thread::sleep_for(PollInterval);
  }
  return {};
}

QString TCupsServer::PageLog() const {
  QFile log(root_.filePath("log/page_log"));
  return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

}  // namespace tessel::testing
