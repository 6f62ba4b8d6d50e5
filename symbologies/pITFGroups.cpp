#include "symbologies/pITFGroups.h"

#include <algorithm>

namespace tessel {

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

void PrepareGroupedText(std::string& Text, const TBarcodeDefine& Define, const TDigitGroups& Groups, bool Split) {
  const bool typed = Define.DisplayText == dtBarcode;
  if (typed) Text = SetBarcodeLength(Groups.Length(Define.AutoCheckDigit), Text, '0');
  if (Split) {
    Text = Grouped(Text, Groups.Mask);
    // The mask without the check digit and its separator.
    if (typed) Text.resize(std::min(Text.size(), Groups.Mask.size() - 2));
  } else if (typed) {
    Text.resize(std::min(Text.size(), static_cast<std::size_t>(Groups.Digits)));
  }
}

}  // namespace tessel
