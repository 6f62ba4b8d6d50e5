#include "output/Length.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <utility>

namespace tessel {
namespace {

constexpr double MilsPerInch = 1000;

// The units' names as they are written after a number.
constexpr std::array<std::pair<std::string_view, TLengthUnit>, 3> UnitNames{{
    {"mm", TLengthUnit::Millimetres},
    {"in", TLengthUnit::Inches},
    {"mil", TLengthUnit::Mils},
}};

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
  return true;
}

// Six significant digits: what a length needs, and no binary noise.
std::string Number(double value) {
  constexpr int Digits = 6;
  std::array<char, 32> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, Digits);
  return {buffer.data(), result.ptr};
}

}  // namespace

double TLength::Millimetres(int Dpi) const {
  switch (Unit) {
    case TLengthUnit::Dots: return Dpi > 0 ? Value * MillimetresPerInch / Dpi : 0;
    case TLengthUnit::Millimetres: return Value;
    case TLengthUnit::Inches: return Value * MillimetresPerInch;
    case TLengthUnit::Mils: return Value * MillimetresPerInch / MilsPerInch;
  }
  return Value;
}

double TLength::Dots(int Dpi) const {
  return Unit == TLengthUnit::Dots ? Value : Millimetres(Dpi) * Dpi / MillimetresPerInch;
}

std::optional<TLength> ParseLength(std::string_view Text) {
  const std::string_view text = Trimmed(Text);
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || !std::isfinite(value)) return std::nullopt;
  const std::string_view unit = Trimmed(std::string_view(end, static_cast<std::size_t>(last - end)));
  if (unit.empty()) return TLength{value, TLengthUnit::Dots};
  for (const auto& [name, kind] : UnitNames)
    if (SameLetters(unit, name)) return TLength{value, kind};
  return std::nullopt;
}

std::string LengthText(const TLength& Length) {
  switch (Length.Unit) {
    case TLengthUnit::Dots: return Number(Length.Value) + (Length.Value == 1 ? " dot" : " dots");
    case TLengthUnit::Millimetres: return Number(Length.Value) + " mm";
    case TLengthUnit::Inches: return Number(Length.Value) + " in";
    case TLengthUnit::Mils: return Number(Length.Value) + " mil";
  }
  return Number(Length.Value);
}

std::string LengthAndDots(const TLength& Given, double Dots, int Dpi) {
  if (Given.Unit == TLengthUnit::Dots) return LengthText(Given);
  return LengthText(Given) + " (" + LengthText(tessel::Dots(Dots)) + " at " + std::to_string(Dpi) + " dpi)";
}

TLength InUnit(double Millimetres, TLengthUnit Unit, int Dpi) {
  constexpr double Thousandths = 1000;
  const double perUnit = TLength{1, Unit}.Millimetres(Dpi);
  const double value = perUnit > 0 ? Millimetres / perUnit : 0;
  return {std::round(value * Thousandths) / Thousandths, Unit};
}

std::string DotsText(int Dots) { return std::to_string(Dots) + (Dots == 1 ? " dot" : " dots"); }

}  // namespace tessel
