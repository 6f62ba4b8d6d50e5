// Stripemaker, the barcode generator. With options it works as a command
// line; without, it writes one sample symbol of every symbology into out/
// (the window arrives in a later version).
#include <QApplication>
#include <cstdlib>

#include "generator/Cli.h"
#include "generator/Samples.h"

int main(int argc, char** argv) {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setApplicationName("Stripemaker");
  const QStringList arguments = QApplication::arguments();
  if (tessel::generator::WantsCommandLine(arguments)) return tessel::generator::RunCommandLine(arguments);
  std::puts("Writing one sample symbol of every symbology into out/:");
  return tessel::generator::WriteSamples("out") ? 0 : tessel::generator::ExitFile;
}
