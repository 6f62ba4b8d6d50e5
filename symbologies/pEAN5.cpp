#include "symbologies/pEAN5.h"

#include "core/pCommon.h"
#include "symbologies/pUPCECom.h"

namespace tessel {

int TBarcode_EAN5::NumberChars() { return 6; }

// The add-on has no check digit to leave out: whatever the check-digit flag,
// at most five digits are accepted, so that no typed digit is dropped.
bool TBarcode_EAN5::VerifyLength(const std::string& Barcode, bool) { return TBarcode_UPC::VerifyLength(Barcode, true); }

std::string TBarcode_EAN5::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  FullEncoded = SetBarcodeLength(5, Barcode, '0');
  int d[5];
  for (int k = 0; k < 5; ++k) d[k] = UPCDigit(FullEncoded[k]);
  // The check value is carried only by the parities: characters 2 to 6 of
  // its UPC-E parity row.
  const int check = (3 * (d[0] + d[2] + d[4]) + 9 * (d[1] + d[3])) % 10;
  const std::string_view parities = UPCEParityRow(check).substr(1);
  std::string pattern = "506";
  for (int k = 0; k < 5; ++k) {
    if (k > 0) pattern += "05";
    pattern += parities[k] == 'E' ? Tabelle_UPC_G[d[k]] : Tabelle_UPC_L[d[k]];
  }
  return pattern;
}

bool TBarcode_EAN5::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                             TTextAlignment Alignment, const std::string& Pattern, double Ratio,
                                             int Module, TCustomAlignmentDefine& Define) {
  Define.AlignmentType = catSingleZone;
  Define.LeftGuardWidth = 3 * Module;
  Define.LeftDigits = FullEncoded;
  Define.RightText = QuietZoneMark('>');
  return TBarcode_UPC::GetCustomAlignmentDefine(FullEncoded, DisplayText, Alignment, Pattern, Ratio, Module, Define);
}

namespace {
const TPropInfo properties[] = {ShowQuietZoneMarkProperty(), RightQuietZoneSpacingProperty()};
}  // namespace

const TClassInfo TBarcode_EAN5::ClassInfo{"TBarcode_EAN5", &TBarcode_UPC::ClassInfo, properties,
                                          &NewComponent<TBarcode_EAN5>};
TESSEL_REGISTER(TBarcode_EAN5);

}  // namespace tessel
