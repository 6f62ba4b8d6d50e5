#include "symbologies/pCode39.h"

#include <array>

namespace tessel {
namespace {

// The 0-based position of a character is its value for the check character;
// the 44th, '*', is the start/stop character.
constexpr std::string_view CharSet_Code39 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
constexpr std::size_t DataChars = 43;
constexpr std::size_t StartStop = 43;

// Bar, space, bar, ... bar: "5" narrow and "6" wide bar, "0" narrow and "1"
// wide space.
// Source: ISO/IEC 16388 character patterns.
constexpr std::array<std::string_view, 44> Tabelle_Code39 = {
    "505160605",  // [0] 0
    "605150506",  // [1] 1
    "506150506",  // [2] 2
    "606150505",  // [3] 3
    "505160506",  // [4] 4
    "605160505",  // [5] 5
    "506160505",  // [6] 6
    "505150606",  // [7] 7
    "605150605",  // [8] 8
    "506150605",  // [9] 9
    "605051506",  // [10] A
    "506051506",  // [11] B
    "606051505",  // [12] C
    "505061506",  // [13] D
    "605061505",  // [14] E
    "506061505",  // [15] F
    "505051606",  // [16] G
    "605051605",  // [17] H
    "506051605",  // [18] I
    "505061605",  // [19] J
    "605050516",  // [20] K
    "506050516",  // [21] L
    "606050515",  // [22] M
    "505060516",  // [23] N
    "605060515",  // [24] O
    "506060515",  // [25] P
    "505050616",  // [26] Q
    "605050615",  // [27] R
    "506050615",  // [28] S
    "505060615",  // [29] T
    "615050506",  // [30] U
    "516050506",  // [31] V
    "616050505",  // [32] W
    "515060506",  // [33] X
    "615060505",  // [34] Y
    "516060505",  // [35] Z
    "515050606",  // [36] -
    "615050605",  // [37] .
    "516050605",  // [38] space
    "515151505",  // [39] $
    "515150515",  // [40] /
    "515051515",  // [41] +
    "505151515",  // [42] %
    "515060605",  // [43] *
};

}  // namespace

bool TBarcode_Code39::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharSet_Code39.find(Barcode[Index - 1]) < DataChars;
}

std::string TBarcode_Code39::AppendCheckDigit(const std::string& Barcode) {
  std::size_t sum = 0;
  for (char c : Barcode) {
    const std::size_t value = CharSet_Code39.find(c);
    if (value < DataChars) sum += value;
  }
  return Barcode + CharSet_Code39[sum % DataChars];
}

std::string TBarcode_Code39::Code39Pattern(std::string_view Text) const {
  const char gap = interGap_ ? '2' : '0';
  std::string pattern;
  pattern.reserve((Text.size() + 2) * 10);
  pattern += Tabelle_Code39[StartStop];
  pattern += gap;
  for (char c : Text) {
    const std::size_t value = CharSet_Code39.find(c);
    if (value >= DataChars) continue;  // validation rejects these beforehand
    pattern += Tabelle_Code39[value];
    pattern += gap;
  }
  pattern += Tabelle_Code39[StartStop];
  return pattern;
}

std::string TBarcode_Code39::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  return Code39Pattern(FullEncoded);
}

void TBarcode_Code39::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                       TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                       TPoint& RightBottom, std::span<const int>& PDx) {
  if (Step == dtsPrepare && showGuards_) Parameters.Text = "*" + Parameters.Text + "*";
  TBarcode::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
}

void TBarcode_Code39::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_Code39*>(Source);
  if (!source) return;
  showGuards_ = source->showGuards_;
  interGap_ = source->interGap_;
  TBarcode::Assign(Source);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_Code39::ShowGuards, &TBarcode_Code39::SetShowGuards>("ShowGuards"),
    Published<&TBarcode_Code39::InterGap, &TBarcode_Code39::SetInterGap>("InterGap"),
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Code39::ClassInfo{"TBarcode_Code39", &TBarcode::ClassInfo, properties,
                                            &NewComponent<TBarcode_Code39>};
TESSEL_REGISTER(TBarcode_Code39);

}  // namespace tessel
