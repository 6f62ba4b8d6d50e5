#include "symbologies/pIATA.h"

namespace tessel {

std::string TBarcode_IATA::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  const std::string industrial = TBarcode_Code25Industrial::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  // The Industrial digits between Interleaved's start and stop.
  const std::size_t digits = industrial.size() - Code25IndustrialStart.size() - Code25IndustrialStop.size();
  std::string pattern(Code25NarrowStart);
  pattern += std::string_view(industrial).substr(Code25IndustrialStart.size(), digits);
  pattern += Code25WideNarrowStop;
  return pattern;
}

const TClassInfo TBarcode_IATA::ClassInfo{
    "TBarcode_IATA", &TBarcode_Code25Industrial::ClassInfo, {}, &NewComponent<TBarcode_IATA>};
TESSEL_REGISTER(TBarcode_IATA);

}  // namespace tessel
