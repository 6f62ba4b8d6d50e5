// BC412: four bars in twelve modules per character over digits and capital
// letters, between a start and a stop bar, with a modulo-36 check character.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_BC412 : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  // Digits and the capital letters A to Z.
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  // The character that brings the sum of all values to a multiple of 36.
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
