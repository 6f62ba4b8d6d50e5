// TBarcode_Code25: the base of the two-of-five family (digits only, with a
// modulo-10 check digit weighted 3-1 from the right).
#pragma once

#include <array>
#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

// Row k belongs to the character '0' + k: five elements, '1' wide and '0'
// narrow. The eleventh row (':') is the right padding of the interleaved code.
// Source: ISO/IEC 16390 digit patterns.
inline constexpr std::array<std::string_view, 11> Tabelle_Code25 = {
    "00110",  // [0] 0
    "10001",  // [1] 1
    "01001",  // [2] 2
    "11000",  // [3] 3
    "00101",  // [4] 4
    "10100",  // [5] 5
    "01100",  // [6] 6
    "00011",  // [7] 7
    "10010",  // [8] 8
    "01010",  // [9] 9
    "00000",  // [10] :
};

// The start and stop patterns of the family ('5' narrow, '6' wide and '7'
// one and a half wide bar, '0' narrow space). Interleaved's narrow start and
// wide-narrow stop also frame IATA and Datalogic.
inline constexpr std::string_view Code25IndustrialStart = "606050";
inline constexpr std::string_view Code25IndustrialStop = "60506";
inline constexpr std::string_view Code25MatrixStart = "705050";
inline constexpr std::string_view Code25MatrixStop = "70505";
inline constexpr std::string_view Code25NarrowStart = "5050";
inline constexpr std::string_view Code25WideNarrowStop = "605";

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
