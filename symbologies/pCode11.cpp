#include "symbologies/pCode11.h"

#include <array>

#include "check/pCheck.h"

namespace tessel {
namespace {

// The 0-based position of a character is its value; 'S' stands for the
// start/stop character.
constexpr std::string_view CharSet_Code11 = "0123456789-S";
constexpr std::size_t DataChars = 11;
constexpr std::size_t StartStop = 11;

// Bar, space, bar, space, bar.
// Source: AIM USD-8 character patterns.
constexpr std::array<std::string_view, 12> Tabelle_Code11 = {
    "50506",  // [0] 0
    "60506",  // [1] 1
    "51506",  // [2] 2
    "61505",  // [3] 3
    "50606",  // [4] 4
    "60605",  // [5] 5
    "51605",  // [6] 6
    "50516",  // [7] 7
    "60515",  // [8] 8
    "60505",  // [9] 9
    "50605",  // [10] -
    "50615",  // [11] S
};

}  // namespace

bool TBarcode_Code11::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharSet_Code11.find(Barcode[Index - 1]) < DataChars;
}

std::string TBarcode_Code11::AppendCheckDigit(const std::string& Barcode) {
  const bool two = numberCheckDigit_ == ncdTwo || (numberCheckDigit_ == ncdAuto && Barcode.size() >= 10);
  return Barcode + ModDualRightSequenceWeight_Check(Barcode, CharSet_Code11, 10, 9, 11, !two);
}

std::string TBarcode_Code11::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern;
  pattern.reserve((FullEncoded.size() + 2) * 6);
  pattern += Tabelle_Code11[StartStop];
  pattern += '0';
  for (char c : FullEncoded) {
    const std::size_t value = CharSet_Code11.find(c);
    if (value >= DataChars) continue;  // validation rejects these beforehand
    pattern += Tabelle_Code11[value];
    pattern += '0';
  }
  pattern += Tabelle_Code11[StartStop];
  return pattern;
}

void TBarcode_Code11::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_Code11*>(Source);
  if (!source) return;
  numberCheckDigit_ = source->numberCheckDigit_;
  TBarcode::Assign(Source);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_Code11::NumberCheckDigit, &TBarcode_Code11::SetNumberCheckDigit>("NumberCheckDigit"),
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Code11::ClassInfo{"TBarcode_Code11", &TBarcode::ClassInfo, properties,
                                            &NewComponent<TBarcode_Code11>};
TESSEL_REGISTER(TBarcode_Code11);

}  // namespace tessel
