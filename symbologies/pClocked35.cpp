#include "symbologies/pClocked35.h"

#include <array>

#include "check/pCheck.h"
#include "core/pCommon.h"

namespace tessel {
namespace {

// The 0-based position of a digit is its value.
constexpr std::string_view CharSet_Clocked35 = "0123456789";

// Eleven elements per digit, bars and spaces alternating from a bar or a
// narrow space: narrow bars, spaces narrow (0) or wide (1).
constexpr std::array<std::string_view, 10> Tabelle_Clocked35 = {
    "51515101015",  // [0] 0
    "01015151515",  // [1] 1
    "01510151515",  // [2] 2
    "51010151515",  // [3] 3
    "01515101515",  // [4] 4
    "51015101515",  // [5] 5
    "51510101515",  // [6] 6
    "01515151015",  // [7] 7
    "51015151015",  // [8] 8
    "51510151015",  // [9] 9
};

// The double-width space behind every data digit.
constexpr std::string_view Separator = "3";

std::string_view Entry(char C) {
  const std::size_t value = CharSet_Clocked35.find(C);
  return value == std::string_view::npos ? std::string_view() : Tabelle_Clocked35[value];
}

}  // namespace

bool TBarcode_Clocked35::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharInSet(CharSet_Clocked35, Barcode, Index);
}

std::string TBarcode_Clocked35::AppendCheckDigit(const std::string& Barcode) {
  return Barcode + Mod10Com_Check(Barcode);
}

std::string TBarcode_Clocked35::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern;
  pattern.reserve(FullEncoded.size() * (Tabelle_Clocked35[0].size() + Separator.size()));
  for (auto c = Barcode.rbegin(); c != Barcode.rend(); ++c) {
    pattern += Entry(*c);
    pattern += Separator;
  }
  if (AutoCheckDigit && !FullEncoded.empty()) pattern += Entry(FullEncoded.back());
  return pattern;
}

namespace {
const TPropInfo properties[] = {
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Clocked35::ClassInfo{"TBarcode_Clocked35", &TBarcode::ClassInfo, properties,
                                               &NewComponent<TBarcode_Clocked35>};
TESSEL_REGISTER(TBarcode_Clocked35);

}  // namespace tessel
