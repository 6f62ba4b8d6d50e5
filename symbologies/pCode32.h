// Code 32, the Italian pharmaceutical code: a nine-digit number (eight
// digits and a check digit) written as six base-32 characters in Code 39.
#pragma once

#include "symbologies/pCode39.h"

namespace tessel {

class TBarcode_Code32 : public TBarcode_Code39 {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_Code32(TComponent* AOwner);

  // The nine-digit number: with AutoCheckDigit the text padded to eight
  // digits plus its check digit, else the text padded to nine digits.
  std::string AppendSubCheckDigit(const std::string& Barcode, bool AutoCheckDigit) const;

  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  // The printed text carries the prefix "A" before the nine digits.
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;
};

}  // namespace tessel
