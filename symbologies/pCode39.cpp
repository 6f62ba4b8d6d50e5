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
constexpr std::array<std::string_view, 44> Tabelle_Code39 = {
    "505160605", "605150506", "506150506", "606150505", "505160506", "605160505", "506160505", "505150606", "605150605",
    "506150605", "605051506", "506051506", "606051505", "505061506", "605061505", "506061505", "505051606", "605051605",
    "506051605", "505061605", "605050516", "506050516", "606050515", "505060516", "605060515", "506060515", "505050616",
    "605050615", "506050615", "505060615", "615050506", "516050506", "616050505", "515060506", "615060505", "516060505",
    "515050606", "615050605", "516050605", "515151505", "515150515", "515051515", "505151515", "515060605"};

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
