#include "platform/qt/QtPlatform.h"

#include <QGuiApplication>
#include <QPrinterInfo>
#include <QScreen>
#include <cstdlib>

#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtPrinter.h"

namespace tessel {

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tesselkit";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* application = new QGuiApplication(argc, argv);
  (void)application;
}

std::unique_ptr<TBitmap> TQtPlatform::CreateBitmap() { return std::make_unique<TQtBitmap>(); }

TPrinter* TQtPlatform::Printer() { return QtPrinter(); }

TQtPrinter* TQtPlatform::QtPrinter() {
  if (!printerChosen_) {
    printerChosen_ = true;
    EnsureGuiApplication();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) printer_ = std::make_unique<TQtPrinter>(info);
  }
  return printer_.get();
}

int TQtPlatform::ScreenPixelsPerInch() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

void TQtPlatform::UsePdfPrinter(const QString& file, int dpi) {
  EnsureGuiApplication();
  printer_ = std::make_unique<TQtPrinter>(file, dpi);
  printerChosen_ = true;
}

void TQtPlatform::UseSystemPrinter() {
  printer_.reset();
  printerChosen_ = false;
}

TQtPlatform& TQtPlatform::Instance() {
  static TQtPlatform platform;
  return platform;
}

namespace {
// The library installs its platform when it is loaded.
const bool installed = (InstallPlatform(&TQtPlatform::Instance()), true);
}  // namespace

}  // namespace tessel
