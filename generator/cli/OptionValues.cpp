#include "generator/cli/OptionValues.h"

#include <charconv>
#include <cstdio>
#include <optional>

#include "generator/cli/Cli.h"
#include "generator/cli/TextCodec.h"
#include "output/OutputSettings.h"

namespace tessel::generator {
namespace {

// A whole number from an option's text (spaces around it allowed), or none.
std::optional<int> WholeNumber(const std::string& text) {
  const std::string trimmed = Trimmed(text);
  const char* first = trimmed.data();
  const char* last = first + trimmed.size();
  if (first != last && *first == '+') ++first;
  int value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || end != last) return std::nullopt;
  return value;
}

// A number as the messages show it.
std::string Shown(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

}  // namespace

int NumberOption(const TOptionParser& Parser, std::string_view Name, int Min, int Max, const std::string& Message) {
  const std::string text = Parser.Value(Name);
  const std::optional<int> number = WholeNumber(text);
  if (!number || *number < Min || *number > Max) throw TExit{ExitUsage, Message + ", not '" + text + "'"};
  return *number;
}

double DecimalOption(const TOptionParser& Parser, std::string_view Name, double Min, double Max) {
  const std::string text = Trimmed(Parser.Value(Name));
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !(value >= Min && value <= Max))
    throw TExit{ExitUsage, "--" + std::string(Name) + " needs a number from " + Shown(Min) + " to " + Shown(Max) +
                               ", not '" + Parser.Value(Name) + "'"};
  return value;
}

int DpiOption(const TOptionParser& Parser) {
  constexpr int ScreenDpi = 96;
  constexpr int PrinterDpi = 300;
  if (!Parser.IsSet("dpi"))
    return Parser.IsSet("xdim") || Parser.IsSet("height") || Parser.IsSet("bwr") ? PrinterDpi : ScreenDpi;
  return NumberOption(Parser, "dpi", MinDpi, MaxDpi, "--dpi needs a whole number from 1 to " + std::to_string(MaxDpi));
}

void RequireNone(const TOptionParser& Parser, std::span<const std::string_view> Options, const char* Needed) {
  for (const std::string_view option : Options)
    if (Parser.IsSet(option)) throw TExit{ExitUsage, "--" + std::string(option) + " needs " + Needed};
}

}  // namespace tessel::generator
