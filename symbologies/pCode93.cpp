#include "symbologies/pCode93.h"

#include <array>
#include <utility>

#include "check/pCheck.h"
#include "core/pCommon.h"

namespace tessel {
namespace {

// The 0-based position of a character is its Code 93 value. The first 43
// are the data characters; "[", "]", "{" and "}" stand for the shift
// characters ($), (%), (/) and (+); '*' is the start/stop character.
constexpr std::string_view CharSet_Code93 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}*";
constexpr std::size_t DataChars = 43;
constexpr std::size_t StartStop = 47;

// Module widths of bar, space, bar, space, bar, space.
// Source: ANSI/AIM BC5-1995 character module widths.
constexpr std::array<std::string_view, 48> Tabelle_Code93 = {
    "131112",  // [0] 0
    "111213",  // [1] 1
    "111312",  // [2] 2
    "111411",  // [3] 3
    "121113",  // [4] 4
    "121212",  // [5] 5
    "121311",  // [6] 6
    "111114",  // [7] 7
    "131211",  // [8] 8
    "141111",  // [9] 9
    "211113",  // [10] A
    "211212",  // [11] B
    "211311",  // [12] C
    "221112",  // [13] D
    "221211",  // [14] E
    "231111",  // [15] F
    "112113",  // [16] G
    "112212",  // [17] H
    "112311",  // [18] I
    "122112",  // [19] J
    "132111",  // [20] K
    "111123",  // [21] L
    "111222",  // [22] M
    "111321",  // [23] N
    "121122",  // [24] O
    "131121",  // [25] P
    "212112",  // [26] Q
    "212211",  // [27] R
    "211122",  // [28] S
    "211221",  // [29] T
    "221121",  // [30] U
    "222111",  // [31] V
    "112122",  // [32] W
    "112221",  // [33] X
    "122121",  // [34] Y
    "123111",  // [35] Z
    "121131",  // [36] -
    "311112",  // [37] .
    "311211",  // [38] space
    "321111",  // [39] $
    "112131",  // [40] /
    "113121",  // [41] +
    "211131",  // [42] %
    "121221",  // [43] [
    "312111",  // [44] ]
    "311121",  // [45] {
    "122211",  // [46] }
    "111141",  // [47] *
};

}  // namespace

bool TBarcode_Code93::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharSet_Code93.find(Barcode[Index - 1]) < DataChars;
}

std::string TBarcode_Code93::AppendCheckDigit(const std::string& Barcode) {
  return Barcode + ModDualRightSequenceWeight_Check(Barcode, CharSet_Code93, 20, 15, 47, false);
}

std::string TBarcode_Code93::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string modules;
  modules.reserve((FullEncoded.size() + 2) * 6 + 1);
  modules += Tabelle_Code93[StartStop];
  for (char c : FullEncoded) {
    const std::size_t value = CharSet_Code93.find(c);
    if (value < StartStop) modules += Tabelle_Code93[value];
  }
  modules += Tabelle_Code93[StartStop];
  modules += '1';  // the termination bar
  return ConvertToInternalFormat(std::move(modules));
}

namespace {
const TPropInfo properties[] = {BarcodeProperty(), RatioProperty(), AutoCheckDigitProperty(), TextHSpacingProperty()};
}

const TClassInfo TBarcode_Code93::ClassInfo{"TBarcode_Code93", &TBarcode::ClassInfo, properties,
                                            &NewComponent<TBarcode_Code93>};
TESSEL_REGISTER(TBarcode_Code93);

}  // namespace tessel
