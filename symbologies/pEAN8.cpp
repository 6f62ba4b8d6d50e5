#include "symbologies/pEAN8.h"

namespace tessel {

int TBarcode_EAN8::NumberChars() { return 8; }

std::string TBarcode_EAN8::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode_UPC::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  const std::string_view s = FullEncoded;
  return TwoHalvesPattern(s.substr(0, 4), "AAAA", s.substr(4, 4));
}

bool TBarcode_EAN8::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                             TTextAlignment Alignment, const std::string& Pattern, double Ratio,
                                             int Module, TCustomAlignmentDefine& Define) {
  SetEANLayout(FullEncoded, Pattern, 4, Ratio, Module, Define);
  Define.LeftText = QuietZoneMark('<');
  return TBarcode_UPC::GetCustomAlignmentDefine(FullEncoded, DisplayText, Alignment, Pattern, Ratio, Module, Define);
}

namespace {
const TPropInfo properties[] = {AutoCheckDigitProperty(), ShowQuietZoneMarkProperty(), LeftQuietZoneSpacingProperty(),
                                RightQuietZoneSpacingProperty()};
}  // namespace

const TClassInfo TBarcode_EAN8::ClassInfo{"TBarcode_EAN8", &TBarcode_UPC::ClassInfo, properties,
                                          &NewComponent<TBarcode_EAN8>};
TESSEL_REGISTER(TBarcode_EAN8);

}  // namespace tessel
