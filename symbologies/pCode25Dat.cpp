#include "symbologies/pCode25Dat.h"

namespace tessel {

std::string TBarcode_Code25Datalogic::MakeData(const std::string& Barcode, bool AutoCheckDigit,
                                               std::string& FullEncoded) {
  const std::string matrix = TBarcode_Code25Matrix::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  // The Matrix symbol without its start bar and space and without its stop.
  constexpr std::size_t startBar = 2;
  std::string pattern = matrix.substr(startBar, matrix.size() - startBar - Code25MatrixStop.size());
  pattern += Code25WideNarrowStop;
  return pattern;
}

const TClassInfo TBarcode_Code25Datalogic::ClassInfo{
    "TBarcode_Code25Datalogic", &TBarcode_Code25Matrix::ClassInfo, {}, &NewComponent<TBarcode_Code25Datalogic>};
TESSEL_REGISTER(TBarcode_Code25Datalogic);

}  // namespace tessel
