// PLANET: the United States postal code drawn like POSTNET with the inverse
// digit table (three full bars out of five).
#pragma once

#include "symbologies/pPostNet.h"

namespace tessel {

class TBarcode_PLANET : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  bool IsMultiState() override { return true; }
};

}  // namespace tessel
