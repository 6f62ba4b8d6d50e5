// Flattermarken: one mark in a field of nine positions per digit, without
// start, stop or check character.
#pragma once

#include <array>
#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

// The 0-based position of a digit is its value.
inline constexpr std::string_view Charset_Flattermarken = "0123456789";

// Nine narrow elements per digit: 0 has no mark, digit d a narrow bar at
// position d.
inline constexpr std::array<std::string_view, 10> Tabelle_Flattermarken = {
    "000000000", "500000000", "050000000", "005000000", "000500000",
    "000050000", "000005000", "000000500", "000000050", "000000005"};

class TBarcode_Flattermarken : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  // The full-encoded text is the text itself, whatever AutoCheckDigit says.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
