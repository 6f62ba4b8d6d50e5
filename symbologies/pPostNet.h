// POSTNET: the United States postal code of digits with a modulo-10 check
// digit, each digit five full or half bars between two full frame bars.
// PLANET (pPLANET) is drawn the same way with the inverse digit table.
#pragma once

#include <array>
#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

// Each digit's five bar-space pairs: '5' full bar, 'A' half bar, '1' wide space.
using TPostNetDigitTable = std::array<std::string_view, 10>;

// The frame bar and its space, the entry of every digit of FullEncoded in
// order, and the closing frame bar.
std::string MakePostNetPattern(std::string_view FullEncoded, const TPostNetDigitTable& Digits);

// What POSTNET and PLANET share: digits, the modulo-10 check digit and the
// frame; each gives its digit table. An unregistered base, not a class of its
// own to users: its descendants publish their properties from TBarcode.
class TPostNetFamily : public TBarcode {
 public:
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  bool IsMultiState() override { return true; }

 protected:
  TPostNetFamily(TComponent* AOwner, const TPostNetDigitTable& Digits) : TBarcode(AOwner), digits_(Digits) {}

 private:
  const TPostNetDigitTable& digits_;
};

class TBarcode_PostNet : public TPostNetFamily {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_PostNet(TComponent* AOwner);
};

}  // namespace tessel
