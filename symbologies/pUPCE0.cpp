#include "symbologies/pUPCE0.h"

#include "symbologies/pUPCECom.h"

namespace tessel {

int TBarcode_UPCE0::NumberChars() { return 7; }

std::string TBarcode_UPCE0::AppendCheckDigit(const std::string& Barcode) { return UPCE_AppendCheckDigit('0', Barcode); }

std::string TBarcode_UPCE0::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode_UPC::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  // A typed check digit: the number system is still implied.
  if (!AutoCheckDigit) FullEncoded = "0" + FullEncoded;
  return UPCE_Encode(FullEncoded);
}

bool TBarcode_UPCE0::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                              TTextAlignment Alignment, const std::string& Pattern, double Ratio,
                                              int Module, TCustomAlignmentDefine& Define) {
  UPCE_CustomAlignmentDefine(FullEncoded, "0", Pattern, Ratio, Module, Define);
  return TBarcode_UPC::GetCustomAlignmentDefine(FullEncoded, DisplayText, Alignment, Pattern, Ratio, Module, Define);
}

namespace {
const TPropInfo properties[] = {AutoCheckDigitProperty(), LeftQuietZoneSpacingProperty(),
                                RightQuietZoneSpacingProperty(), ExtraFontSizeProperty()};
}  // namespace

const TClassInfo TBarcode_UPCE0::ClassInfo{"TBarcode_UPCE0", &TBarcode_UPC::ClassInfo, properties,
                                           &NewComponent<TBarcode_UPCE0>};
TESSEL_REGISTER(TBarcode_UPCE0);

}  // namespace tessel
