// The common part of the EAN-2 and EAN-5 add-ons: a fixed number of digits
// with no check digit of their own, drawn after the add-on start in the
// parities that carry the add-on's check value, and shown in one group over
// the bars.
#pragma once

#include <string>
#include <string_view>

#include "symbologies/pUPC.h"

namespace tessel {

// Not a symbology of its own: each add-on gives its length (NumberChars)
// and the parities of its digits.
class TEANAddOn : public TBarcode_UPC {
 public:
  using TBarcode_UPC::TBarcode_UPC;

  // The add-on has no check digit to leave out: whatever the check-digit
  // flag, at most NumberChars() - 1 digits are accepted, so that no typed
  // digit is dropped.
  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  // Pads the text on the left with '0' to NumberChars() - 1 digits.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  bool GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText, TTextAlignment Alignment,
                                const std::string& Pattern, double Ratio, int Module,
                                TCustomAlignmentDefine& Define) override;

 protected:
  // A character per digit: 'E' number set B (even parity), any other number
  // set A (odd parity).
  virtual std::string_view Parities(const std::string& Digits) = 0;
};

}  // namespace tessel
