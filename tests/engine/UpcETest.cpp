// The UPC-E family: expansion to UPC-A, check digits, number-system rules and
// the parities of both number systems.
#include <gtest/gtest.h>

#include "engine/RecordingCanvas.h"
#include "engine/SymbolTestSupport.h"
#include "symbologies/pUPCE.h"
#include "symbologies/pUPCE0.h"
#include "symbologies/pUPCE1.h"
#include "symbologies/pUPCECom.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// Data digits 2 to 7 of the full text in the given parities ('A' or 'B').
std::string UpcEModules(const std::string& full, const std::string& parities) {
  std::string bits = "101";
  for (int k = 0; k < 6; ++k) bits += parities[k] == 'A' ? SetA[full[k + 1] - '0'] : SetB[full[k + 1] - '0'];
  return bits + "010101";
}

}  // namespace

TEST(UpcE, ExpansionByTheLastDataDigit) {
  const std::pair<const char*, const char*> cases[] = {
      {"0123450", "01200000345"}, {"0123451", "01210000345"}, {"0123452", "01220000345"}, {"0123453", "01230000045"},
      {"0123454", "01234000005"}, {"0123455", "01234500005"}, {"0123456", "01234500006"}, {"1654329", "16543200009"},
  };
  for (const auto& [upce, upca] : cases) EXPECT_EQ(UPCE_To_UPCA(upce), upca) << upce;
}

TEST(UpcE, TypedNumberSystemCheckDigitAndParities) {
  TBarcode_UPCE bc(nullptr);
  std::string full;
  const std::string pattern = bc.MakeData("0123456", true, full);
  EXPECT_EQ(full, "01234565");
  // Check digit 5: row "EooEEo", even parity = number set B; 51 modules.
  EXPECT_EQ(Modules(pattern), UpcEModules(full, "BAABBA"));
}

TEST(UpcE, ImpliedNumberSystemZeroMatchesTheTypedOne) {
  TBarcode_UPCE typed(nullptr);
  TBarcode_UPCE0 implied(nullptr);
  std::string fullTyped, fullImplied;
  EXPECT_EQ(implied.MakeData("123456", true, fullImplied), typed.MakeData("0123456", true, fullTyped));
  EXPECT_EQ(fullImplied, "01234565");
  EXPECT_EQ(fullImplied, fullTyped);
  // With the check digit typed, the number system is still put in front.
  EXPECT_EQ(implied.MakeData("1234565", false, fullImplied), typed.MakeData("0123456", true, fullTyped));
  EXPECT_EQ(fullImplied, "01234565");
}

TEST(UpcE, NumberSystemOneInvertsTheParities) {
  // 1123456 expands to 11234500006, whose check digit is 2: row 2 "EEooEo",
  // inverted for number system 1.
  TBarcode_UPCE1 implied(nullptr);
  TBarcode_UPCE typed(nullptr);
  std::string full, fullTyped;
  const std::string pattern = implied.MakeData("123456", true, full);
  EXPECT_EQ(full, "11234562");
  EXPECT_EQ(Modules(pattern), UpcEModules(full, "AABBAB"));
  EXPECT_EQ(typed.MakeData("1123456", true, fullTyped), pattern);
  EXPECT_EQ(fullTyped, full);
  EXPECT_EQ(implied.MakeData("1234562", false, full), pattern);
}

TEST(UpcE, EveryCheckDigitRowForBothNumberSystems) {
  const char* const rows[] = {"BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA",
                              "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB"};
  TBarcode_UPCE bc(nullptr);
  for (int check = 0; check <= 9; ++check) {
    for (char ns : {'0', '1'}) {
      const std::string full = std::string(1, ns) + "123456" + char('0' + check);
      std::string parities = rows[check];
      if (ns == '1')
        for (char& p : parities) p = p == 'A' ? 'B' : 'A';
      std::string out;
      EXPECT_EQ(Modules(bc.MakeData(full, false, out)), UpcEModules(full, parities)) << full;
      EXPECT_EQ(out, full);
    }
  }
}

TEST(UpcE, NumberSystemAndLengthRules) {
  struct TCase {
    const char* Input;
    bool AutoCheckDigit;
    int Error;
    const char* FullEncoded;
  };
  const TCase cases[] = {
      {"2123456", true, 1, ""},               // full length: number system 2 is not allowed
      {"212345", true, ecValid, "02123455"},  // shorter: padded, number system 0
      {"1123456", true, ecValid, "11234562"},
      {"01234565", false, ecValid, "01234565"},
      {"21234565", false, 1, ""},
      {"01234565", true, ecInvalidLength, ""},
      {"012345650", false, ecInvalidLength, ""},
      {"01a3456", true, 3, ""},
  };
  for (const TCase& c : cases) {
    TBarcode_UPCE bc(nullptr);
    bc.SetAutoCheckDigit(c.AutoCheckDigit);
    bc.SetBarcode(c.Input);
    TRecordingCanvas canvas;
    EXPECT_EQ(bc.DrawTo(canvas, 1, 0, 0, 30, 0), c.Error) << c.Input;
    if (c.Error == ecValid) {
      EXPECT_EQ(bc.GetFullEncoded(), c.FullEncoded) << c.Input;
    }
  }
  // The implied-number-system variants take six digits (seven with a typed
  // check digit) and any leading digit.
  TBarcode_UPCE1 e1(nullptr);
  TRecordingCanvas canvas;
  e1.SetBarcode("923456");
  EXPECT_EQ(e1.DrawTo(canvas, 1, 0, 0, 30, 0), ecValid);
  e1.SetBarcode("1234567");
  EXPECT_EQ(e1.DrawTo(canvas, 1, 0, 0, 30, 0), ecInvalidLength);
  e1.SetAutoCheckDigit(false);
  EXPECT_EQ(e1.DrawTo(canvas, 1, 0, 0, 30, 0), ecValid);
  EXPECT_EQ(e1.GetFullEncoded(), "11234567");
}
