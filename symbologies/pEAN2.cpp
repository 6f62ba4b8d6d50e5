#include "symbologies/pEAN2.h"

#include "core/pCommon.h"

namespace tessel {
namespace {

// Parities of the two digits by their value mod 4: 'E' number set B, 'o'
// number set A.
constexpr std::string_view Parities[4] = {"oo", "oE", "Eo", "EE"};

}  // namespace

int TBarcode_EAN2::NumberChars() { return 3; }

// The add-on has no check digit to leave out: whatever the check-digit flag,
// at most two digits are accepted, so that no typed digit is dropped.
bool TBarcode_EAN2::VerifyLength(const std::string& Barcode, bool) { return TBarcode_UPC::VerifyLength(Barcode, true); }

std::string TBarcode_EAN2::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  FullEncoded = SetBarcodeLength(2, Barcode, '0');
  const int d1 = UPCDigit(FullEncoded[0]), d2 = UPCDigit(FullEncoded[1]);
  const std::string_view parities = Parities[(10 * d1 + d2) % 4];
  std::string pattern = "506";
  pattern += parities[0] == 'E' ? Tabelle_UPC_G[d1] : Tabelle_UPC_L[d1];
  pattern += "05";
  pattern += parities[1] == 'E' ? Tabelle_UPC_G[d2] : Tabelle_UPC_L[d2];
  return pattern;
}

bool TBarcode_EAN2::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
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

const TClassInfo TBarcode_EAN2::ClassInfo{"TBarcode_EAN2", &TBarcode_UPC::ClassInfo, properties,
                                          &NewComponent<TBarcode_EAN2>};
TESSEL_REGISTER(TBarcode_EAN2);

}  // namespace tessel
