#include "symbologies/pIdentcode.h"

#include <algorithm>

#include "check/pCheck.h"
#include "core/pCommon.h"

namespace tessel {
namespace {

// Fills the '#' of Mask with the characters of Text in order; the other
// characters of Mask are separators.
std::string Grouped(std::string_view Text, std::string_view Mask) {
  std::string result;
  std::size_t next = 0;
  for (char m : Mask) {
    if (m != '#')
      result += m;
    else if (next < Text.size())
      result += Text[next++];
  }
  return result;
}

}  // namespace

void TBarcode_Identcode::SetSplitText(bool Value) {
  if (DisplayText() == dtNone)
    splitText_ = Value;  // nothing shown, nothing to redraw
  else
    SetErasing(splitText_, Value);
}

bool TBarcode_Identcode::VerifyLength(const std::string& Barcode, bool AutoCheckDigit) {
  return Barcode.size() <= (AutoCheckDigit ? 11u : 12u);
}

std::string TBarcode_Identcode::AppendCheckDigit(const std::string& Barcode) {
  return Barcode + Mod10Left49WeightCom_Check(Barcode);
}

std::string TBarcode_Identcode::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  return TBarcode_Code25InterleavedCustom::MakeData(SetBarcodeLength(AutoCheckDigit ? 11 : 12, Barcode, '0'),
                                                    AutoCheckDigit, FullEncoded);
}

void TBarcode_Identcode::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                          TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                          TPoint& RightBottom, std::span<const int>& PDx) {
  if (Step == dtsPrepare) {
    std::string& text = Parameters.Text;
    const bool typed = Define.DisplayText == dtBarcode;
    if (typed) text = SetBarcodeLength(Define.AutoCheckDigit ? 11 : 12, text, '0');
    // Under dtBarcode the check digit, the last group, is never shown.
    if (splitText_) {
      text = Grouped(text, "###.## ###.### #");
      if (typed) text.resize(std::min<std::size_t>(text.size(), 14));
    } else if (typed) {
      text.resize(std::min<std::size_t>(text.size(), 11));
    }
  }
  TBarcode_Code25InterleavedCustom::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom,
                                                     PDx);
}

void TBarcode_Identcode::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_Identcode*>(Source);
  if (!source) return;
  splitText_ = source->splitText_;
  TBarcode_Code25InterleavedCustom::Assign(Source);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_Identcode::SplitText, &TBarcode_Identcode::SetSplitText>("SplitText"),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Identcode::ClassInfo{"TBarcode_Identcode", &TBarcode_Code25InterleavedCustom::ClassInfo,
                                               properties, &NewComponent<TBarcode_Identcode>};
TESSEL_REGISTER(TBarcode_Identcode);

}  // namespace tessel
