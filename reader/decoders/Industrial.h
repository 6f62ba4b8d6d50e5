// The small industrial codes drawn on a grid of one-module bars: BC309,
// BC412 and Clocked 3 of 5.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// The Unchecked decoders read the characters as they stand, without a
// check (Clocked 3 of 5's digits then all drawn from right to left).

// Digits, the last the modulo 10 check of the others, which must hold.
std::optional<TDecoded> DecodeBc309(std::span<const double> Widths);
std::optional<TDecoded> DecodeBc309Unchecked(std::span<const double> Widths);
// Digits and capital letters, the last the modulo 36 check of the others,
// which must hold.
std::optional<TDecoded> DecodeBc412(std::span<const double> Widths);
std::optional<TDecoded> DecodeBc412Unchecked(std::span<const double> Widths);
// Digits drawn from right to left, the check digit rightmost; the text
// is read in the order typed, then the check, which must hold.
std::optional<TDecoded> DecodeClocked35(std::span<const double> Widths);
std::optional<TDecoded> DecodeClocked35Unchecked(std::span<const double> Widths);

}  // namespace tessel
