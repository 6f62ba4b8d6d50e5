// Flattermarken: one mark in a field of nine positions per digit, without
// start, stop or check character.
#pragma once

#include <array>
#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

// The 0-based position of a digit is its value. Spelled "Charset", not
// "CharSet" as elsewhere: the exported name users know.
inline constexpr std::string_view Charset_Flattermarken = "0123456789";

// Nine narrow elements per digit: 0 has no mark, digit d a narrow bar at
// position d.
inline constexpr std::array<std::string_view, 10> Tabelle_Flattermarken = {
    "000000000",  // [0] 0
    "500000000",  // [1] 1
    "050000000",  // [2] 2
    "005000000",  // [3] 3
    "000500000",  // [4] 4
    "000050000",  // [5] 5
    "000005000",  // [6] 6
    "000000500",  // [7] 7
    "000000050",  // [8] 8
    "000000005",  // [9] 9
};

class TBarcode_Flattermarken : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  // The full-encoded text is the text itself, whatever AutoCheckDigit says.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
