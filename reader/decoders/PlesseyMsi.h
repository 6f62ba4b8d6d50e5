// Plessey and MSI: every bit a bar and a space of constant total width, the
// wider of the two telling the bit.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// Hexadecimal digits, the last two the cyclic-redundancy check of the
// others, which must hold; any of the three terminations.
std::optional<TDecoded> DecodePlessey(std::span<const double> Widths);
std::optional<TDecoded> DecodePlesseyUnchecked(std::span<const double> Widths);
// (Unchecked: the characters as they stand, without a check.)
// Decimal digits whose last is a modulo 10 or modulo 11 (either weighting)
// check digit of the others; the check must hold.
std::optional<TDecoded> DecodeMsi(std::span<const double> Widths);
std::optional<TDecoded> DecodeMsiUnchecked(std::span<const double> Widths);

}  // namespace tessel
