// CPC Binary: a Canadian postal code (letter, digit, letter, digit, letter,
// digit) packed into a 28-bit number whose bits are bar positions that hold a
// bar or stay empty, followed by a closing bar; a leading bar makes the count
// of bars even.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_CPCBin : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  // The bar colour starts as DefaultBarColor.
  explicit TBarcode_CPCBin(TComponent* AOwner);

  // Red FF, green D0, blue C0.
  static constexpr TColor DefaultBarColor = 0xC0D0FF;

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  // AutoCheckDigit is not used.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
