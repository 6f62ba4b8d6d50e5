// Canada Post PostBar, the four-state customer bar code. The first character
// selects the format (a postal code, a customer number, alphanumeric
// fields); every character becomes two or three bars of two bits each, the
// bars are read as 6-bit symbols protected by Reed-Solomon check symbols,
// and start and stop bars frame the symbol.
#pragma once

#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_PostBar : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  using TBarcode::TBarcode;

  // The human-readable text in the groups of its format.
  bool SplitText() const { return splitText_; }
  void SetSplitText(bool Value);
  // Leaves the check symbols' digits out of the full-encoded text.
  bool HideCheckDigitsText() const { return hideCheckDigitsText_; }
  void SetHideCheckDigitsText(bool Value);

  // Appends the bars of the alphanumeric field of Count characters from
  // position Start (1-based) to Field: a character outside the field
  // alphabet (a "-" separator) or the end of the text ends the field early,
  // and the rest is filled with spaces. Next receives the position where a
  // following field starts, after any separators.
  static void ReadZField(std::string_view Barcode, int Start, int Count, std::string& Field, int& Next);

  void Assign(const TPersistent* Source) override;
  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  bool IsMultiState() override { return true; }
  // The check symbols are always added: AutoCheckDigit is not used.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;

 private:
  std::string GroupedText(std::string_view Text, TDisplayText Display) const;

  bool splitText_ = false;
  bool hideCheckDigitsText_ = false;
};

}  // namespace tessel
