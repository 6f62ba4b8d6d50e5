// EAN-128 (GS1-128): a Code 128 symbol whose first data character is FNC1,
// with an optional modulo-10 check digit over a chosen range of the text and
// the linkage character of a composite symbol.
#pragma once

#include <cstdint>

#include "symbologies/pCode128.h"

namespace tessel {

// The composite component printed with the linear symbol, if any.
TESSEL_PUBLISHED_ENUM(TLink2D, ldNone, ldCCA, ldCCB, ldCCC)

class TBarcode_EAN128 : public TBarcode_Code128 {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code128::TBarcode_Code128;

  // 1-based position of the first character the check digit covers.
  int CheckStart() const { return checkStart_; }
  void SetCheckStart(int Value);
  // Number of characters covered; 0 or less: up to the end of the text.
  int CheckLength() const { return checkLength_; }
  void SetCheckLength(int Value);
  TLink2D Link2D() const { return link2D_; }
  void SetLink2D(TLink2D Value);

  void Assign(const TPersistent* Source) override;
  // The text followed by the modulo-10 check digit of the chosen range when
  // AutoCheckDigit is set.
  std::string AppendSubCheckDigit(const std::string& Barcode, bool AutoCheckDigit) const;
  int VerifyAllChars(const std::string& Barcode, bool AutoCheckDigit) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;

 private:
  int checkStart_ = 1;
  int checkLength_ = 0;
  TLink2D link2D_ = ldNone;
};

}  // namespace tessel
