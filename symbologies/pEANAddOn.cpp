#include "symbologies/pEANAddOn.h"

#include "core/pCommon.h"

namespace tessel {

bool TEANAddOn::VerifyLength(const std::string& Barcode, bool) { return TBarcode_UPC::VerifyLength(Barcode, true); }

std::string TEANAddOn::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  FullEncoded = SetBarcodeLength(NumberChars() - 1, Barcode, '0');
  const std::string_view parities = Parities(FullEncoded);
  std::string pattern(AddOnGuard);
  for (std::size_t k = 0; k < FullEncoded.size(); ++k) {
    if (k > 0) pattern += AddOnSeparator;
    const int digit = UPCDigit(FullEncoded[k]);
    pattern += parities[k] == 'E' ? Tabelle_UPC_G[digit] : Tabelle_UPC_L[digit];
  }
  return pattern;
}

bool TEANAddOn::GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText,
                                         TTextAlignment Alignment, const std::string& Pattern, double Ratio, int Module,
                                         TCustomAlignmentDefine& Define) {
  Define.AlignmentType = catSingleZone;
  Define.LeftGuardWidth = 3 * Module;
  Define.LeftDigits = FullEncoded;
  Define.RightText = QuietZoneMark('>');
  return TBarcode_UPC::GetCustomAlignmentDefine(FullEncoded, DisplayText, Alignment, Pattern, Ratio, Module, Define);
}

}  // namespace tessel
