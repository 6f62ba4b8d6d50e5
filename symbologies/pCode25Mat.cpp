#include "symbologies/pCode25Mat.h"

namespace tessel {

std::string TBarcode_Code25Matrix::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode_Code25::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern(Code25MatrixStart);
  pattern.reserve(pattern.size() + FullEncoded.size() * 6 + 5);
  for (char c : FullEncoded) {
    const std::string_view row = Code25Row(c);
    for (int k = 0; k < 5; ++k) {
      const bool wide = row[k] == '1';
      pattern += k % 2 == 0 ? (wide ? '6' : '5') : (wide ? '1' : '0');
    }
    pattern += '0';
  }
  pattern += Code25MatrixStop;
  return pattern;
}

namespace {
const TPropInfo properties[] = {AutoCheckDigitProperty(), TextHSpacingProperty()};
}

const TClassInfo TBarcode_Code25Matrix::ClassInfo{"TBarcode_Code25Matrix", &TBarcode_Code25::ClassInfo, properties,
                                                  &NewComponent<TBarcode_Code25Matrix>};
TESSEL_REGISTER(TBarcode_Code25Matrix);

}  // namespace tessel
