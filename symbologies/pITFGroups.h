// The fixed-length interleaved codes with a grouped text (Leitcode,
// Identcode, ITF-14): the text is padded on the left with zeros to a fixed
// number of digits before the check digit, and the human-readable text may
// be split into groups. Leitcode and Identcode, the German postal codes,
// also share their check digit.
#pragma once

#include <string>
#include <string_view>

#include "check/pCheck.h"
#include "components/pBarcode.h"
#include "core/pCommon.h"
#include "symbologies/pCode25Int.h"

namespace tessel {

// The digits before the check digit and the grouping of the full text: a '#'
// per digit and separators between the groups; the check digit is the last
// group, after one separator.
struct TDigitGroups {
  int Digits;
  std::string_view Mask;
  // The fixed length of the text: the check digit is typed when it is not
  // appended.
  int Length(bool AutoCheckDigit) const { return AutoCheckDigit ? Digits : Digits + 1; }
};

// Fills the '#' of Mask with the characters of Text in order; the other
// characters of Mask are separators.
std::string Grouped(std::string_view Text, std::string_view Mask);

// The dtsPrepare step of the text: under dtBarcode the typed text is padded
// to the fixed length; with Split it is grouped. Under dtBarcode the check
// digit, the last group, is never shown.
void PrepareGroupedText(std::string& Text, const TBarcodeDefine& Define, const TDigitGroups& Groups, bool Split);

// Adds the fixed length, SplitText and the grouped text to Base. Derived
// names its grouping as `static constexpr TDigitGroups Groups`; Assign takes
// only a Derived (or a descendant) as its source.
template <class Derived, class Base>
class TGroupedDigits : public Base {
 public:
  using Base::Base;

  bool SplitText() const { return splitText_; }
  void SetSplitText(bool Value) {
    if (this->DisplayText() == dtNone)
      splitText_ = Value;  // nothing shown, nothing to redraw
    else
      this->SetErasing(splitText_, Value);
  }

  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override {
    return Barcode.size() <= static_cast<std::size_t>(Derived::Groups.Length(AutoCheckDigit));
  }
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override {
    return Base::MakeData(SetBarcodeLength(Derived::Groups.Length(AutoCheckDigit), Barcode, '0'), AutoCheckDigit,
                          FullEncoded);
  }
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override {
    if (Step == dtsPrepare) PrepareGroupedText(Parameters.Text, Define, Derived::Groups, splitText_);
    Base::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
  }
  void Assign(const TPersistent* Source) override {
    const auto* source = dynamic_cast<const Derived*>(Source);
    if (!source) return;
    splitText_ = source->SplitText();
    Base::Assign(Source);
  }

 private:
  bool splitText_ = false;
};

// The German postal codes: plain Interleaved 2 of 5 with a check digit
// weighted 4 and 9 from the leftmost digit.
template <class Derived>
class TPostalDigits : public TGroupedDigits<Derived, TBarcode_Code25InterleavedCustom> {
  using Base = TGroupedDigits<Derived, TBarcode_Code25InterleavedCustom>;

 public:
  using Base::Base;

  std::string AppendCheckDigit(const std::string& Barcode) override {
    return Barcode + Mod10Left49WeightCom_Check(Barcode);
  }
};

}  // namespace tessel
