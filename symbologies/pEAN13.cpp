#include "symbologies/pEAN13.h"

#include "core/pCore.h"
#include "symbologies/pUPCECom.h"

namespace tessel {

int TBarcode_EAN13::NumberChars() { return 13; }

std::string TBarcode_EAN13::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode_UPC::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  const std::string& s = FullEncoded;
  // The leading digit has no bars: it selects the parities of digits 2 to 7.
  const std::string_view parities = UPCEParityRow(10 + UPCDigit(s[0]));
  std::string pattern = "505";
  for (int k = 0; k < 6; ++k) {
    const int digit = UPCDigit(s[k + 1]);
    pattern += parities[k] == 'A' ? Tabelle_UPC_L[digit] : Tabelle_UPC_G[digit];
  }
  pattern += "05050";
  for (int k = 7; k < 13; ++k) pattern += Tabelle_UPC_R[UPCDigit(s[k])];
  return pattern + "505";
}

bool TBarcode_EAN13::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                              TTextAlignment Alignment, const std::string& Pattern, double Ratio,
                                              int Module, TCustomAlignmentDefine& Define) {
  Define.AlignmentType = catDoubleZone;
  Define.LeftGuardWidth = 3 * Module;
  Define.LeftHalfWidth = GetLinesWidth(UPCCopy(Pattern, 4, 25), Module, Ratio);
  Define.CenterGuardWidth = 3 * Module;
  Define.RightHalfWidth = GetLinesWidth(UPCCopy(Pattern, 32, 25), Module, Ratio);
  Define.RightGuardWidth = 3 * Module;
  Define.LeftText = UPCCopy(FullEncoded, 1, 1);
  Define.LeftDigits = UPCCopy(FullEncoded, 2, 6);
  Define.RightDigits = UPCCopy(FullEncoded, 8, 6);
  Define.RightText = QuietZoneMark('>');
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
