// Templates: fields by name and column, the record number, padding and
// braces; what cannot be parsed, and what a record cannot fill.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generator/cli/Template.h"

using tessel::generator::ParseTemplate;
using tessel::generator::TTemplate;

namespace {

const std::vector<std::string> Names{"sku", "lot", "name"};

TEST(Template, ExpandsFieldsNumbersPaddingAndBraces) {
  const std::vector<std::string> fields{"A-1", "42", "Box"};
  const struct {
    std::string Text, Expected;
  } cases[] = {
      {"{sku}-{lot}", "A-1-42"},     {"{3} {1}", "Box A-1"},  {"{n}", "7"}, {"{n:06}", "000007"},
      {"{lot:04}/{n:01}", "0042/7"}, {"{{{name}}}", "{Box}"}, {"", ""},
  };
  for (const auto& c : cases) {
    TTemplate parsed;
    ASSERT_EQ(ParseTemplate(c.Text, Names, parsed), "") << c.Text;
    std::string out;
    EXPECT_EQ(parsed.Expand(fields, 7, out), "") << c.Text;
    EXPECT_EQ(out, c.Expected) << c.Text;
  }
}

TEST(Template, RefusesWhatCannotBeParsedOrFilled) {
  const struct {
    std::string Text, Problem;
  } unparsed[] = {
      {"{skux}", "there is no field named 'skux' (the fields are: sku, lot, name)"},
      {"{4}", "there is no column 4 (the fields are: sku, lot, name)"},
      {"{0}", "there is no column 0"},
      {"{sku", "a '{' is not closed"},
      {"a}b", "a '}' has no '{'"},
      {"{}", "{} names no field"},
      {"{n:6}", "there is no field named 'n:6'"},
      {"{n:00}", "{n:00}: the width after :0 must be from 1 to 64"},
  };
  for (const auto& c : unparsed) {
    TTemplate parsed;
    EXPECT_EQ(ParseTemplate(c.Text, Names, parsed).find(c.Problem), 0u) << ParseTemplate(c.Text, Names, parsed);
  }
  TTemplate padded;
  ASSERT_EQ(ParseTemplate("{sku:08}{name}", Names, padded), "");
  std::string out;
  EXPECT_EQ(padded.Expand({"A-1", "42", "Box"}, 1, out), "{sku:08} pads numbers, not 'A-1'");
  EXPECT_EQ(padded.Expand({"12"}, 1, out), "the record has no field for {name}");
}

}  // namespace
