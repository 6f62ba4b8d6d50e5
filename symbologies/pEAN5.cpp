#include "symbologies/pEAN5.h"

#include "symbologies/pUPCECom.h"

namespace tessel {

int TBarcode_EAN5::NumberChars() { return 6; }

std::string_view TBarcode_EAN5::Parities(const std::string& Digits) {
  int d[5];
  for (int k = 0; k < 5; ++k) d[k] = UPCDigit(Digits[k]);
  // Characters 2 to 6 of the UPC-E parity row of the check value.
  const int check = (3 * (d[0] + d[2] + d[4]) + 9 * (d[1] + d[3])) % 10;
  return UPCEParityRow(check).substr(1);
}

namespace {
const TPropInfo properties[] = {ShowQuietZoneMarkProperty(), RightQuietZoneSpacingProperty()};
}  // namespace

const TClassInfo TBarcode_EAN5::ClassInfo{"TBarcode_EAN5", &TBarcode_UPC::ClassInfo, properties,
                                          &NewComponent<TBarcode_EAN5>};
TESSEL_REGISTER(TBarcode_EAN5);

}  // namespace tessel
