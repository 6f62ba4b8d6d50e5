#include "generator/cli/QtProgram.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "generator/cli/Cli.h"

namespace tessel::generator {
namespace {

constexpr std::string_view QtProgramName = "stripemaker-qt";

// Qt's own options that QGuiApplication and QApplication take, and whether
// each takes the next argument as its value.
struct TQtOption {
  std::string_view Name;
  bool TakesValue;
};
constexpr std::array QtOptions{
    TQtOption{"platform", true},        TQtOption{"platformpluginpath", true},
    TQtOption{"platformtheme", true},   TQtOption{"plugin", true},
    TQtOption{"qwindowgeometry", true}, TQtOption{"qwindowicon", true},
    TQtOption{"qwindowtitle", true},    TQtOption{"qwindowalpha", false},
    TQtOption{"reverse", false},        TQtOption{"session", true},
    TQtOption{"display", true},         TQtOption{"geometry", true},
    TQtOption{"title", true},           TQtOption{"icon", true},
    TQtOption{"style", true},           TQtOption{"stylesheet", true},
    TQtOption{"widgetcount", false},    TQtOption{"nograb", false},
    TQtOption{"dograb", false},         TQtOption{"qmljsdebugger", true},
};

// The Qt option an argument names ("-platform", "--platform", "-platform=x"),
// or null; Inline tells whether its value came with it.
const TQtOption* FindQtOption(std::string_view argument, bool& inlineValue) {
  if (!argument.starts_with('-')) return nullptr;
  argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
  const std::size_t equals = argument.find('=');
  inlineValue = equals != std::string_view::npos;
  const std::string_view name = argument.substr(0, equals);
  const auto option = std::ranges::find(QtOptions, name, &TQtOption::Name);
  return option == QtOptions.end() ? nullptr : &*option;
}

bool OnlyQtOptions(const std::vector<std::string>& arguments) {
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    bool inlineValue = false;
    const TQtOption* option = FindQtOption(arguments[i], inlineValue);
    if (!option) return false;
    if (option->TakesValue && !inlineValue) ++i;
  }
  return true;
}

// The folder of the running program.
std::filesystem::path ProgramFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
}

}  // namespace

bool NeedsQtProgram(const std::vector<std::string>& Arguments) {
  return Arguments.size() <= 1 || OnlyQtOptions(Arguments) || WantsDatabase(Arguments);
}

int ExecQtProgram(char** Arguments) {
  const std::filesystem::path folder = ProgramFolder();
  // Next to this program in a build tree; installed, in the libexec folder.
  const std::array candidates{folder / QtProgramName, (folder / TESSEL_QT_PROGRAM).lexically_normal()};
  for (const std::filesystem::path& candidate : candidates)
    if (access(candidate.c_str(), X_OK) == 0) {
      execv(candidate.c_str(), Arguments);
      std::fprintf(stderr, "stripemaker: cannot start %s: %s\n", candidate.c_str(), std::strerror(errno));
      return ExitUsage;
    }
  std::fprintf(stderr, "stripemaker: the window and --db need %s, which was not found (looked for %s and %s)\n",
               std::string(QtProgramName).c_str(), candidates[0].c_str(), candidates[1].c_str());
  return ExitUsage;
}

}  // namespace tessel::generator
