// Stripemaker, the barcode generator's command line. It runs on the plain
// library; the window and --db are handed over to stripemaker-qt.
#include <csignal>
#include <string>
#include <vector>

#include "generator/cli/Cli.h"
#include "generator/cli/QtProgram.h"

int main(int argc, char** argv) {
  // A file size limit (ulimit -f) then fails the write with EFBIG, reported
  // and cleaned up like any write error, instead of killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> arguments(argv, argv + argc);
  if (tessel::generator::NeedsQtProgram(arguments)) return tessel::generator::ExecQtProgram(argv);
  // A closed pipe on standard output (-o - | head) then fails the write with
  // EPIPE, reported as a write error. Set after the hand-over, which would
  // pass it on to the Qt program.
  std::signal(SIGPIPE, SIG_IGN);
  return tessel::generator::RunCommandLine(arguments);
}
