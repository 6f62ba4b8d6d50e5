#include <gtest/gtest.h>

#include <random>

#include "engine/RecordingCanvas.h"
#include "engine/SymbolTestSupport.h"
#include "symbologies/pCode128.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

struct TSubsetEncoding {
  std::vector<int> Values;  // data values only
  TCode128SubSet Start, Final;
};

TSubsetEncoding EncodeValues(const std::string& text, TCode128SubSet initial = cssSubAuto) {
  const TCode128Scanned scanned = TBarcode_Code128::BarcodeScan(text, static_cast<int>(text.size()));
  std::string values;
  TSubsetEncoding result{};
  TBarcode_Code128::Encode(scanned, static_cast<int>(scanned.Text.size()), values, result.Start, result.Final, initial);
  for (char v : values) result.Values.push_back(static_cast<unsigned char>(v));
  return result;
}

}  // namespace

TEST(Code128, PatternOfOneLetter) {
  TBarcode_Code128 bc(nullptr);
  std::string full;
  // Start B, "A" (33), check (104 + 33) mod 103 = 34, stop, final bar.
  EXPECT_EQ(bc.MakeData("A", true, full),
            "605153505262525062627050"
            "6");
  EXPECT_EQ(full, "AB");  // check value 34 printed in subset B
  EXPECT_EQ(bc.MakeData("A", false, full),
            "605153505262627050"
            "6");
  EXPECT_EQ(full, "A");
}

