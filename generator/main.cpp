// Stripemaker, the barcode generator. With options it works as a command
// line; without, it opens its window.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "generator/Cli.h"
#include "generator/MainWindow.h"

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setApplicationName("Stripemaker");
  const QStringList arguments = QApplication::arguments();
  if (tessel::generator::WantsCommandLine(arguments)) return tessel::generator::RunCommandLine(arguments);
  const QString platform = QApplication::platformName();
  if (platform == "offscreen" || platform == "minimal") {
    std::fputs("stripemaker: there is no display to open the window on; see stripemaker --help for the command line\n",
               stderr);
    return tessel::generator::ExitUsage;
  }
  return tessel::generator::RunWindow();
}
