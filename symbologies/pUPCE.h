// UPC-E: the zero-suppressed UPC symbol with the number system digit (0 or
// 1) typed by the user.
#pragma once

#include "symbologies/pUPC.h"

namespace tessel {

class TBarcode_UPCE : public TBarcode_UPC {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_UPC::TBarcode_UPC;
  int NumberChars() override;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  bool GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText, TTextAlignment Alignment,
                                const std::string& Pattern, double Ratio, int Module,
                                TCustomAlignmentDefine& Define) override;
};

}  // namespace tessel
