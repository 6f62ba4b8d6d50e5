#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "core/pCommon.h"
#include "symbologies/pCode93.h"
#include "symbologies/pCode93Ext.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// Start and stop, module widths 1 1 1 1 4 1, as modules.
constexpr std::string_view StartStopModules = "101011110";

// The pattern of a text of Code 93 characters (shifts written "[]{}"), as
// written directly in module counts.
constexpr auto Plain = PlainPattern<TBarcode_Code93>;

}  // namespace

TEST(Code93, PatternFromModuleCounts) {
  TBarcode_Code93 bc(nullptr);
  EXPECT_EQ(Encode(bc, "A", false).Pattern, "5050806050525050805");
  EXPECT_EQ(ConvertToInternalFormat("1111412111131111411"), "5050806050525050805");
  // The termination bar adds one module.
  EXPECT_EQ(Modules(Encode(bc, "", false).Pattern),
            std::string(StartStopModules) + std::string(StartStopModules) + "1");
  // Every character is 9 modules; start, stop and the termination bar add 19.
  EXPECT_EQ(GetLinesWidth(Encode(bc, "TEST93", true).Pattern, 1, 2.0), 9 * 8 + 19);
}

TEST(Code93, TwoCheckCharactersModulo47) {
  TBarcode_Code93 bc(nullptr);
  struct {
    const char* text;
    const char* full;
  } cases[] = {
      {"A", "AAU"},
      {"TEST93", "TEST93+6"},
      {"", "00"},
      // 21 characters: the first weight restarts at 1 after 20.
      {"ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOPQRSTUVM"},
      // A check character with a shift value is shown as its bracket.
      {"0F", "0FF{"},
  };
  for (const auto& c : cases) EXPECT_EQ(Encode(bc, c.text, true).FullEncoded, c.full) << c.text;
  // The check characters are encoded: the pattern holds them like data.
  EXPECT_EQ(Encode(bc, "0F", true).Pattern, Plain("0FF{"));
}

TEST(Code93, ValidCharacters) {
  TBarcode_Code93 bc(nullptr);
  EXPECT_EQ(bc.VerifyAllChars("AZ09-. $/+%", true), 0);
  for (const char* text : {"Aa", "A[", "A]", "A{", "A}", "A*", "A\xE9"})
    EXPECT_EQ(bc.VerifyAllChars(text, true), 2) << text;

  TBarcode_Code93Ext ext(nullptr);
  EXPECT_EQ(ext.VerifyAllChars("a[]{}*~", true), 0);
  EXPECT_EQ(ext.VerifyAllChars("a\xC3\xA9", true), 2);
}

TEST(Code93Ext, ExpandsThroughTheFullAsciiTable) {
  TBarcode_Code93Ext ext(nullptr);
  struct {
    std::string text, expansion;
  } cases[] = {
      {std::string(1, '\0'), "]U"},
      {"\x01", "[A"},
      {"!", "{A"},
      {"a", "}A"},
      {"\x7F", "]T"},
      {"$%+/", "$%+/"},
      {"[", "]K"},
      {"]", "]M"},
      {"{", "]P"},
      {"}", "]R"},
      {"*", "{J"},
      {"A-. 9", "A-. 9"},
  };
  for (const auto& c : cases) {
    const TEncoded e = Encode(ext, c.text, false);
    EXPECT_EQ(e.Pattern, Plain(c.expansion)) << c.expansion;
    EXPECT_EQ(e.FullEncoded, c.text);
  }
  // The check characters are computed over the expansion and shown after
  // the text as typed.
  const TEncoded checked = Encode(ext, "a", true);
  EXPECT_EQ(checked.FullEncoded, "a8P");
  EXPECT_EQ(checked.Pattern, Plain("}A8P"));
}
