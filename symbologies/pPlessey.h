// Plessey: hexadecimal digits, each sent as four bits least significant
// first, with an 8-bit CRC and a plain or a bidirectional termination.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_Plessey : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_Plessey(TComponent* AOwner);

  // True: the symbol ends with a termination readers also scan backwards;
  // false: with a single termination bar.
  bool Bidirectional() const { return bidirectional_; }
  void SetBidirectional(bool Value) { SetComposite(bidirectional_, Value, true); }
  // The UK form of the bidirectional termination (its first bar is narrower).
  bool UKMode() const { return ukMode_; }
  void SetUKMode(bool Value) { SetComposite(ukMode_, Value, true); }

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  // The text and its two CRC characters.
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void Assign(const TPersistent* Source) override;

 private:
  bool bidirectional_;
  bool ukMode_ = false;
};

}  // namespace tessel
