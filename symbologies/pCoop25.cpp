#include "symbologies/pCoop25.h"

#include <array>

#include "check/pCheck.h"
#include "core/pCommon.h"

namespace tessel {
namespace {

constexpr std::string_view CharSet = "0123456789";
constexpr std::string_view StartPattern = "6060";  // wide bar, space, wide bar, space
constexpr std::string_view StopPattern = "516";    // narrow bar, wide space, wide bar
constexpr std::array<std::string_view, 10> Patterns = {
    "61505",  // [0] 0
    "50516",  // [1] 1
    "50606",  // [2] 2
    "50615",  // [3] 3
    "51506",  // [4] 4
    "51515",  // [5] 5
    "51605",  // [6] 6
    "60506",  // [7] 7
    "60515",  // [8] 8
    "60605",  // [9] 9
};

}  // namespace

bool TBarcode_Coop25::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharInSet(CharSet, Barcode, Index);
}

std::string TBarcode_Coop25::AppendCheckDigit(const std::string& Barcode) {
  // The appended "0" takes weight 3, so the rightmost digit weighs 1.
  return Barcode + Mod10RightOdd3WeightCom_Check(Barcode + "0");
}

std::string TBarcode_Coop25::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern(StartPattern);
  pattern.reserve(pattern.size() + FullEncoded.size() * 6 + 3);
  for (char c : FullEncoded) {
    pattern += Patterns[CharSet.find(c) % Patterns.size()];
    pattern += '0';
  }
  pattern += StopPattern;
  return pattern;
}

namespace {
const TPropInfo properties[] = {BarcodeProperty(), RatioProperty(), AutoCheckDigitProperty(), TextHSpacingProperty()};
}

const TClassInfo TBarcode_Coop25::ClassInfo{"TBarcode_Coop25", &TBarcode::ClassInfo, properties,
                                            &NewComponent<TBarcode_Coop25>};
TESSEL_REGISTER(TBarcode_Coop25);

}  // namespace tessel
