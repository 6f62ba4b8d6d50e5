#include "symbologies/pCode25Int.h"

namespace tessel {

void TBarcode_Code25InterleavedCustom::SetPadding(TCode25InterleavedPadding Value) {
  if (padding_ == Value) return;
  Erase();
  padding_ = Value;
  DoChange(true);
}

std::string TBarcode_Code25InterleavedCustom::MakeData(const std::string& Barcode, bool AutoCheckDigit,
                                                       std::string& FullEncoded) {
  TBarcode_Code25::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  if (FullEncoded.size() % 2 != 0) {
    if (padding_ == cipLeft)
      FullEncoded.insert(FullEncoded.begin(), '0');
    else
      FullEncoded += ':';
  }
  std::string pattern(Code25NarrowStart);
  pattern.reserve(pattern.size() + FullEncoded.size() * 5 + 3);
  for (std::size_t i = 0; i + 1 < FullEncoded.size(); i += 2) {
    const std::string_view bars = Code25Row(FullEncoded[i]), spaces = Code25Row(FullEncoded[i + 1]);
    for (int k = 0; k < 5; ++k) {
      pattern += bars[k] == '1' ? '6' : '5';
      pattern += spaces[k] == '1' ? '1' : '0';
    }
  }
  pattern += Code25WideNarrowStop;
  return pattern;
}

void TBarcode_Code25InterleavedCustom::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_Code25InterleavedCustom*>(Source);
  if (!source) return;
  padding_ = source->padding_;
  TBarcode_Code25::Assign(Source);
}

namespace {
const TPropInfo interleavedProperties[] = {
    Published<&TBarcode_Code25InterleavedCustom::Padding, &TBarcode_Code25InterleavedCustom::SetPadding>("Padding"),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Code25InterleavedCustom::ClassInfo{
    "TBarcode_Code25InterleavedCustom", &TBarcode_Code25::ClassInfo, {}, nullptr};
const TClassInfo TBarcode_Code25Interleaved::ClassInfo{
    "TBarcode_Code25Interleaved", &TBarcode_Code25InterleavedCustom::ClassInfo, interleavedProperties,
    &NewComponent<TBarcode_Code25Interleaved>};
TESSEL_REGISTER(TBarcode_Code25Interleaved);

}  // namespace tessel
