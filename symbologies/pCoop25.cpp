#include "symbologies/pCoop25.h"

#include <array>

#include "check/pCheck.h"
#include "core/pCommon.h"

namespace tessel {
namespace {

constexpr std::string_view CharSet = "0123456789";
constexpr std::array<std::string_view, 10> Patterns = {"61505", "50516", "50606", "50615", "51506",
                                                       "51515", "51605", "60506", "60515", "60605"};

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
  std::string pattern = "6060";
  pattern.reserve(pattern.size() + FullEncoded.size() * 6 + 3);
  for (char c : FullEncoded) {
    pattern += Patterns[CharSet.find(c) % Patterns.size()];
    pattern += '0';
  }
  return pattern + "516";
}

namespace {
const TPropInfo properties[] = {BarcodeProperty(), RatioProperty(), AutoCheckDigitProperty(), TextHSpacingProperty()};
}

const TClassInfo TBarcode_Coop25::ClassInfo{"TBarcode_Coop25", &TBarcode::ClassInfo, properties,
                                            &NewComponent<TBarcode_Coop25>};
TESSEL_REGISTER(TBarcode_Coop25);

}  // namespace tessel
