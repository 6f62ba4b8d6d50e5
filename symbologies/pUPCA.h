// UPC-A: twelve digits, six in each half; the number system digit and the
// check digit are printed in the quiet zones.
#pragma once

#include "symbologies/pUPC.h"

namespace tessel {

class TBarcode_UPCA : public TBarcode_UPC {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_UPC::TBarcode_UPC;
  int NumberChars() override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  bool GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText, TTextAlignment Alignment,
                                const std::string& Pattern, double Ratio, int Module,
                                TCustomAlignmentDefine& Define) override;
};

}  // namespace tessel