// Long for its table of cases, one subset rule a row.
TEST(Code128, SubsetChoices) {
  const struct {
    std::string text;
    TCode128SubSet initial, start, final;
    std::vector<int> values;
  } cases[] = {
      {"123456", cssSubAuto, cssSubSetC, cssSubSetC, {12, 34, 56}},
      {"12345", cssSubAuto, cssSubSetB, cssSubSetC, {17, 99, 23, 45}},
      {"AB12CD", cssSubAuto, cssSubSetB, cssSubSetB, {33, 34, 17, 18, 35, 36}},
      {"12", cssSubAuto, cssSubSetC, cssSubSetC, {12}},  // a pair is enough at the start
      {"A1234567", cssSubAuto, cssSubSetB, cssSubSetC, {33, 17, 99, 23, 45, 67}},
      // One control character among letters: Shift in subset B, else subset A.
      {"a\tb", cssSubAuto, cssSubSetB, cssSubSetB, {65, 98, 73, 66}},
      {"A\tB", cssSubAuto, cssSubSetA, cssSubSetA, {33, 73, 34}},
      {"a\t\nbc", cssSubAuto, cssSubSetB, cssSubSetB, {65, 101, 73, 74, 100, 66, 67}},
      {"\x01"
       "a\x02",
       cssSubAuto,
       cssSubSetA,
       cssSubSetA,
       {65, 98, 65, 66}},
      // Escapes.
      {"\\11234", cssSubAuto, cssSubSetC, cssSubSetC, {102, 12, 34}},
      {"12\\134", cssSubAuto, cssSubSetC, cssSubSetC, {12, 102, 34}},
      {"AB\\1CD", cssSubAuto, cssSubSetB, cssSubSetB, {33, 34, 102, 35, 36}},
      {"1234\\2AB", cssSubAuto, cssSubSetC, cssSubSetB, {12, 34, 100, 97, 33, 34}},
      {"1234\\3\\4\\\\", cssSubAuto, cssSubSetC, cssSubSetB, {12, 34, 100, 96, 100, 60}},
      {"\\aAB\\b\\bc\\c12", cssSubAuto, cssSubSetB, cssSubSetC, {101, 33, 34, 100, 67, 99, 12}},
      {"a\\sb\\c", cssSubAuto, cssSubSetB, cssSubSetC, {65, 98, 66, 99}},
      {"A\\\\B", cssSubAuto, cssSubSetB, cssSubSetB, {33, 60, 34}},
      // A chosen start subset.
      {"123456", cssSubSetA, cssSubSetA, cssSubSetC, {99, 12, 34, 56}},
      {"AB", cssSubSetC, cssSubSetC, cssSubSetB, {100, 33, 34}},
      // FNC4: one character alone, five latched, three at the end latched.
      {"\xE9", cssSubAuto, cssSubSetB, cssSubSetB, {100, 73}},
      {"\xC1\xC2\xC3\xC4\xC5x", cssSubAuto, cssSubSetB, cssSubSetB, {100, 100, 33, 34, 35, 36, 37, 100, 100, 88}},
      {"\xC1\xC2\xC3", cssSubAuto, cssSubSetB, cssSubSetB, {100, 100, 33, 34, 35}},
      {"\xC1\xC2\xC3\xC4x", cssSubAuto, cssSubSetB, cssSubSetB, {100, 33, 100, 34, 100, 35, 100, 36, 88}},
      // Characters carried by FNC4 are never paired as digits in subset C.
      {"\xB1"
       "123",
       cssSubAuto,
       cssSubSetB,
       cssSubSetB,
       {100, 17, 17, 18, 19}},
      {"\xB0\xB1\xB2\xB3\xB4x", cssSubAuto, cssSubSetB, cssSubSetB, {100, 100, 16, 17, 18, 19, 20, 100, 100, 88}},
      {"12\xB3\xB4", cssSubAuto, cssSubSetC, cssSubSetB, {12, 100, 100, 19, 100, 20}},
      // A carried backslash is that character and takes no part in an escape.
      {"\xDC"
       "1",
       cssSubAuto,
       cssSubSetB,
       cssSubSetB,
       {100, 60, 17}},
      {"\xDC\xDC\xDC", cssSubAuto, cssSubSetB, cssSubSetB, {100, 100, 60, 60, 60}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const TSubsetEncoding e = EncodeValues(c.text, c.initial);
    EXPECT_EQ(e.Values, c.values);
    EXPECT_EQ(e.Start, c.start);
    EXPECT_EQ(e.Final, c.final);
  }
}

TEST(Code128, FNC4Rewriting) {
  EXPECT_EQ(TBarcode_Code128::BarcodeScan("a\xC1\xC2\xC3\xC4\xC5z", 7).Text, "a\\4\\4ABCDE\\4\\4z");
  EXPECT_EQ(TBarcode_Code128::BarcodeScan("a\xC1\xC2\xC3", 4).Text, "a\\4\\4ABC");
  EXPECT_EQ(TBarcode_Code128::BarcodeScan("a\xC1\xC2", 3).Text, "a\\4A\\4B");
  EXPECT_EQ(TBarcode_Code128::BarcodeScan("\xDCz", 2).Text, "\\4\\\\z");
  EXPECT_EQ(TBarcode_Code128::BarcodeScan("\xC1\xC2\xC3", 2).Text, "\\4A\\4B");  // only the first Length
}

TEST(Code128, PrintableCheckCharacter) {
  const struct {
    int value;
    TCode128SubSet subset;
    std::string text;
  } cases[] = {
      {0, cssSubSetA, " "},     {63, cssSubSetA, "_"},    {64, cssSubSetA, std::string(1, '\0')},
      {95, cssSubSetA, "\x1F"}, {60, cssSubSetA, "\\\\"}, {60, cssSubSetB, "\\\\"},
      {95, cssSubSetB, "\x7F"}, {96, cssSubSetA, "\\3"},  {97, cssSubSetB, "\\2"},
      {98, cssSubSetA, "\\s"},  {99, cssSubSetB, "\\c"},  {100, cssSubSetA, "\\b"},
      {101, cssSubSetA, "\\4"}, {100, cssSubSetB, "\\4"}, {101, cssSubSetB, "\\a"},
      {102, cssSubSetB, "\\1"}, {5, cssSubSetC, "05"},    {99, cssSubSetC, "99"},
      {100, cssSubSetC, "\\b"}, {101, cssSubSetC, "\\a"}, {102, cssSubSetC, "\\1"},
  };
  for (const auto& c : cases) EXPECT_EQ(TBarcode_Code128::GetCheckSumChar(c.value, c.subset), c.text) << c.value;

  TBarcode_Code128 bc(nullptr);
  std::string full;
  bc.MakeData("123456", true, full);  // (105 + 12 + 68 + 168) mod 103 = 44
  EXPECT_EQ(full, "12345644");
  EXPECT_EQ(bc.CheckSum(), 353);
  EXPECT_EQ(bc.SymbolCharCount(), 4);
}

TEST(Code128, InvalidEscapesAtTheRightIndex) {
  const struct {
    std::string text;
    int error;
  } cases[] = {{"AB\\", 3}, {"A\\xB", 3}, {"\\\\\\", 3}, {"\\1\\2\\3\\4\\a\\b\\c\\s\\\\", 0}, {"\xDC\\", 2}};
  TBarcode_Code128 bc(nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(bc.VerifyAllChars(c.text, true), c.error);
    int index = 0;
    char bad = 0;
    bc.OnInvalidChar = [&](TObject*, int i, char ch) { index = i, bad = ch; };
    bc.SetBarcode(c.text);
    TRecordingCanvas canvas;
    EXPECT_EQ(bc.DrawTo(canvas, 1, 0, 0, 20, 0), c.error);
    EXPECT_EQ(canvas.Polygons.empty(), c.error != 0);
    bc.DefaultDisplayWidth(1, 0);  // reports through the events
    EXPECT_EQ(index, c.error);
    if (c.error > 0) {
      EXPECT_EQ(bad, c.text[c.error - 1]);
    }
  }
}

// The quantities of the subset choice, walked out position by position as the
// rules state them, against the encoder's precomputed answers.
TEST(Code128, NextModeMatchesTheWalkedRules) {
  std::mt19937 random(128);
  const std::string alphabet = "0123456789Aa\t\x7F\\";
  for (int round = 0; round < 300; ++round) {
    std::string text;
    for (int n = random() % 24; n > 0; --n) {
      const char c = alphabet[random() % alphabet.size()];
      text += c;
      if (c == '\\') text += "1234abcs\\1"[random() % 10];
    }
    const int n = static_cast<int>(text.size());
    auto digit = [&](int i) { return i < n && text[i] >= '0' && text[i] <= '9'; };
    auto raw = [&](int i) {
      int r = 0;
      while (digit(i + r)) ++r;
      return r;
    };
    auto cRun = [&](int i) {
      const int r = raw(i);
      int j = i + r;
      while (j + 1 < n && text[j] == '\\' && text[j + 1] == '1') j += 2;
      return j != i + r && digit(j) ? (r + raw(j)) & ~1 : r & ~1;
    };
    auto only = [&](int i, bool a) {
      int count = 0;
      while (i < n) {
        if (text[i] == '\\') {
          i += 2;
          continue;
        }
        const int low = text[i] & 0x7F;
        if (cRun(i) > 3 || (a ? low >= 96 : low < 32)) break;
        count += a ? low < 32 : low >= 96;
        ++i;
      }
      return count;
    };
    for (int i = 0; i <= n; i += i < n && text[i] == '\\' ? 2 : 1) {
      for (bool first : {false, true}) {
        const int c = cRun(i), a = only(i, true), b = only(i, false);
        const TCode128SubSet expected = raw(i) % 2 == 0 && (c >= 4 || (first && c >= 2)) ? cssSubSetC
                                        : b >= 2                                         ? cssSubSetB
                                        : a > 1 || a > b                                 ? cssSubSetA
                                                                                         : cssSubSetB;
        EXPECT_EQ(TBarcode_Code128::GetNextMode(text, n, first, i + 1), expected) << text << " at " << i + 1;
      }
    }
  }
}

// Long "\1" chains, digit runs and walks that a rescanning encoder would
// repeat at every character come out whole (their speed is measured by the
// Code 128 rows of bench/SymbolBench).
TEST(Code128, LongChainedTextsEncodeWhole) {
  std::string text;
  for (int i = 0; i < 20000; ++i)
    text += i % 3 == 0 ? "1\\1\\1\\1\\1\\1\\1"
                       : "A\tB\x01"
                         "123";
  TBarcode_Code128 bc(nullptr);
  std::string full;
  const std::string pattern = bc.MakeData(text, true, full);
  EXPECT_EQ(PatternValues(pattern).size(), static_cast<std::size_t>(bc.SymbolCharCount()) + 2);
}

TEST(Code128, PublishedProperties) {
  TBarcode_Code128 bc(nullptr);
  EXPECT_EQ(GetPropValue(bc, "InitialSubSet"), "cssSubAuto");
  SetPropValue(bc, "InitialSubSet", "cssSubSetA");
  EXPECT_EQ(FindProperty(bc.ClassType(), "ExtraFontSize"), nullptr);
  std::unique_ptr<TComponent> created(CreateComponent("TBarcode_Code128", nullptr));
  ASSERT_NE(created, nullptr);
  static_cast<TBarcode_Code128*>(created.get())->Assign(&bc);
  EXPECT_EQ(static_cast<TBarcode_Code128*>(created.get())->InitialSubSet(), cssSubSetA);
}
