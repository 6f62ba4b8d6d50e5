#include "symbologies/pKIX4S.h"

#include <array>

namespace tessel {
namespace {

// Position p (0-based) stands in row p div 6 and column p mod 6 of the
// six by six arrangement of the four-state customer codes.
constexpr std::string_view CharSet_KIX4S = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The RM4SCC character table: four bars, each followed by a one-module
// space. The row gives the ascenders, the column the descenders; a bar with
// both is full ('I'), with neither a tracker ('H').
constexpr std::array<std::string_view, 36> Tabelle_KIX4S = {
    "H0H0I0I0",  // [0] 0
    "H0L0T0I0",  // [1] 1
    "H0L0I0T0",  // [2] 2
    "L0H0T0I0",  // [3] 3
    "L0H0I0T0",  // [4] 4
    "L0L0T0T0",  // [5] 5
    "H0T0L0I0",  // [6] 6
    "H0I0H0I0",  // [7] 7
    "H0I0L0T0",  // [8] 8
    "L0T0H0I0",  // [9] 9
    "L0T0L0T0",  // [10] A
    "L0I0H0T0",  // [11] B
    "H0T0I0L0",  // [12] C
    "H0I0T0L0",  // [13] D
    "H0I0I0H0",  // [14] E
    "L0T0T0L0",  // [15] F
    "L0T0I0H0",  // [16] G
    "L0I0T0H0",  // [17] H
    "T0H0L0I0",  // [18] I
    "T0L0H0I0",  // [19] J
    "T0L0L0T0",  // [20] K
    "I0H0H0I0",  // [21] L
    "I0H0L0T0",  // [22] M
    "I0L0H0T0",  // [23] N
    "T0H0I0L0",  // [24] O
    "T0L0T0L0",  // [25] P
    "T0L0I0H0",  // [26] Q
    "I0H0T0L0",  // [27] R
    "I0H0I0H0",  // [28] S
    "I0L0T0H0",  // [29] T
    "T0T0L0L0",  // [30] U
    "T0I0H0L0",  // [31] V
    "T0I0L0H0",  // [32] W
    "I0T0H0L0",  // [33] X
    "I0T0L0H0",  // [34] Y
    "I0I0H0H0",  // [35] Z
};
static_assert(CharSet_KIX4S.size() == Tabelle_KIX4S.size());

}  // namespace

std::size_t TBarcode_KIX4S::CharValue(char C) { return CharSet_KIX4S.find(C); }

char TBarcode_KIX4S::CharAt(std::size_t Value) { return CharSet_KIX4S[Value]; }

void TBarcode_KIX4S::AppendCharPatterns(std::string_view FullEncoded, std::string& Pattern) {
  for (const char c : FullEncoded) {
    const std::size_t value = CharValue(c);
    if (value != std::string_view::npos) Pattern += Tabelle_KIX4S[value];  // validation rejects others
  }
}

bool TBarcode_KIX4S::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharValue(Barcode[static_cast<std::size_t>(Index - 1)]) != std::string_view::npos;
}

std::string TBarcode_KIX4S::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern;
  pattern.reserve(FullEncoded.size() * CharPatternLength);
  AppendCharPatterns(FullEncoded, pattern);
  return pattern;
}

namespace {
const TPropInfo properties[] = {BarcodeProperty()};
}  // namespace

const TClassInfo TBarcode_KIX4S::ClassInfo{"TBarcode_KIX4S", &TBarcode::ClassInfo, properties,
                                           &NewComponent<TBarcode_KIX4S>};
TESSEL_REGISTER(TBarcode_KIX4S);

}  // namespace tessel
