#include "symbologies/pBC412.h"

#include <array>

#include "core/pCommon.h"
#include "symbologies/pBCFramed.h"

namespace tessel {
namespace {

// The 0-based position of a character is its value.
constexpr std::string_view CharSet_BC412 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::size_t Modulus = CharSet_BC412.size();

// Three of the nine narrow elements after the opening bar are bars; in O two
// of them touch ("55") and draw as one bar two modules wide.
constexpr std::array<std::string_view, 36> Tabelle_BC412 = {
    "505050000",  // [0] 0
    "505005000",  // [1] 1
    "505000500",  // [2] 2
    "505000050",  // [3] 3
    "505000005",  // [4] 4
    "500505000",  // [5] 5
    "500500500",  // [6] 6
    "500500050",  // [7] 7
    "500500005",  // [8] 8
    "500050500",  // [9] 9
    "500050050",  // [10] A
    "500050005",  // [11] B
    "500005050",  // [12] C
    "500005005",  // [13] D
    "500000505",  // [14] E
    "050505000",  // [15] F
    "050500500",  // [16] G
    "050500050",  // [17] H
    "050500005",  // [18] I
    "050050500",  // [19] J
    "050050050",  // [20] K
    "050050005",  // [21] L
    "050005050",  // [22] M
    "050005005",  // [23] N
    "050000550",  // [24] O
    "050000505",  // [25] P
    "005050500",  // [26] Q
    "005050050",  // [27] R
    "005050005",  // [28] S
    "005005050",  // [29] T
    "005005005",  // [30] U
    "005000505",  // [31] V
    "000505050",  // [32] W
    "000505005",  // [33] X
    "000500505",  // [34] Y
    "000050505",  // [35] Z
};
static_assert(Tabelle_BC412.size() == CharSet_BC412.size());

}  // namespace

bool TBarcode_BC412::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharInSet(CharSet_BC412, Barcode, Index);
}

std::string TBarcode_BC412::AppendCheckDigit(const std::string& Barcode) {
  std::size_t sum = 0;
  for (char c : Barcode) {
    const std::size_t value = CharSet_BC412.find(c);
    if (value != std::string_view::npos) sum += value;
  }
  return Barcode + CharSet_BC412[(Modulus - sum % Modulus) % Modulus];
}

std::string TBarcode_BC412::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  return MakeBCFramedPattern(FullEncoded, CharSet_BC412, Tabelle_BC412);
}

namespace {
const TPropInfo properties[] = {
    BarcodeProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_BC412::ClassInfo{"TBarcode_BC412", &TBarcode::ClassInfo, properties,
                                           &NewComponent<TBarcode_BC412>};
TESSEL_REGISTER(TBarcode_BC412);

}  // namespace tessel
