// UPC-E with number system 1 implied: the user types the six data digits.
#pragma once

#include "symbologies/pUPC.h"

namespace tessel {

class TBarcode_UPCE1 : public TBarcode_UPC {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_UPC::TBarcode_UPC;
  int NumberChars() override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  bool GetCustomAlignmentDefine(const std::string& FullEncoded, TDisplayText DisplayText, TTextAlignment Alignment,
                                const std::string& Pattern, double Ratio, int Module,
                                TCustomAlignmentDefine& Define) override;
};

}  // namespace tessel
