// Clocked 3 of 5: digits laid out from right to left, each followed by a
// double-width separator, with a modulo-10 check digit at the right end.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_Clocked35 : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  // The first digit is drawn rightmost, the last leftmost; the check digit
  // follows at the right end without a separator.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
