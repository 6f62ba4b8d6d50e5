// Codabar (ANSI/AIM BC3) and Code 11 (AIM USD-8): characters of two
// element widths and differing counts of wide elements, a narrow gap
// between them.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// The characters between the start and stop letters (A to D), a check
// character included.
std::optional<TDecoded> DecodeCodabar(std::span<const double> Widths);
// The characters between start and stop, check characters included.
std::optional<TDecoded> DecodeCode11(std::span<const double> Widths);

}  // namespace tessel
