#include "symbologies/pCode25Inv.h"

namespace tessel {

std::string TBarcode_Code25Invert::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  std::string pattern = TBarcode_Code25Industrial::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  // A bar becomes a space of the same width and a space a bar.
  for (char& c : pattern) c = static_cast<char>('0' + (c - '0' + 5) % 10);
  constexpr std::string_view frameBar = "5";  // a narrow bar on either side of the inverted pattern
  return std::string(frameBar) + pattern + std::string(frameBar);
}

const TClassInfo TBarcode_Code25Invert::ClassInfo{
    "TBarcode_Code25Invert", &TBarcode_Code25Industrial::ClassInfo, {}, &NewComponent<TBarcode_Code25Invert>};
TESSEL_REGISTER(TBarcode_Code25Invert);

}  // namespace tessel
