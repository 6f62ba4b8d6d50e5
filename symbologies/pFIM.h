// FIM: the Facing Identification Marks A to D of United States business
// reply and courtesy reply mail. The mark's letter is the first character of
// Barcode; any other first character draws nothing.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_FIM : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_FIM(TComponent* AOwner);

  // The first character of Barcode, or "E" (no mark) when it is empty.
  std::string GetFIMType() const;
  // Sets Barcode, with all its change handling.
  void SetFIMType(const std::string& Value) { SetBarcode(Value); }

  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
