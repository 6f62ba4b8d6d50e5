#include "symbologies/pUPCA.h"

#include "core/pCore.h"

namespace tessel {

int TBarcode_UPCA::NumberChars() { return 12; }

std::string TBarcode_UPCA::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode_UPC::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  const std::string_view s = FullEncoded;
  return TwoHalvesPattern(s.substr(0, 6), "AAAAAA", s.substr(6, 6));
}

bool TBarcode_UPCA::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                             TTextAlignment Alignment, const std::string& Pattern, double Ratio,
                                             int Module, TCustomAlignmentDefine& Define) {
  Define.AlignmentType = catDoubleZone;
  // The bars of the first and the last digit belong to the guards, so they
  // are not cut short under the quiet-zone digits.
  Define.LeftGuardWidth = GetLinesWidth(UPCCopy(Pattern, 1, 7), Module, Ratio);
  Define.LeftHalfWidth = GetLinesWidth(UPCCopy(Pattern, 8, 21), Module, Ratio);
  Define.CenterGuardWidth = 3 * Module;
  Define.RightHalfWidth = GetLinesWidth(UPCCopy(Pattern, 32, 21), Module, Ratio);
  Define.RightGuardWidth = GetLinesWidth(UPCCopy(Pattern, 53, 7), Module, Ratio);
  Define.LeftText = UPCCopy(FullEncoded, 1, 1);
  Define.LeftDigits = UPCCopy(FullEncoded, 2, 5);
  Define.RightDigits = UPCCopy(FullEncoded, 7, 5);
  Define.RightText = UPCCopy(FullEncoded, 12, 1);
  return TBarcode_UPC::GetCustomAlignmentDefine(FullEncoded, DisplayText, Alignment, Pattern, Ratio, Module, Define);
}

namespace {
const TPropInfo properties[] = {AutoCheckDigitProperty(), LeftQuietZoneSpacingProperty(),
                                RightQuietZoneSpacingProperty(), ExtraFontSizeProperty()};
}  // namespace

const TClassInfo TBarcode_UPCA::ClassInfo{"TBarcode_UPCA", &TBarcode_UPC::ClassInfo, properties,
                                          &NewComponent<TBarcode_UPCA>};
TESSEL_REGISTER(TBarcode_UPCA);

}  // namespace tessel
