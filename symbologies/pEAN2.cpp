#include "symbologies/pEAN2.h"

namespace tessel {

int TBarcode_EAN2::NumberChars() { return 3; }

std::string_view TBarcode_EAN2::Parities(const std::string& Digits) {
  // By value mod 4: 'E' number set B, 'o' number set A.
  static constexpr std::string_view parities[4] = {"oo", "oE", "Eo", "EE"};
  return parities[(10 * UPCDigit(Digits[0]) + UPCDigit(Digits[1])) % 4];
}

namespace {
const TPropInfo properties[] = {ShowQuietZoneMarkProperty(), RightQuietZoneSpacingProperty()};
}  // namespace

const TClassInfo TBarcode_EAN2::ClassInfo{"TBarcode_EAN2", &TBarcode_UPC::ClassInfo, properties,
                                          &NewComponent<TBarcode_EAN2>};
TESSEL_REGISTER(TBarcode_EAN2);

}  // namespace tessel
