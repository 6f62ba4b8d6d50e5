#include "symbologies/pBC309.h"

#include <array>

#include "check/pCheck.h"
#include "core/pCommon.h"
#include "symbologies/pBCFramed.h"

namespace tessel {
namespace {

// The 0-based position of a digit is its value.
constexpr std::string_view CharSet_BC309 = "0123456789";

// Two of the six narrow elements after the opening bar are bars.
constexpr std::array<std::string_view, 10> Tabelle_BC309 = {
    "505000",  // [0] 0
    "500500",  // [1] 1
    "500050",  // [2] 2
    "500005",  // [3] 3
    "050500",  // [4] 4
    "050050",  // [5] 5
    "050005",  // [6] 6
    "005050",  // [7] 7
    "005005",  // [8] 8
    "000505",  // [9] 9
};

}  // namespace

bool TBarcode_BC309::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharInSet(CharSet_BC309, Barcode, Index);
}

std::string TBarcode_BC309::AppendCheckDigit(const std::string& Barcode) { return Barcode + Mod10Com_Check(Barcode); }

std::string TBarcode_BC309::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  return MakeBCFramedPattern(FullEncoded, CharSet_BC309, Tabelle_BC309);
}

namespace {
const TPropInfo properties[] = {
    BarcodeProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_BC309::ClassInfo{"TBarcode_BC309", &TBarcode::ClassInfo, properties,
                                           &NewComponent<TBarcode_BC309>};
TESSEL_REGISTER(TBarcode_BC309);

}  // namespace tessel
