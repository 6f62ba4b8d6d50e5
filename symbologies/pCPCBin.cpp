#include "symbologies/pCPCBin.h"

#include <array>
#include <bit>
#include <cstdint>

namespace tessel {
namespace {

// The letters of a postal code and their values, in parallel.
constexpr std::string_view CharSet_CPCBin_Letters = "ABCEGHJKLMNPRSTVWXYZ";
constexpr std::array<std::uint32_t, 20> Tabelle_CPCBin_Letters = {
    7,   // [0] A
    12,  // [1] B
    11,  // [2] C
    13,  // [3] E
    9,   // [4] G
    8,   // [5] H
    6,   // [6] J
    3,   // [7] K
    2,   // [8] L
    4,   // [9] M
    22,  // [10] N
    28,  // [11] P
    5,   // [12] R
    10,  // [13] S
    20,  // [14] T
    17,  // [15] V
    24,  // [16] W
    19,  // [17] X
    14,  // [18] Y
    26,  // [19] Z
};
static_assert(CharSet_CPCBin_Letters.size() == Tabelle_CPCBin_Letters.size());
// The digits' values, indexed by the digit.
constexpr std::array<std::uint32_t, 10> Tabelle_CPCBin_Digits = {
    10,  // [0] 0
    2,   // [1] 1
    9,   // [2] 2
    3,   // [3] 3
    11,  // [4] 4
    5,   // [5] 5
    6,   // [6] 6
    7,   // [7] 7
    13,  // [8] 8
    14,  // [9] 9
};
// The two nibbles of a pair with the letter X: digit n gives X[n / 3], X[n % 3].
constexpr std::array<std::uint32_t, 3> Tabelle_CPCBin_X = {1, 4, 12};
constexpr std::uint32_t PairX9 = 0x84;
// The low nibble of a pair whose letter is valued 16 or more (other than V
// and X), under the digit's value: P, T and W keep their value's low nibble
// (12, 4, 8); N's and Z's (6, 10) are digit values, so they take 0 and 15,
// the nibbles no other pair ends in.
constexpr std::string_view CharSet_CPCBin_HighLetters = "NPTWZ";
constexpr std::array<std::uint32_t, 5> Tabelle_CPCBin_HighLetters = {
    0,   // [0] N
    12,  // [1] P
    4,   // [2] T
    8,   // [3] W
    15,  // [4] Z
};
static_assert(CharSet_CPCBin_HighLetters.size() == Tabelle_CPCBin_HighLetters.size());

constexpr std::size_t PostalCodeLength = 6;
constexpr int ValueBits = 28;
constexpr std::string_view OneBit = "51";   // a one-module bar and a wide space
constexpr std::string_view ZeroBit = "01";  // a one-module space and a wide space
constexpr std::string_view ClosingBar = "5";
constexpr std::string_view ParityBar = "51";  // in front when the count of 1 bits is odd

bool IsLetterPosition(int Index) { return Index % 2 == 1; }

bool IsValidChar(char c, int Index) {
  if (IsLetterPosition(Index)) return CharSet_CPCBin_Letters.find(c) != std::string_view::npos;
  return c >= '0' && c <= '9';
}

std::uint32_t LetterValue(char Letter) { return Tabelle_CPCBin_Letters[CharSet_CPCBin_Letters.find(Letter)]; }
std::uint32_t DigitValue(char Digit) { return Tabelle_CPCBin_Digits[static_cast<std::size_t>(Digit - '0')]; }

std::uint32_t HighLetterNibble(char Letter) {
  return Tabelle_CPCBin_HighLetters[CharSet_CPCBin_HighLetters.find(Letter)];
}

// The 8-bit value of a letter followed by a digit.
std::uint32_t PairValue(char Letter, char Digit) {
  const std::uint32_t letter = LetterValue(Letter), digit = DigitValue(Digit);
  if (letter < 16 || Letter == 'V') return (letter % 16) * 16 + digit;
  if (Letter == 'X') {
    if (Digit == '9') return PairX9;
    const auto n = static_cast<std::size_t>(Digit - '0');
    return Tabelle_CPCBin_X[n / 3] * 16 + Tabelle_CPCBin_X[n % 3];
  }
  // N, P, T, W and Z: the nibbles change places, the digit's value above a
  // nibble no digit has, so that every letter and digit keeps a pair value
  // of its own.
  return digit * 16 + HighLetterNibble(Letter);
}

}  // namespace

TBarcode_CPCBin::TBarcode_CPCBin(TComponent* AOwner) : TBarcode(AOwner) { SetBarColor(DefaultBarColor); }

bool TBarcode_CPCBin::VerifyChar(const std::string& Barcode, int Index, bool) {
  return Index > static_cast<int>(PostalCodeLength) || IsValidChar(Barcode[static_cast<std::size_t>(Index - 1)], Index);
}

bool TBarcode_CPCBin::VerifyLength(const std::string& Barcode, bool) { return Barcode.size() == PostalCodeLength; }

std::string TBarcode_CPCBin::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  FullEncoded = Barcode;
  if (Barcode.size() < PostalCodeLength) return {};
  for (int i = 1; i <= static_cast<int>(PostalCodeLength); ++i)
    if (!IsValidChar(Barcode[static_cast<std::size_t>(i - 1)], i)) return {};

  const std::uint32_t value = PairValue(Barcode[0], Barcode[1]) << 20 | LetterValue(Barcode[2]) << 12 |
                              DigitValue(Barcode[3]) << 8 | PairValue(Barcode[4], Barcode[5]);
  std::string pattern;
  pattern.reserve(ParityBar.size() + ValueBits * OneBit.size() + ClosingBar.size());
  if (std::popcount(value) % 2 != 0) pattern += ParityBar;
  for (int bit = ValueBits - 1; bit >= 0; --bit) pattern += (value >> bit) & 1 ? OneBit : ZeroBit;
  pattern += ClosingBar;
  return pattern;
}

namespace {
// BarColor is published by TBarcode; this class only starts it with another
// colour.
const TPropInfo properties[] = {
    BarcodeProperty(),
    RatioProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_CPCBin::ClassInfo{"TBarcode_CPCBin", &TBarcode::ClassInfo, properties,
                                            &NewComponent<TBarcode_CPCBin>};
TESSEL_REGISTER(TBarcode_CPCBin);

}  // namespace tessel
