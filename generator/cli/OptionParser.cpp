#include "generator/cli/OptionParser.h"

#include <algorithm>

namespace tessel::generator {
namespace {

constexpr std::size_t HelpWidth = 79;
constexpr std::size_t HelpIndent = 2;
constexpr std::size_t HelpGap = 2;

// "-x, --name <value>", "--name <value>", or "--name [value]" when the
// value is optional.
std::string Names(const TOptionSpec& option) {
  std::string names = option.Short.empty() ? std::string() : "-" + std::string(option.Short) + ", ";
  names += "--" + std::string(option.Long);
  if (!option.ValueName.empty()) {
    const std::string value(option.ValueName);
    names += option.ValueOptional ? " [" + value + "]" : " <" + value + ">";
  }
  return names;
}

// Text broken at spaces into lines of at most Width characters (a longer
// word stands on a line of its own).
std::vector<std::string> Wrap(std::string_view text, std::size_t width) {
  std::vector<std::string> lines(1);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(start, end - start);
    if (!lines.back().empty() && lines.back().size() + 1 + word.size() > width) lines.emplace_back();
    if (!lines.back().empty()) lines.back() += ' ';
    lines.back() += word;
    start = end + 1;
  }
  return lines;
}

}  // namespace

const TOptionSpec* TOptionParser::Find(std::string_view name) const {
  const auto row = std::ranges::find_if(table_, [&](const TOptionSpec& option) {
    return option.Long == name || (!option.Short.empty() && option.Short == name);
  });
  return row == table_.end() ? nullptr : &*row;
}

bool TOptionParser::Take(const TOptionSpec& option, std::string_view written, std::optional<std::string> inlineValue,
                         std::span<const std::string> arguments, std::size_t& index) {
  std::vector<std::string>& values = values_[std::string(option.Long)];
  if (option.ValueName.empty()) {
    if (inlineValue) {
      error_ = "Unexpected value after '" + std::string(written) + "'.";
      return false;
    }
    values.emplace_back();
    return true;
  }
  if (!inlineValue && option.ValueOptional) {
    const bool nextIsValue = index + 1 < arguments.size() && !arguments[index + 1].starts_with('-');
    inlineValue = nextIsValue ? arguments[++index] : std::string();
  }
  if (!inlineValue) {
    if (index + 1 >= arguments.size()) {
      error_ = "Missing value after '" + std::string(written) + "'.";
      return false;
    }
    inlineValue = arguments[++index];
  }
  values.push_back(std::move(*inlineValue));
  return true;
}

bool TOptionParser::Parse(std::span<const std::string> Arguments) {
  values_.clear();
  positional_.clear();
  error_.clear();
  bool options = true;
  for (std::size_t i = 1; i < Arguments.size(); ++i) {
    const std::string& argument = Arguments[i];
    if (!options || argument.size() < 2 || argument[0] != '-') {
      positional_.push_back(argument);
      continue;
    }
    if (argument == "--") {
      options = false;
      continue;
    }
    const bool isLong = argument[1] == '-';
    std::string_view name = std::string_view(argument).substr(isLong ? 2 : 1);
    std::optional<std::string> inlineValue;
    if (isLong) {
      if (const std::size_t equals = name.find('='); equals != std::string_view::npos) {
        inlineValue = std::string(name.substr(equals + 1));
        name = name.substr(0, equals);
      }
    } else if (name.size() > 1) {
      // "-xvalue": a one-letter option with its value attached.
      if (const TOptionSpec* option = Find(name.substr(0, 1)); option && !option->ValueName.empty()) {
        inlineValue = std::string(name.substr(1));
        name = name.substr(0, 1);
      }
    }
    const TOptionSpec* option = Find(name);
    if (!option || (isLong != (option->Long == name))) {
      error_ = "Unknown option '" + std::string(name) + "'.";
      return false;
    }
    if (!Take(*option, isLong ? "--" + std::string(name) : "-" + std::string(name), std::move(inlineValue), Arguments,
              i))
      return false;
  }
  return true;
}

bool TOptionParser::IsSet(std::string_view Long) const { return values_.contains(Long); }

std::string TOptionParser::Value(std::string_view Long) const {
  if (const auto given = values_.find(Long); given != values_.end()) return given->second.back();
  const TOptionSpec* option = Find(Long);
  return option ? std::string(option->Default) : std::string();
}

std::vector<std::string> TOptionParser::Values(std::string_view Long) const {
  const auto given = values_.find(Long);
  return given == values_.end() ? std::vector<std::string>() : given->second;
}

std::string TOptionParser::HelpText(std::string_view Program, std::string_view Description) const {
  std::size_t namesWidth = 0;
  for (const TOptionSpec& option : table_) namesWidth = std::max(namesWidth, Names(option).size());
  const std::size_t column = HelpIndent + namesWidth + HelpGap;
  std::string text = "Usage: " + std::string(Program) + " [options]\n" + std::string(Description) + "\n\nOptions:\n";
  for (const TOptionSpec& option : table_) {
    const std::string names = Names(option);
    std::string line = std::string(HelpIndent, ' ') + names + std::string(column - HelpIndent - names.size(), ' ');
    for (const std::string& piece : Wrap(option.Description, HelpWidth - column)) {
      text += line + piece + "\n";
      line.assign(column, ' ');
    }
  }
  return text;
}

}  // namespace tessel::generator
