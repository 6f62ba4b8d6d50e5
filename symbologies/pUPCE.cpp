#include "symbologies/pUPCE.h"

#include "core/pCommon.h"
#include "symbologies/pUPCECom.h"

namespace tessel {

int TBarcode_UPCE::NumberChars() { return 8; }

bool TBarcode_UPCE::VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) {
  if (!TBarcode_UPC::VerifyChar(Barcode, Index, AutoCheckDigit)) return false;
  // A full-length text starts with its number system, 0 or 1; a shorter one
  // is padded and so has number system 0.
  const int fullLength = AutoCheckDigit ? NumberChars() - 1 : NumberChars();
  if (Index == 1 && static_cast<int>(Barcode.size()) == fullLength) return Barcode[0] == '0' || Barcode[0] == '1';
  return true;
}

std::string TBarcode_UPCE::AppendCheckDigit(const std::string& Barcode) {
  const std::string s = SetBarcodeLength(7, Barcode, '0');
  return UPCE_AppendCheckDigit(s[0], s.substr(1));
}

std::string TBarcode_UPCE::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode_UPC::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  return UPCE_Encode(FullEncoded);
}

bool TBarcode_UPCE::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                             TTextAlignment Alignment, const std::string& Pattern, double Ratio,
                                             int Module, TCustomAlignmentDefine& Define) {
  UPCE_CustomAlignmentDefine(FullEncoded, UPCCopy(FullEncoded, 1, 1), Pattern, Ratio, Module, Define);
  return TBarcode_UPC::GetCustomAlignmentDefine(FullEncoded, DisplayText, Alignment, Pattern, Ratio, Module, Define);
}

namespace {
const TPropInfo properties[] = {AutoCheckDigitProperty(), LeftQuietZoneSpacingProperty(),
                                RightQuietZoneSpacingProperty(), ExtraFontSizeProperty()};
}  // namespace

const TClassInfo TBarcode_UPCE::ClassInfo{"TBarcode_UPCE", &TBarcode_UPC::ClassInfo, properties,
                                          &NewComponent<TBarcode_UPCE>};
TESSEL_REGISTER(TBarcode_UPCE);

}  // namespace tessel
