#include "symbologies/pEAN13.h"

#include "symbologies/pUPCECom.h"

namespace tessel {

int TBarcode_EAN13::NumberChars() { return 13; }

std::string TBarcode_EAN13::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode_UPC::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  const std::string_view s = FullEncoded;
  // The leading digit has no bars: it selects the parities of digits 2 to 7.
  return TwoHalvesPattern(s.substr(1, 6), UPCEParityRow(10 + UPCDigit(s[0])), s.substr(7, 6));
}

bool TBarcode_EAN13::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                              TTextAlignment Alignment, const std::string& Pattern, double Ratio,
                                              int Module, TCustomAlignmentDefine& Define) {
  SetEANLayout(FullEncoded, Pattern, 6, Ratio, Module, Define);
  Define.LeftText = UPCCopy(FullEncoded, 1, 1);  // the leading digit
  return TBarcode_UPC::GetCustomAlignmentDefine(FullEncoded, DisplayText, Alignment, Pattern, Ratio, Module, Define);
}

namespace {
const TPropInfo properties[] = {AutoCheckDigitProperty(), ShowQuietZoneMarkProperty(), LeftQuietZoneSpacingProperty(),
                                RightQuietZoneSpacingProperty()};
}  // namespace

const TClassInfo TBarcode_EAN13::ClassInfo{"TBarcode_EAN13", &TBarcode_UPC::ClassInfo, properties,
                                           &NewComponent<TBarcode_EAN13>};
TESSEL_REGISTER(TBarcode_EAN13);

}  // namespace tessel
