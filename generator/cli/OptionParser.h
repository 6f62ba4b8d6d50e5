// A small command-line option parser driven by a table of options:
// "--name value", "--name=value", "-x value", "-xvalue"; "--" ends the
// options. An option whose value is optional takes the next argument only
// when that does not start with '-'. Its messages and help layout are those users already know.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessel::generator {

// One row of an option table.
struct TOptionSpec {
  std::string_view Short;  // one letter, or empty
  std::string_view Long;
  std::string_view Description;
  std::string_view ValueName = {};  // empty: a flag
  std::string_view Default = {};    // the value when not given
  bool ValueOptional = false;       // may be given without its value: Value() is then ""
};

class TOptionParser {
 public:
  explicit TOptionParser(std::span<const TOptionSpec> Table) : table_(Table) {}

  // Parses Arguments (the program's name first); false with ErrorText set
  // for an unknown option, a missing or unexpected value.
  bool Parse(std::span<const std::string> Arguments);
  const std::string& ErrorText() const { return error_; }

  // By the option's long name.
  bool IsSet(std::string_view Long) const;
  // The last value given, else the default.
  std::string Value(std::string_view Long) const;
  // Every value given, in order.
  std::vector<std::string> Values(std::string_view Long) const;
  const std::vector<std::string>& Positional() const { return positional_; }

  // "Usage: PROGRAM [options]", the description and every option with its
  // text wrapped to 79 columns.
  std::string HelpText(std::string_view Program, std::string_view Description) const;

 private:
  const TOptionSpec* Find(std::string_view name) const;
  // Takes the option's value from Inline or the next argument; false on error.
  bool Take(const TOptionSpec& option, std::string_view written, std::optional<std::string> inlineValue,
            std::span<const std::string> arguments, std::size_t& index);

  std::span<const TOptionSpec> table_;
  std::map<std::string, std::vector<std::string>, std::less<>> values_;  // by long name
  std::vector<std::string> positional_;
  std::string error_;
};

}  // namespace tessel::generator
