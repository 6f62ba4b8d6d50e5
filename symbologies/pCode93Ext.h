// Code 93 full ASCII: every 7-bit character, written as one character or a
// shift character and a letter of Code 93.
#pragma once

#include "symbologies/pCode93.h"

namespace tessel {

class TBarcode_Code93Ext : public TBarcode_Code93 {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code93::TBarcode_Code93;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  // The full-encoded text is the text as typed plus the two check characters
  // computed over the expansion; the shift pairs are never shown.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
