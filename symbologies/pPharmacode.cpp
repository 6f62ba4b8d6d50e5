#include "symbologies/pPharmacode.h"

#include "core/pCommon.h"

namespace tessel {
namespace {

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

std::string_view Trimmed(std::string_view S) {
  while (!S.empty() && IsBlank(S.front())) S.remove_prefix(1);
  while (!S.empty() && IsBlank(S.back())) S.remove_suffix(1);
  return S;
}

// The value of a text of digits when it is at most Limit, else Limit + 1;
// leading zeros count for nothing. The exact value is compared, so no number
// of digits wraps round into the range.
std::uint64_t ValueUpTo(std::string_view Digits, std::uint32_t Limit) {
  std::uint64_t value = 0;
  for (char c : Digits) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > Limit) return std::uint64_t{Limit} + 1;
  }
  return value;
}

}  // namespace

std::string TPropertyType<TBarColors>::ToText(const TBarColors& Colors) {
  std::string text;
  for (const TColor color : Colors) {
    if (!text.empty()) text += ',';
    text += TPropertyType<TColor>::ToText(color);
  }
  return text;
}

TBarColors TPropertyType<TBarColors>::FromText(std::string_view Text) {
  TBarColors colors{};
  std::size_t count = 0;
  for (;;) {
    const std::size_t comma = Text.find(',');
    if (count == colors.size())
      throw EConvertError("'" + std::string(Text) + "' holds more than " + std::to_string(colors.size()) + " colours");
    colors[count++] = TPropertyType<TColor>::FromText(Trimmed(Text.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    Text.remove_prefix(comma + 1);
  }
  return colors;
}

TColor TBarcode_Pharmacode::GetBarColors(int Index) const {
  return Index >= 0 && Index < PharmacodeMaxBars ? barColors_[static_cast<std::size_t>(Index)] : clBlack;
}

void TBarcode_Pharmacode::SetBarColors(int Index, TColor Value) {
  if (Index < 0 || Index >= PharmacodeMaxBars) return;
  SetErasing(barColors_[static_cast<std::size_t>(Index)], Value);
}

void TBarcode_Pharmacode::SetBarColor(TColor Value) {
  const TColor old = BarColor();
  if (Value == old) return;
  Erase();
  for (TColor& color : barColors_)
    if (color == old) color = Value;
  TBarcode::SetBarColor(Value);
}

bool TBarcode_Pharmacode::VerifyLength(const std::string& Barcode, bool) {
  // A text with other characters than digits is left to the character check,
  // which reports the position.
  return !IsDigits(Barcode) || ValueUpTo(Barcode, track_.Limit) <= track_.Limit;
}

bool TBarcode_Pharmacode::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[static_cast<std::size_t>(Index - 1)];
  return c >= '0' && c <= '9';
}

std::string TBarcode_Pharmacode::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  FullEncoded = Barcode;
  barCount_ = 0;
  if (!IsDigits(Barcode)) return {};
  std::uint64_t value = ValueUpTo(Barcode, track_.Limit);
  if (value > track_.Limit) return {};

  // The bars from the right: each takes the digit 1 to Base that leaves a
  // remainder divisible by Base.
  std::array<char, PharmacodeMaxBars> bars{};
  while (value != 0) {
    const std::uint64_t digit = (value - 1) % track_.Base + 1;
    bars[static_cast<std::size_t>(barCount_++)] = track_.Bars[digit - 1];
    value = (value - digit) / track_.Base;
  }

  // From the left; the space in front of bar j is wider where it follows a
  // bar of another colour.
  std::string pattern;
  pattern.reserve(2 * static_cast<std::size_t>(barCount_));
  for (int j = barCount_ - 1; j >= 0; --j) {
    const auto bar = static_cast<std::size_t>(j);
    if (j != barCount_ - 1) pattern += barColors_[bar + 1] != barColors_[bar] ? track_.WideSpace : track_.Space;
    pattern += bars[bar];
  }
  return pattern;
}

void TBarcode_Pharmacode::DoDrawLine(int Index, TLineType LineType, TColor& Color, int& Left, int& Top, int& Width,
                                     int& Height) {
  TBarcode::DoDrawLine(Index, LineType, Color, Left, Top, Width, Height);
  if (LineType == ltWhite) return;
  // Bars are the odd lines: line 2k - 1 is the k-th bar from the left.
  const int entry = barCount_ - (Index + 1) / 2;
  if (entry >= 0 && entry < PharmacodeMaxBars) Color = barColors_[static_cast<std::size_t>(entry)];
}

void TBarcode_Pharmacode::Assign(const TPersistent* Source) {
  if (!Source || !Source->InheritsFrom(ClassName())) return;
  barColors_ = static_cast<const TBarcode_Pharmacode*>(Source)->barColors_;
  TBarcode::Assign(Source);
}

namespace {
const TPropInfo properties[] = {
    BarcodeProperty(),
    TextHSpacingProperty(),
    Published<static_cast<const TBarColors& (TBarcode_Pharmacode::*)() const>(&TBarcode_Pharmacode::BarColors),
              static_cast<void (TBarcode_Pharmacode::*)(const TBarColors&)>(&TBarcode_Pharmacode::SetBarColors)>(
        "BarColors"),
};
}  // namespace

const TClassInfo TBarcode_Pharmacode::ClassInfo{"TBarcode_Pharmacode", &TBarcode::ClassInfo, properties, nullptr};

}  // namespace tessel
