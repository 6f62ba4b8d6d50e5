// Plessey, MSI and Telepen compared with the independent encoder zint on
// random texts (neither zxing-cpp nor zbar reads these symbologies). Where
// this library's symbol is meant to differ, the test says how.
#include <gtest/gtest.h>
#include <zint.h>

#include <random>

#include "SymbolTestSupport.h"
#include "ZintSymbol.h"
#include "symbologies/pMSI.h"
#include "symbologies/pPlessey.h"
#include "symbologies/pTelepen.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

constexpr int RandomTexts = 300;

std::string RandomText(std::mt19937& random, std::string_view alphabet, std::size_t maxLength) {
  std::uniform_int_distribution<std::size_t> length(1, maxLength), pick(0, alphabet.size() - 1);
  std::string text(length(random), ' ');
  for (char& c : text) c = alphabet[pick(random)];
  return text;
}

// A module string with wide elements `wide` modules (narrow ones one).
std::string ModulesAt(const std::string& pattern, int wide) {
  std::string modules;
  for (char c : pattern) {
    const bool bar = c >= '5';
    modules.append(c == '0' || c == '5' ? 1 : static_cast<std::size_t>(wide), bar ? '1' : '0');
  }
  return modules;
}

// zint draws Plessey with four-module bits (narrow elements one module, wide
// ones three); rewritten in this library's line classes at Ratio 2: bars 1
// and 3 are "5" and "7", spaces 1 and 3 are "1" and "3".
std::string ZintPlesseyLines(const std::string& modules) {
  std::string lines;
  for (std::size_t at = 0; at < modules.size();) {
    std::size_t run = 1;
    while (at + run < modules.size() && modules[at + run] == modules[at]) ++run;
    const bool bar = modules[at] == '1';
    lines += run == 1 ? (bar ? '5' : '1') : run == 3 ? (bar ? '7' : '3') : '?';
    at += run;
  }
  return lines;
}

// zint's Telepen row keeps the stop character's final narrow space, which
// this library leaves out (a space after the last bar draws nothing).
std::string ZintTelepenRow(const TZintSymbol& zint) {
  std::string row = zint.Rows.at(0);
  if (!row.empty() && row.back() == '0') row.pop_back();
  return row;
}

}  // namespace

// Start, data bits and CRC agree; zint ends with the termination bar one and
// a half wide before the shared tail 35351717, where this library's
// bidirectional termination opens with a bar of five modules ("58").
TEST(ZintCrossCheck, PlesseyAgreesUpToTheTerminationBar) {
  std::mt19937 random(4711);
  const std::string sharedTail = "35351717";
  for (int i = 0; i < RandomTexts; ++i) {
    const std::string text = RandomText(random, "0123456789ABCDEF", 24);
    SCOPED_TRACE(text);
    const TZintSymbol zint = ZintEncode(BARCODE_PLESSEY, text);
    ASSERT_LT(zint.Error, ZINT_ERROR);
    ASSERT_EQ(zint.Rows.size(), 1u);
    TBarcode_Plessey bc(nullptr);
    const std::string ours = Encode(bc, text, true).Pattern;
    const std::string data = ours.substr(0, ours.size() - 2 - sharedTail.size());
    EXPECT_EQ(ours.substr(data.size()), "58" + sharedTail);
    EXPECT_EQ(ZintPlesseyLines(zint.Rows[0]), data + std::string("7").append(sharedTail));
  }
}

TEST(ZintCrossCheck, MsiAgreesModuleByModuleForEveryCheckMethod) {
  struct {
    int zintOption;  // zint's option_2
    bool check;
    TCheckMethod method;
    TMod11Weighting weighting;
  } methods[] = {
      {0, false, cmMod10, mwIBM},  {1, true, cmMod10, mwIBM}, {2, true, cmMod1010, mwIBM}, {3, true, cmMod11, mwIBM},
      {4, true, cmMod1110, mwIBM}, {5, true, cmMod11, mwNCR}, {6, true, cmMod1110, mwNCR},
  };
  std::mt19937 random(815);
  int checkValuesOf10 = 0;
  for (int i = 0; i < RandomTexts; ++i) {
    const std::string text = RandomText(random, "0123456789", 20);
    for (const auto& m : methods) {
      SCOPED_TRACE(text + " option " + std::to_string(m.zintOption));
      const TZintSymbol zint = ZintEncode(BARCODE_MSI_PLESSEY, text, {-1, m.zintOption, 0});
      ASSERT_LT(zint.Error, ZINT_ERROR);
      TBarcode_MSI bc(nullptr);
      bc.SetCheckMethod(m.method);
      bc.SetMod11Weighting(m.weighting);
      const TEncoded ours = Encode(bc, text, m.check);
      EXPECT_EQ(Modules(ours.Pattern), zint.Rows.at(0));
      if (m.method == cmMod11 && ours.FullEncoded.size() == text.size() + 2) ++checkValuesOf10;
    }
  }
  EXPECT_GT(checkValuesOf10, 0);  // zint also sends a modulo-11 value of 10 as "10"
}

TEST(ZintCrossCheck, TelepenAgreesModuleByModule) {
  std::string ascii;
  for (int c = 0; c < 128; ++c) ascii += static_cast<char>(c);
  std::mt19937 random(1966);
  for (int i = 0; i < RandomTexts; ++i) {
    const std::string text = RandomText(random, ascii, 30);
    SCOPED_TRACE(::testing::PrintToString(text));
    const TZintSymbol zint = ZintEncode(BARCODE_TELEPEN, text);
    ASSERT_LT(zint.Error, ZINT_ERROR);
    TBarcode_Telepen bc(nullptr);
    EXPECT_EQ(ModulesAt(Encode(bc, text, true).Pattern, 3), ZintTelepenRow(zint));
  }
}

// zint's numeric Telepen pads an odd text with a leading zero (toeUseZero)
// and keeps the ASCII start and stop; this library's tgAuto uses numeric
// guards for tmNumeric.
TEST(ZintCrossCheck, TelepenNumericAgreesWithAsciiGuardsAndZeroPadding) {
  std::mt19937 random(2024);
  for (int i = 0; i < RandomTexts; ++i) {
    const std::string text = RandomText(random, "0123456789", 40);
    SCOPED_TRACE(text);
    const TZintSymbol zint = ZintEncode(BARCODE_TELEPEN_NUM, text);
    ASSERT_LT(zint.Error, ZINT_ERROR);
    TBarcode_Telepen bc(nullptr);
    bc.SetMode(tmNumeric);
    bc.SetOddEncode(toeUseZero);
    bc.SetGuards(tgASCII);
    EXPECT_EQ(ModulesAt(Encode(bc, text, true).Pattern, 3), ZintTelepenRow(zint));
  }
}
