#include "symbologies/pUPCECom.h"

#include "check/pCheck.h"
#include "core/pCommon.h"
#include "core/pCore.h"

namespace tessel {

std::string UPCE_To_UPCA(const std::string& S) {
  const std::string s = S.size() >= 7 ? S : SetBarcodeLength(7, S, '0');
  switch (s[6]) {
    case '0':
    case '1':
    case '2': return s.substr(0, 3) + s[6] + "0000" + s.substr(3, 3);
    case '3': return s.substr(0, 4) + "00000" + s.substr(4, 2);
    case '4': return s.substr(0, 5) + "00000" + s[5];
    default: return s.substr(0, 6) + "0000" + s[6];
  }
}

std::string UPCE_Encode(const std::string& S) {
  const std::string s = S.size() >= 8 ? S : SetBarcodeLength(8, S, '0');
  const std::string_view parities = UPCEParityRow(UPCDigit(s[7]));
  const char even = s[0] == '0' ? 'E' : 'o';
  std::string pattern(NormalGuard);
  for (int k = 0; k < 6; ++k) {
    const int digit = UPCDigit(s[k + 1]);
    pattern += parities[k] == even ? Tabelle_UPC_G[digit] : Tabelle_UPC_L[digit];
  }
  pattern += SpecialGuard;
  return pattern;
}

std::string UPCE_AppendCheckDigit(char NumberSystem, const std::string& Barcode) {
  const std::string s = NumberSystem + SetBarcodeLength(6, Barcode, '0');
  return s + Mod10RightOdd3WeightCom_Check(UPCE_To_UPCA(s));
}

void UPCE_CustomAlignmentDefine(const std::string& FullEncoded, const std::string& LeftText, const std::string& Pattern,
                                double Ratio, int Module, TCustomAlignmentDefine& Define) {
  Define.AlignmentType = catDoubleZone;
  Define.LeftGuardWidth = 3 * Module;
  // The six digits and one module of the end guard.
  Define.LeftHalfWidth = GetLinesWidth(UPCCopy(Pattern, 4, 25), Module, Ratio);
  Define.CenterGuardWidth = 0;
  Define.RightHalfWidth = 0;
  Define.RightGuardWidth = 5 * Module;
  Define.LeftText = LeftText;
  Define.LeftDigits = UPCCopy(FullEncoded, 2, 6);
  Define.RightDigits.clear();
  Define.RightText = UPCCopy(FullEncoded, 8, 1);
}

}  // namespace tessel
