// Printing from the window through a real CUPS server: the fixture starts its
// own cupsd (configuration, spool and socket in a temporary folder) with a
// cups-pdf queue as the default printer, the window prints, and the PDF is
// rasterised at 600 dpi to check where and how wide the symbol came out.
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "generator/window/PrintParameters.h"
#include "gui/WindowTestSupport.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "qt/QtTestSupport.h"

using namespace tessel;
using namespace tessel::generator;
using namespace tessel::testing;

namespace {

constexpr const char* Cupsd = "/usr/sbin/cupsd";
constexpr const char* Lpadmin = "/usr/sbin/lpadmin";
constexpr const char* CupsPdfBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* CupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
constexpr const char* Queue = "TesselPdf";
constexpr int RasterDpi = 600;

bool WriteText(const QString& path, const QByteArray& text) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QSet<QString> PdfFilesIn(const QString& folder) {
  QSet<QString> files;
  for (QDirIterator it(folder, {"*.pdf"}, QDir::Files); it.hasNext();) files << it.next();
  return files;
}

// Runs a command to its end; its output when it failed.
QString RunCommand(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForFinished(30000)) return program + " did not finish";
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return program + ": " + QString::fromLocal8Bit(process.readAll());
  return {};
}

}  // namespace

class CupsPrinting : public WindowTest {
 protected:
  void SetUp() override {
    for (const char* file : {Cupsd, Lpadmin, CupsPdfBackend, CupsPdfPpd})
      if (!QFileInfo::exists(file))
        GTEST_SKIP() << "CUPS cannot run here: " << file << " is missing (packages cups, printer-driver-cups-pdf)";
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty()) GTEST_SKIP() << "pdftoppm is missing (poppler-utils)";
    if (geteuid() != 0) GTEST_SKIP() << "CUPS cannot run here: the cups-pdf backend needs a server run as root";
    ASSERT_TRUE(root_.isValid());
    StartServer();
    if (HasFatalFailure() || IsSkipped()) return;
    // cups-pdf writes into the job owner's ~/PDF.
    outFolder_ = QDir::homePath() + "/PDF";
    outFolderExisted_ = QDir(outFolder_).exists();
    before_ = PdfFilesIn(outFolder_);
    WindowTest::SetUp();
  }

  void TearDown() override {
    WindowTest::TearDown();
    TQtPlatform::Instance().UseSystemPrinter();
    if (server_.state() != QProcess::NotRunning) {
      server_.terminate();
      if (!server_.waitForFinished(10000)) server_.kill();
      server_.waitForFinished(5000);
    }
    for (const QString& file : PdfFilesIn(outFolder_) - before_) QFile::remove(file);
    if (!outFolder_.isEmpty() && !outFolderExisted_) QDir(outFolder_).removeRecursively();
    qunsetenv("CUPS_SERVER");
  }

  void StartServer() {
    const QString dir = root_.path();
    for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log", "ppd"}) ASSERT_TRUE(QDir(dir).mkpath(sub));
    socket_ = dir + "/cups.sock";
    ASSERT_TRUE(WriteText(dir + "/cupsd.conf", QString("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing Off\n"
                                                       "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                                                       "  Allow all\n</Location>\n<Location /admin>\n"
                                                       "  Order allow,deny\n  Allow all\n</Location>\n")
                                                   .arg(socket_)
                                                   .toUtf8()));
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
    server_.setProcessChannelMode(QProcess::MergedChannels);
    server_.start(Cupsd, {"-f", "-c", dir + "/cupsd.conf", "-s", dir + "/cups-files.conf"});
    if (!server_.waitForStarted(10000)) GTEST_SKIP() << "CUPS cannot run here: cupsd did not start";
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(socket_) && server_.state() == QProcess::Running && waited.elapsed() < 15000)
      QTest::qWait(50);
    if (!QFileInfo::exists(socket_))
      GTEST_SKIP() << "CUPS cannot run here: cupsd ended: " << server_.readAll().toStdString();
    qputenv("CUPS_SERVER", socket_.toLocal8Bit());
    const QString added = RunCommand(Lpadmin, {"-h", socket_, "-p", Queue, "-E", "-v", "cups-pdf:/", "-P", CupsPdfPpd});
    ASSERT_TRUE(added.isEmpty()) << added.toStdString();
    const QString madeDefault = RunCommand(Lpadmin, {"-h", socket_, "-d", Queue});
    ASSERT_TRUE(madeDefault.isEmpty()) << madeDefault.toStdString();
  }

  // Waits for the PDF of the job; empty when none came.
  QString WaitForPdf() {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 90000) {
      const QSet<QString> added = PdfFilesIn(outFolder_) - before_;
      if (!added.isEmpty()) {
        QString file = *added.begin();
        const qint64 size = QFileInfo(file).size();
        QTest::qWait(500);  // complete when its size stays put
        if (size > 0 && QFileInfo(file).size() == size) return file;
      } else {
        QTest::qWait(200);
      }
    }
    return {};
  }

  QTemporaryDir root_;
  QProcess server_;
  QString socket_, outFolder_;
  bool outFolderExisted_ = false;
  QSet<QString> before_;
};

