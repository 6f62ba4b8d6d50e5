// Stripemaker, the barcode generator. With options it works as a command
// line; without, it opens its window. The command line runs on a
// QGuiApplication: it draws and writes files but shows no widgets, so it
// does not pay for setting them up.
#include <QApplication>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "generator/cli/Cli.h"
#include "generator/window/MainWindow.h"

int main(int argc, char** argv) {
  // A file size limit (ulimit -f) then fails the write with EFBIG, reported
  // and cleaned up like any write error, instead of killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc > 1) {
    std::optional<QGuiApplication> commandLine(std::in_place, argc, argv);
    QGuiApplication::setApplicationName("Stripemaker");
    const QStringList arguments = QGuiApplication::arguments();
    if (tessel::generator::WantsCommandLine(arguments)) return tessel::generator::RunCommandLine(arguments);
    // Only Qt's own options: the window, with them.
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Stripemaker");
  const QString platform = QApplication::platformName();
  if (platform == "offscreen" || platform == "minimal") {
    std::fputs("stripemaker: there is no display to open the window on; see stripemaker --help for the command line\n",
               stderr);
    return tessel::generator::ExitUsage;
  }
  return tessel::generator::RunWindow();
}
