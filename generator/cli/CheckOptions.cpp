#include "generator/cli/CheckOptions.h"

#include <array>
#include <cctype>
#include <string>
#include <string_view>

#include "generator/cli/Cli.h"
#include "generator/cli/OptionValues.h"
#include "generator/cli/TextCodec.h"
#include "output/Length.h"

namespace tessel::generator {
namespace {

constexpr double MaxApertureModules = 10;
constexpr double MaxNoiseLevels = 255;

// --spread: bars printed wider (or narrower) by this length, in dots.
double SpreadOption(const TOptionParser& parser, int dpi) {
  const std::optional<TLength> spread = ParseLength(parser.Value("spread"));
  if (!spread)
    throw TExit{ExitUsage,
                "--spread needs a length such as 1 (dot), 0.03mm or -0.02mm, not '" + parser.Value("spread") + "'"};
  return spread->Dots(dpi);
}

// --min-grade: A, B, C or D in either case.
char MinimumGradeOption(const TOptionParser& parser) {
  const std::string grade = Trimmed(parser.Value("min-grade"));
  const char letter = grade.size() == 1 ? static_cast<char>(std::toupper(static_cast<unsigned char>(grade[0]))) : 0;
  if (letter == 0 || std::string_view("ABCD").find(letter) == std::string_view::npos)
    throw TExit{ExitUsage, "--min-grade needs A, B, C or D, not '" + parser.Value("min-grade") + "'"};
  return letter;
}

}  // namespace

TVerifyOptions SimulationOf(const TOptionParser& Parser, int Dpi) {
  TVerifyOptions options;
  if (Parser.IsSet("spread")) options.InkSpread = SpreadOption(Parser, Dpi);
  if (Parser.IsSet("aperture")) options.ApertureModules = DecimalOption(Parser, "aperture", 0, MaxApertureModules);
  if (Parser.IsSet("noise")) options.Noise = DecimalOption(Parser, "noise", 0, MaxNoiseLevels);
  return options;
}

std::optional<TSymbolCheck> CheckOf(const TOptionParser& Parser, int Dpi) {
  if (!Parser.IsSet("check")) {
    constexpr std::array<std::string_view, 3> SimulationOptions{"spread", "aperture", "noise"};
    if (Parser.IsSet("min-grade")) throw TExit{ExitUsage, "--min-grade needs --check"};
    RequireNone(Parser, SimulationOptions, "--check or --verify");
    return std::nullopt;
  }
  TSymbolCheck check{.Options = SimulationOf(Parser, Dpi)};
  if (Parser.IsSet("min-grade")) check.MinimumGrade = MinimumGradeOption(Parser);
  return check;
}

}  // namespace tessel::generator
