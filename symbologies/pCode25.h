// TBarcode_Code25: the base of the two-of-five family (digits only, with a
// modulo-10 check digit weighted 3-1 from the right).
#pragma once

#include <array>
#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

// Row k belongs to the character '0' + k: five elements, '1' wide and '0'
// narrow. The eleventh row (':') is the right padding of the interleaved code.
inline constexpr std::array<std::string_view, 11> Tabelle_Code25 = {
    "00110", "10001", "01001", "11000", "00101", "10100", "01100", "00011", "10010", "01010", "00000"};

// The table row of a digit or ':'.
inline std::string_view Code25Row(char C) { return Tabelle_Code25[static_cast<unsigned char>(C - '0') % 11]; }

class TBarcode_Code25 : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
};

}  // namespace tessel
