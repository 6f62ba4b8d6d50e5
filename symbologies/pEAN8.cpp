#include "symbologies/pEAN8.h"

#include "core/pCore.h"

namespace tessel {

int TBarcode_EAN8::NumberChars() { return 8; }

std::string TBarcode_EAN8::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode_UPC::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern = "505";
  for (int k = 0; k < 4; ++k) pattern += Tabelle_UPC_L[UPCDigit(FullEncoded[k])];
  pattern += "05050";
  for (int k = 4; k < 8; ++k) pattern += Tabelle_UPC_R[UPCDigit(FullEncoded[k])];
  return pattern + "505";
}

bool TBarcode_EAN8::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                             TTextAlignment Alignment, const std::string& Pattern, double Ratio,
                                             int Module, TCustomAlignmentDefine& Define) {
  Define.AlignmentType = catDoubleZone;
  Define.LeftGuardWidth = 3 * Module;
  Define.LeftHalfWidth = GetLinesWidth(UPCCopy(Pattern, 4, 17), Module, Ratio);
  Define.CenterGuardWidth = 3 * Module;
  Define.RightHalfWidth = GetLinesWidth(UPCCopy(Pattern, 25, 17), Module, Ratio);
  Define.RightGuardWidth = 3 * Module;
  Define.LeftText = QuietZoneMark('<');
  Define.LeftDigits = UPCCopy(FullEncoded, 1, 4);
  Define.RightDigits = UPCCopy(FullEncoded, 5, 4);
  Define.RightText = QuietZoneMark('>');
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
