// MSI: decimal digits, each sent as four bits most significant first, with
// one or two modulo-10 / modulo-11 check digits.
#pragma once

#include <cstdint>

#include "components/pBarcode.h"

namespace tessel {

// The check digits MSI appends: one modulo-10 or modulo-11 digit, or that
// digit followed by a modulo-10 digit over the text and the first one.
TESSEL_PUBLISHED_ENUM(TCheckMethod, cmMod10, cmMod11, cmMod1010, cmMod1110)
// The modulo-11 weights from the rightmost digit on: 2 to 7 (IBM) or 2 to 9
// (NCR), repeating.
TESSEL_PUBLISHED_ENUM(TMod11Weighting, mwIBM, mwNCR)

class TBarcode_MSI : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  // Without AutoCheckDigit the check settings are only stored: the symbol
  // does not change.
  TCheckMethod CheckMethod() const { return checkMethod_; }
  void SetCheckMethod(TCheckMethod Value);
  TMod11Weighting Mod11Weighting() const { return mod11Weighting_; }
  void SetMod11Weighting(TMod11Weighting Value);

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  // A modulo-11 check value of 10 is appended as the two digits "10".
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void Assign(const TPersistent* Source) override;

 private:
  bool UsesMod11() const { return checkMethod_ == cmMod11 || checkMethod_ == cmMod1110; }

  TCheckMethod checkMethod_ = cmMod10;
  TMod11Weighting mod11Weighting_ = mwIBM;
};

}  // namespace tessel
