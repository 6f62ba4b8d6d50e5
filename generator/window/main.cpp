// Stripemaker-qt: the generator's window, and the command line with --db,
// which reads databases through Qt SQL. Stripemaker starts it for those;
// the command line runs on a QGuiApplication: it draws and writes files but
// shows no widgets, so it does not pay for setting them up.
#include <QApplication>
#include <QGuiApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "generator/cli/Cli.h"
#include "generator/cli/qt/DbBatch.h"
#include "generator/window/MainWindow.h"

int main(int argc, char** argv) {
  std::signal(SIGXFSZ, SIG_IGN);  // as stripemaker: a file size limit fails the write
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  if (argc > 1) {
    std::optional<QGuiApplication> commandLine(std::in_place, argc, argv);
    QGuiApplication::setApplicationName("Stripemaker");
    // QGuiApplication took its own options out of argv.
    const std::vector<std::string> arguments(argv, argv + argc);
    if (arguments.size() > 1) return tessel::generator::RunCommandLine(arguments, tessel::generator::OpenDbSource);
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
