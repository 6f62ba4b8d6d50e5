// Telepen: the 128 ASCII characters, or pairs of digits in its numeric
// form, each one byte of even parity drawn in narrow and wide elements.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// The characters between the guards, the last the modulo 127 check of the
// others, which must hold. The numeric start reads the bytes as pairs of
// digits (until a DLE), any other start as ASCII characters.
std::optional<TDecoded> DecodeTelepen(std::span<const double> Widths);
// The characters as they stand, without a check.
std::optional<TDecoded> DecodeTelepenUnchecked(std::span<const double> Widths);

}  // namespace tessel
