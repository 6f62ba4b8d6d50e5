// Code 39 full ASCII: every 7-bit character, written as one or two Code 39
// data characters (the shift pairs of the full-ASCII table).
#pragma once

#include "symbologies/pCode39.h"

namespace tessel {

class TBarcode_Code39Ext : public TBarcode_Code39 {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code39::TBarcode_Code39;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  // The full-encoded text is the text as typed plus the check character
  // computed over the expansion; the shift pairs are never shown.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
