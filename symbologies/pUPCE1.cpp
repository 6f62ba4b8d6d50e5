#include "symbologies/pUPCE1.h"

#include "symbologies/pUPCECom.h"

namespace tessel {

int TBarcode_UPCE1::NumberChars() { return 7; }

std::string TBarcode_UPCE1::AppendCheckDigit(const std::string& Barcode) { return UPCE_AppendCheckDigit('1', Barcode); }

std::string TBarcode_UPCE1::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode_UPC::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  // A typed check digit: the number system is still implied.
  if (!AutoCheckDigit) FullEncoded = "1" + FullEncoded;
  return UPCE_Encode(FullEncoded);
}

bool TBarcode_UPCE1::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                              TTextAlignment Alignment, const std::string& Pattern, double Ratio,
                                              int Module, TCustomAlignmentDefine& Define) {
  UPCE_CustomAlignmentDefine(FullEncoded, "1", Pattern, Ratio, Module, Define);
  return TBarcode_UPC::GetCustomAlignmentDefine(FullEncoded, DisplayText, Alignment, Pattern, Ratio, Module, Define);
}

namespace {
const TPropInfo properties[] = {AutoCheckDigitProperty(), LeftQuietZoneSpacingProperty(),
                                RightQuietZoneSpacingProperty(), ExtraFontSizeProperty()};
}  // namespace

const TClassInfo TBarcode_UPCE1::ClassInfo{"TBarcode_UPCE1", &TBarcode_UPC::ClassInfo, properties,
                                           &NewComponent<TBarcode_UPCE1>};
TESSEL_REGISTER(TBarcode_UPCE1);

}  // namespace tessel
