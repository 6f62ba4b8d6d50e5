// BC309: three bars in nine modules per digit between a start and a stop
// bar, with a modulo-10 check digit.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_BC309 : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
