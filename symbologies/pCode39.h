// Code 39: the 43 data characters between '*' start and stop characters,
// with an optional modulo-43 check character. The base of the full-ASCII
// form, Code 32 and PZN, which reuse its pattern builder and text hook.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_Code39 : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  // Frames the human-readable text with '*'.
  bool ShowGuards() const { return showGuards_; }
  void SetShowGuards(bool Value) { SetErasing(showGuards_, Value); }
  // Widens the space between characters from narrow to one and a half wide.
  bool InterGap() const { return interGap_; }
  void SetInterGap(bool Value) { SetErasing(interGap_, Value); }

  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;
  void Assign(const TPersistent* Source) override;

 protected:
  // The pattern of Text (characters of the Code 39 set) between start and
  // stop, without a check character.
  std::string Code39Pattern(std::string_view Text) const;

 private:
  bool showGuards_ = false;
  bool interGap_ = false;
};

}  // namespace tessel
