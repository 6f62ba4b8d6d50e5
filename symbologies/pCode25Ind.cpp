#include "symbologies/pCode25Ind.h"

namespace tessel {

std::string TBarcode_Code25Industrial::MakeData(const std::string& Barcode, bool AutoCheckDigit,
                                                std::string& FullEncoded) {
  TBarcode_Code25::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern(Code25IndustrialStart);
  pattern.reserve(pattern.size() + FullEncoded.size() * 10 + 5);
  for (char c : FullEncoded)
    for (char element : Code25Row(c)) pattern += element == '1' ? "60" : "50";
  pattern += Code25IndustrialStop;
  return pattern;
}

namespace {
const TPropInfo properties[] = {AutoCheckDigitProperty(), TextHSpacingProperty()};
}

const TClassInfo TBarcode_Code25Industrial::ClassInfo{"TBarcode_Code25Industrial", &TBarcode_Code25::ClassInfo,
                                                      properties, &NewComponent<TBarcode_Code25Industrial>};
TESSEL_REGISTER(TBarcode_Code25Industrial);

}  // namespace tessel
