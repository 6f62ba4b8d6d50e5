#include "symbologies/pIATA.h"

namespace tessel {

std::string TBarcode_IATA::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  const std::string industrial = TBarcode_Code25Industrial::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  // Drop the Industrial start (6 lines) and stop (5 lines).
  return "5050" + industrial.substr(6, industrial.size() - 11) + "605";
}

const TClassInfo TBarcode_IATA::ClassInfo{
    "TBarcode_IATA", &TBarcode_Code25Industrial::ClassInfo, {}, &NewComponent<TBarcode_IATA>};
TESSEL_REGISTER(TBarcode_IATA);

}  // namespace tessel
