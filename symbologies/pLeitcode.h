// German postal Leitcode (routing code): thirteen digits and a check digit
// weighted 4 and 9, in Interleaved 2 of 5; the text may be split as
// 12345.678.901.23 6.
#pragma once

#include "symbologies/pCode25Int.h"

namespace tessel {

class TBarcode_Leitcode : public TBarcode_Code25InterleavedCustom {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code25InterleavedCustom::TBarcode_Code25InterleavedCustom;

  bool SplitText() const { return splitText_; }
  void SetSplitText(bool Value);

  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;
  void Assign(const TPersistent* Source) override;

 private:
  bool splitText_ = false;
};

}  // namespace tessel
