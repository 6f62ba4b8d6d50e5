// Australia Post four-state customer barcode: a two-digit format control code
// (FCC), an eight-digit delivery point identifier (DPID), optional customer
// information, a filler and four Reed-Solomon parity symbols between start
// and stop bars. Every bar is a full bar, an ascender, a descender or a
// tracker.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_AP4SC : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  // Customer information of digits only, two bars a digit; otherwise any
  // character of the customer-information set, three bars a character.
  // Switching it on empties a non-empty text.
  bool NumCustomerInfo() const { return numCustomerInfo_; }
  void SetNumCustomerInfo(bool Value);
  // The human-readable text in groups: FCC, DPID, customer information and
  // (in the full-encoded text) the parity symbols in pairs.
  bool SplitText() const { return splitText_; }
  void SetSplitText(bool Value);

  void Assign(const TPersistent* Source) override;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  bool IsMultiState() override { return true; }
  // The parity is always added: AutoCheckDigit is not used.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;

 private:
  bool numCustomerInfo_ = false;
  bool splitText_ = false;
};

}  // namespace tessel
