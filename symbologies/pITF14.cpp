#include "symbologies/pITF14.h"

#include <algorithm>

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

TBarcode_ITF14::TBarcode_ITF14(TComponent* AOwner) : TBarcode_ITF6(AOwner) { SetAutoCheckDigit(true); }

void TBarcode_ITF14::SetSplitText(bool Value) {
  if (DisplayText() == dtNone)
    splitText_ = Value;  // nothing shown, nothing to redraw
  else
    SetErasing(splitText_, Value);
}

bool TBarcode_ITF14::VerifyLength(const std::string& Barcode, bool AutoCheckDigit) {
  return Barcode.size() <= (AutoCheckDigit ? 13u : 14u);
}

std::string TBarcode_ITF14::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  return TBarcode_ITF6::MakeData(SetBarcodeLength(AutoCheckDigit ? 13 : 14, Barcode, '0'), AutoCheckDigit, FullEncoded);
}

void TBarcode_ITF14::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                      TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                      TPoint& RightBottom, std::span<const int>& PDx) {
  if (Step == dtsPrepare) {
    std::string& text = Parameters.Text;
    const bool typed = Define.DisplayText == dtBarcode;
    if (typed) text = SetBarcodeLength(Define.AutoCheckDigit ? 13 : 14, text, '0');
    // Under dtBarcode the check digit, the last group, is never shown.
    if (splitText_) {
      text = Grouped(text, "# ## ##### ##### #");
      if (typed) text.resize(std::min<std::size_t>(text.size(), 16));
    } else if (typed) {
      text.resize(std::min<std::size_t>(text.size(), 13));
    }
  }
  TBarcode_ITF6::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
}

void TBarcode_ITF14::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_ITF14*>(Source);
  if (!source) return;
  splitText_ = source->splitText_;
  TBarcode_ITF6::Assign(Source);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_ITF14::SplitText, &TBarcode_ITF14::SetSplitText>("SplitText"),
    AutoCheckDigitProperty(),
};
}  // namespace

const TClassInfo TBarcode_ITF14::ClassInfo{"TBarcode_ITF14", &TBarcode_ITF6::ClassInfo, properties,
                                           &NewComponent<TBarcode_ITF14>};
TESSEL_REGISTER(TBarcode_ITF14);

}  // namespace tessel
