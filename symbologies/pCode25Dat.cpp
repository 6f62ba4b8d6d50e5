#include "symbologies/pCode25Dat.h"

namespace tessel {

std::string TBarcode_Code25Datalogic::MakeData(const std::string& Barcode, bool AutoCheckDigit,
                                               std::string& FullEncoded) {
  const std::string matrix = TBarcode_Code25Matrix::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  // Drop the Matrix start bar and its space, and the Matrix stop (5 lines).
  return matrix.substr(2, matrix.size() - 7) + "605";
}

const TClassInfo TBarcode_Code25Datalogic::ClassInfo{
    "TBarcode_Code25Datalogic", &TBarcode_Code25Matrix::ClassInfo, {}, &NewComponent<TBarcode_Code25Datalogic>};
TESSEL_REGISTER(TBarcode_Code25Datalogic);

}  // namespace tessel
