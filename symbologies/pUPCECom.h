// What the UPC-E components share: the parity table, the expansion of a
// zero-suppressed number to its UPC-A form (the check digit is computed on
// it), the encoder and the retail text layout.
#pragma once

#include <string>
#include <string_view>

#include "symbologies/pUPC.h"

namespace tessel {

// Twenty rows of six parities. Rows 0 to 9, selected by the UPC-E check
// digit: 'E' even parity (number set B), 'o' odd parity (number set A), as
// number system 0 uses them. Rows 10 to 19, selected by 10 + the leading
// digit of an EAN-13: 'A' number set A, 'B' number set B for its symbol
// characters 2 to 7.
inline constexpr std::string_view Tabelle_UPC_E =
    "EEEooo"   // [0]
    "EEoEoo"   // [1]
    "EEooEo"   // [2]
    "EEoooE"   // [3]
    "EoEEoo"   // [4]
    "EooEEo"   // [5]
    "EoooEE"   // [6]
    "EoEoEo"   // [7]
    "EoEooE"   // [8]
    "EooEoE"   // [9]
    "AAAAAA"   // [10]
    "AABABB"   // [11]
    "AABBAB"   // [12]
    "AABBBA"   // [13]
    "ABAABB"   // [14]
    "ABBAAB"   // [15]
    "ABBBAA"   // [16]
    "ABABAB"   // [17]
    "ABABBA"   // [18]
    "ABBABA";  // [19]

// Row 0..19 of Tabelle_UPC_E.
inline std::string_view UPCEParityRow(int Row) { return Tabelle_UPC_E.substr(static_cast<std::size_t>(Row) * 6, 6); }

// The eleven-digit UPC-A number (without check digit) of the number system
// digit and six data digits in S.
std::string UPCE_To_UPCA(const std::string& S);

// The pattern of the eight-digit text S: number system, six data digits and
// check digit. Number system 0 takes the parities of the check digit's row,
// any other the inverted ones.
std::string UPCE_Encode(const std::string& S);

// NumberSystem followed by Barcode padded to six digits, and the check digit.
std::string UPCE_AppendCheckDigit(char NumberSystem, const std::string& Barcode);

// The retail layout of a UPC-E symbol: LeftText in the left quiet zone, the
// six data digits under the bars, the check digit in the right quiet zone.
void UPCE_CustomAlignmentDefine(const std::string& FullEncoded, const std::string& LeftText, const std::string& Pattern,
                                double Ratio, int Module, TCustomAlignmentDefine& Define);

}  // namespace tessel
