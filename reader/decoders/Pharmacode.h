// Pharmacode one-track: a number written in narrow and wide bars.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// The number in decimal: every bar a binary digit, narrow 1 and wide 2,
// the rightmost worth one. Spaces carry nothing.
std::optional<TDecoded> DecodePharmacodeOneTrack(std::span<const double> Widths);

}  // namespace tessel
