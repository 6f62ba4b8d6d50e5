#include "symbologies/pMSI.h"

#include <array>
#include <iterator>

namespace tessel {
namespace {

// By digit, its four bits from the most significant down: a 0 bit is a
// narrow bar and a wide space ("51"), a 1 bit a wide bar and a narrow space
// ("60").
constexpr std::array<std::string_view, 10> Tabelle_MSI = {
    "51515151",  // [0] 0
    "51515160",  // [1] 1
    "51516051",  // [2] 2
    "51516060",  // [3] 3
    "51605151",  // [4] 4
    "51605160",  // [5] 5
    "51606051",  // [6] 6
    "51606060",  // [7] 7
    "60515151",  // [8] 8
    "60515160",  // [9] 9
};
constexpr std::string_view StartPattern = "60";
constexpr std::string_view StopPattern = "515";
constexpr std::size_t DigitWidth = 8;

// The largest modulo-11 weight of each weighting.
constexpr int MaxIBMWeight = 7;
constexpr int MaxNCRWeight = 9;

// Modulo 10 with every second digit from the rightmost doubled (the digits
// of the product summed).
char MsiMod10(std::string_view Digits) {
  int sum = 0;
  bool doubled = true;
  for (auto it = Digits.rbegin(); it != Digits.rend(); ++it, doubled = !doubled) {
    int value = *it - '0';
    if (doubled) value = value * 2 > 9 ? value * 2 - 9 : value * 2;
    sum = (sum + value) % 10;
  }
  return static_cast<char>('0' + (10 - sum) % 10);
}

// Modulo 11 with weights rising from 2 at the rightmost digit; a check
// value of 10 is written as the two digits "10".
std::string MsiMod11(std::string_view Digits, TMod11Weighting Weighting) {
  const int maxWeight = Weighting == mwNCR ? MaxNCRWeight : MaxIBMWeight;
  int sum = 0, weight = 2;
  for (auto it = Digits.rbegin(); it != Digits.rend(); ++it) {
    sum = (sum + (*it - '0') * weight) % 11;
    weight = weight == maxWeight ? 2 : weight + 1;
  }
  const int check = (11 - sum) % 11;
  return check == 10 ? std::string("10") : std::string(1, static_cast<char>('0' + check));
}

}  // namespace

void TBarcode_MSI::SetCheckMethod(TCheckMethod Value) {
  if (AutoCheckDigit())
    SetComposite(checkMethod_, Value, true);
  else
    checkMethod_ = Value;
}

void TBarcode_MSI::SetMod11Weighting(TMod11Weighting Value) {
  if (AutoCheckDigit() && UsesMod11())
    SetComposite(mod11Weighting_, Value, true);
  else
    mod11Weighting_ = Value;
}

bool TBarcode_MSI::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[Index - 1];
  return c >= '0' && c <= '9';
}

std::string TBarcode_MSI::AppendCheckDigit(const std::string& Barcode) {
  std::string result = Barcode;
  if (checkMethod_ == cmMod10 || checkMethod_ == cmMod1010)
    result += MsiMod10(result);
  else
    result += MsiMod11(result, mod11Weighting_);
  if (checkMethod_ == cmMod1010 || checkMethod_ == cmMod1110) result += MsiMod10(result);
  return result;
}

std::string TBarcode_MSI::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern;
  pattern.reserve(StartPattern.size() + FullEncoded.size() * DigitWidth + StopPattern.size());
  pattern += StartPattern;
  for (char c : FullEncoded) {
    if (c < '0' || c > '9') continue;  // validation rejects these beforehand
    pattern += Tabelle_MSI[static_cast<std::size_t>(c - '0')];
  }
  pattern += StopPattern;
  return pattern;
}

void TBarcode_MSI::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_MSI*>(Source);
  if (!source) return;
  checkMethod_ = source->checkMethod_;
  mod11Weighting_ = source->mod11Weighting_;
  TBarcode::Assign(Source);
}

namespace {

const TPropInfo properties[] = {
    Published<&TBarcode_MSI::CheckMethod, &TBarcode_MSI::SetCheckMethod>("CheckMethod"),
    Published<&TBarcode_MSI::Mod11Weighting, &TBarcode_MSI::SetMod11Weighting>("Mod11Weighting"),
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_MSI::ClassInfo{"TBarcode_MSI", &TBarcode::ClassInfo, properties, &NewComponent<TBarcode_MSI>};
TESSEL_REGISTER(TBarcode_MSI);

}  // namespace tessel
