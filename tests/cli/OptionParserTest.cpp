// The option parser's values: required, optional and absent, in their long
// and one-letter forms, and how the help text writes them.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "generator/cli/OptionParser.h"

using namespace tessel::generator;

namespace {

const std::array Table{
    TOptionSpec{"P", "print", "Prints to this queue, else the default one.", "QUEUE", {}, true},
    TOptionSpec{"o", "output", "The output file.", "file"},
    TOptionSpec{"v", "verbose", "Reports more."},
};

struct TCase {
  std::vector<std::string> Arguments;  // after the program's name
  bool Parsed;
  std::string Print;  // the value of --print when parsed
  std::vector<std::string> Positional;
  bool Verbose = false;
};

}  // namespace

TEST(OptionParser, OptionalValueTakenInlineOrFromAnArgumentNotStartingWithADash) {
  const std::vector<TCase> cases{
      {{"--print"}, true, "", {}},
      {{"--print=Office"}, true, "Office", {}},
      {{"--print="}, true, "", {}},
      {{"--print", "Office"}, true, "Office", {}},
      {{"--print", "-v"}, true, "", {}, true},
      {{"--print", "--", "label.txt"}, true, "", {"label.txt"}},
      {{"-P"}, true, "", {}},
      {{"-POffice"}, true, "Office", {}},
      {{"-P", "Office", "label.txt"}, true, "Office", {"label.txt"}},
      {{"--output"}, false, "", {}},
      {{"--verbose=yes"}, false, "", {}},
  };
  for (const TCase& test : cases) {
    std::vector<std::string> arguments{"stripemaker"};
    arguments.insert(arguments.end(), test.Arguments.begin(), test.Arguments.end());
    const std::string written = ::testing::PrintToString(test.Arguments);
    TOptionParser parser(Table);
    ASSERT_EQ(parser.Parse(arguments), test.Parsed) << written << ": " << parser.ErrorText();
    if (!test.Parsed) continue;
    EXPECT_TRUE(parser.IsSet("print")) << written;
    EXPECT_EQ(parser.Value("print"), test.Print) << written;
    EXPECT_EQ(parser.Positional(), test.Positional) << written;
    EXPECT_EQ(parser.IsSet("verbose"), test.Verbose) << written;
  }
  TOptionParser parser(Table);
  ASSERT_FALSE(parser.Parse(std::vector<std::string>{"stripemaker", "--output"}));
  EXPECT_EQ(parser.ErrorText(), "Missing value after '--output'.");
}

TEST(OptionParser, HelpWritesAnOptionalValueInBrackets) {
  const std::string help = TOptionParser(Table).HelpText("stripemaker", "Makes symbols.");
  EXPECT_NE(help.find("-P, --print [QUEUE]  Prints to this queue"), std::string::npos) << help;
  EXPECT_NE(help.find("-o, --output <file>"), std::string::npos) << help;
  EXPECT_NE(help.find("-v, --verbose  "), std::string::npos) << help;
}
