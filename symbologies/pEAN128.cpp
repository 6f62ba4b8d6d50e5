#include "symbologies/pEAN128.h"

#include <algorithm>

#include "check/pCheck.h"
#include "core/pCommon.h"

namespace tessel {

void TBarcode_EAN128::SetCheckStart(int Value) { SetComposite(checkStart_, Value, true); }

void TBarcode_EAN128::SetCheckLength(int Value) { SetComposite(checkLength_, Value, true); }

void TBarcode_EAN128::SetLink2D(TLink2D Value) {
  if (link2D_ == Value) return;
  Erase();
  link2D_ = Value;
  DoChange(true);
}

void TBarcode_EAN128::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_EAN128*>(Source);
  if (!source) return;
  checkStart_ = source->checkStart_;
  checkLength_ = source->checkLength_;
  link2D_ = source->link2D_;
  TBarcode_Code128::Assign(Source);
  DoChangeForComposite();
}

std::string TBarcode_EAN128::AppendSubCheckDigit(const std::string& Barcode, bool AutoCheckDigit) const {
  if (!AutoCheckDigit) return Barcode;
  const long long size = static_cast<long long>(Barcode.size());
  const long long length = checkLength_ > 0 ? checkLength_ : size - checkStart_ + 1;
  // The covered characters, cut to the text.
  const long long first = std::max<long long>(checkStart_, 1) - 1;
  const long long last = std::min<long long>(static_cast<long long>(checkStart_) - 1 + length, size);
  std::string_view covered;
  if (first < last) covered = std::string_view(Barcode).substr(first, last - first);
  return Barcode + Mod10RightOdd3WeightCom_Check(covered);
}

int TBarcode_EAN128::VerifyAllChars(const std::string& Barcode, bool AutoCheckDigit) {
  // The entered text is checked on its own: checking it with the check digit
  // appended would let a digit 1 to 4 complete a trailing backslash into an
  // escape, and the digit would vanish from the data. A valid text stays
  // valid with a digit appended.
  return TBarcode_Code128::VerifyAllChars(Barcode, AutoCheckDigit);
}

std::string TBarcode_EAN128::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  const std::string text = AppendSubCheckDigit(Barcode, AutoCheckDigit);
  FullEncoded = text;
  std::string discarded;
  std::string pattern = TBarcode_Code128::MakeData("\\1" + text, true, discarded);
  if (link2D_ == ldNone) return pattern;

  // The linkage character takes the place after the last data character;
  // the check character is computed again with it.
  static constexpr int linkage[2][3] = {{100, 99, 101}, {99, 101, 100}};  // [CC-C][final subset A, B, C]
  const int subset = std::clamp<int>(FinalSubSet(), cssSubSetA, cssSubSetC) - cssSubSetA;
  const int link = linkage[link2D_ == ldCCC ? 1 : 0][subset];
  const int check = static_cast<int>((static_cast<std::int64_t>(SymbolCharCount()) * link + CheckSum()) % 103);
  SetCheckSum(check);
  const std::string tail = {static_cast<char>(link), static_cast<char>(check), static_cast<char>(code128::Stop)};
  pattern.replace(pattern.size() - 13, 13, Code128Pattern(tail));
  for (char& c : pattern) c = static_cast<char>(c + 49);  // the composite line kinds
  return pattern;
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_EAN128::CheckStart, &TBarcode_EAN128::SetCheckStart>("CheckStart"),
    Published<&TBarcode_EAN128::CheckLength, &TBarcode_EAN128::SetCheckLength>("CheckLength"),
    Published<&TBarcode_EAN128::Link2D, &TBarcode_EAN128::SetLink2D>("Link2D"),
};
}  // namespace

const TClassInfo TBarcode_EAN128::ClassInfo{"TBarcode_EAN128", &TBarcode_Code128::ClassInfo, properties,
                                            &NewComponent<TBarcode_EAN128>};
TESSEL_REGISTER(TBarcode_EAN128);

}  // namespace tessel