TEST_F(CupsPrinting, PrintsTheSymbolAtItsPlaceAndWidth) {
  // The window asks for the system's default printer itself.
  recorded.Printer = nullptr;
  window = std::make_unique<TfrmDemo>([this] {
    TWindowServices services = DesktopServices();
    services.ShowError = [this](QWidget*, const QString& message) { recorded.Errors << message; };
    return services;
  }());
  window->show();
  window->btnPrint->click();
  ASSERT_TRUE(recorded.Errors.isEmpty()) << recorded.Errors.join('\n').toStdString();
  const QString label = window->labWidth->text();
  ASSERT_TRUE(label.startsWith("Width: ")) << label.toStdString();
  const double widthMM = label.mid(7).chopped(3).toDouble();

  TQtPrinter* printer = TQtPlatform::Instance().QtPrinter();
  ASSERT_NE(printer, nullptr);
  EXPECT_EQ(printer->Device().printerName(), Queue);
  const QMarginsF margins = printer->Device().pageLayout().margins(QPageLayout::Millimeter);
  const double devicePixel = RasterDpi / double(printer->Device().resolution());

  const QString pdf = WaitForPdf();
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the cups-pdf queue";
  const QString png = root_.filePath("page");
  const QString rasterised =
      RunCommand("pdftoppm", {"-r", QString::number(RasterDpi), "-gray", "-png", "-singlefile", pdf, png});
  ASSERT_TRUE(rasterised.isEmpty()) << rasterised.toStdString();
  QImageReader reader(png + ".png");
  reader.setAllocationLimit(0);  // a page at 600 dpi is larger than the default limit
  const QImage page = reader.read();
  ASSERT_FALSE(page.isNull()) << reader.errorString().toStdString();

  const auto toPixels = [](double mm) { return mm * RasterDpi / MillimetresPerInch; };
  const QRect ink = InkBox(page);
  // Left and Top (20 mm) from the printable area's corner.
  EXPECT_NEAR(ink.left(), toPixels(margins.left() + 20), devicePixel + 1);
  EXPECT_NEAR(ink.top(), toPixels(margins.top() + 20), devicePixel + 1);
  // The bars, measured across their middle, are as wide as the label says.
  const int y = ink.top() + 10;
  int first = -1, last = -1;
  for (int x = 0; x < page.width(); ++x)
    if (qGray(page.pixel(x, y)) < 128) (first < 0 ? first : last) = x, last = x;
  EXPECT_NEAR(last - first + 1, toPixels(widthMM), devicePixel + 1);
  const auto decoded = Decode(page, "Codabar");
  ASSERT_TRUE(decoded);
  EXPECT_NE(decoded->Text.find("1234567890"), std::string::npos) << decoded->Text;
}
