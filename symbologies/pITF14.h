// ITF-14: thirteen digits and a check digit in Interleaved 2 of 5 with the
// bearer bars of ITF-6; the text may be split into the groups 1 2 5 5 1.
#pragma once

#include "symbologies/pITF6.h"

namespace tessel {

class TBarcode_ITF14 : public TBarcode_ITF6 {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_ITF14(TComponent* AOwner);

  bool SplitText() const { return splitText_; }
  void SetSplitText(bool Value);

  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;
  void Assign(const TPersistent* Source) override;

 private:
  bool splitText_ = false;
};

}  // namespace tessel
