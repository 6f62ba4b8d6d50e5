// Lengths as people give them for printed symbols: in dots of the output
// device or in millimetres, inches or mils ("0.33mm", "13mil", "0.013in",
// "4"), converted at the output's resolution.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/pCore.h"

namespace tessel {

enum class TLengthUnit { Dots, Millimetres, Inches, Mils };

struct TLength {
  double Value = 0;
  TLengthUnit Unit = TLengthUnit::Millimetres;

  // Whether a length was given (a zero length stands for none).
  bool Given() const { return Value != 0; }
  double Millimetres(int Dpi) const;
  // The length in dots at Dpi, not rounded.
  double Dots(int Dpi) const;
  friend bool operator==(const TLength&, const TLength&) = default;
};

constexpr TLength Millimetres(double Value) { return {Value, TLengthUnit::Millimetres}; }
constexpr TLength Dots(double Value) { return {Value, TLengthUnit::Dots}; }

// A number with an optional unit: "mm", "in", "mil" (any case, spaces
// allowed before it); a bare number is dots. None when the text is no such
// length or its number is not finite.
std::optional<TLength> ParseLength(std::string_view Text);

// The length in its own unit: "0.33 mm", "13 mil", "0.013 in", "4 dots".
std::string LengthText(const TLength& Length);
// Dots as a count: "1 dot", "4 dots".
std::string DotsText(int Dots);
// A length as given and in dots: "0.1 mm (1 dot at 300 dpi)"; a length
// given in dots as it is.
std::string LengthAndDots(const TLength& Given, double Dots, int Dpi);
// Millimetres in a unit, rounded to a thousandth of it.
TLength InUnit(double Millimetres, TLengthUnit Unit, int Dpi);

}  // namespace tessel
