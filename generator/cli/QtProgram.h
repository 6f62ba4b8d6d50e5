// The window and --db live in a second program, stripemaker-qt, which
// loads Qt: the command line hands such a run over to it, so everything
// else starts without loading Qt at all.
#pragma once

#include <string>
#include <vector>

namespace tessel::generator {

// True when the run needs the Qt program: no arguments (the window), only
// Qt's own options (the window, with them), or --db.
bool NeedsQtProgram(const std::vector<std::string>& Arguments);

// Replaces this process by stripemaker-qt with the same arguments, found
// next to this program (a build tree) or in its installed place. Returns
// only when it could not be started: the exit status, with the message
// printed.
int ExecQtProgram(char** Arguments);

}  // namespace tessel::generator
