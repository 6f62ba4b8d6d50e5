// COOP 2 of 5: digits in a two-of-five table of its own, three bars and two
// spaces each.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_Coop25 : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
