// CPC Binary: a Canadian postal code packed into 28 bar positions.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// The postal code, letter digit letter digit letter digit: one-module bars
// on a fixed pitch, a bar a 1 bit of the 28-bit value read from the closing
// bar leftwards, a leading bar making the count of 1 bits even.
std::optional<TDecoded> DecodeCpcBinary(std::span<const double> Widths);

}  // namespace tessel
