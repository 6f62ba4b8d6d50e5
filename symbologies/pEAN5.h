// EAN-5: the 5-digit add-on printed beside a main EAN/UPC symbol; its
// digits stand in one group over the bars.
#pragma once

#include "symbologies/pUPC.h"

namespace tessel {

class TBarcode_EAN5 : public TBarcode_UPC {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_UPC::TBarcode_UPC;
  int NumberChars() override;
  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  bool GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText, TTextAlignment Alignment,
                                const std::string& Pattern, double Ratio, int Module,
                                TCustomAlignmentDefine& Define) override;
};

}  // namespace tessel
