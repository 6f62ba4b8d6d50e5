// PZN, the German pharmaceutical central number: a minus sign and seven
// digits (six digits and a modulo-11 check character) in Code 39.
#pragma once

#include "symbologies/pCode39.h"

namespace tessel {

class TBarcode_PZN : public TBarcode_Code39 {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_PZN(TComponent* AOwner);

  // The seven characters of the number: with AutoCheckDigit the text padded
  // to six digits plus its check character ("+" for a remainder of 10),
  // else the text padded to seven digits.
  std::string AppendSubCheckDigit(const std::string& Barcode, bool AutoCheckDigit) const;

  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  // The printed text carries the prefix "PZN".
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;
};

}  // namespace tessel
