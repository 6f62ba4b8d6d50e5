// Code 93: the 43 data characters with two modulo-47 check characters,
// drawn from module counts (exact at the default ratio of 2).
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_Code93 : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
