// Code 39 (ISO/IEC 16388) and the symbologies drawn as Code 39 symbols.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// The data characters between start and stop, a check character included.
std::optional<TDecoded> DecodeCode39(std::span<const double> Widths);
// The text as typed through the full ASCII pairs, then the check character
// as drawn when the last character checks the others.
std::optional<TDecoded> DecodeCode39Ext(std::span<const double> Widths);
// Six base-32 characters: the nine digits, their check digit holding.
std::optional<TDecoded> DecodeCode32(std::span<const double> Widths);
// A minus sign, six digits and their check character.
std::optional<TDecoded> DecodePzn(std::span<const double> Widths);

}  // namespace tessel
