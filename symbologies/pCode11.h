// Code 11: digits and the minus sign between fixed start/stop characters,
// with one or two modulo-11 check characters.
#pragma once

#include <cstdint>

#include "components/pBarcode.h"

namespace tessel {

// How many check characters Code 11 appends: ncdAuto gives two from ten
// characters of text on, one below.
TESSEL_PUBLISHED_ENUM(TNumberCheckDigit, ncdAuto, ncdOne, ncdTwo)

class TBarcode_Code11 : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  TNumberCheckDigit NumberCheckDigit() const { return numberCheckDigit_; }
  void SetNumberCheckDigit(TNumberCheckDigit Value) { SetComposite(numberCheckDigit_, Value, true); }

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void Assign(const TPersistent* Source) override;

 private:
  TNumberCheckDigit numberCheckDigit_ = ncdAuto;
};

}  // namespace tessel
