// Two-track Pharmacode: a number drawn as full, upper and lower bars.
#pragma once

#include "reader/BarDecoder.h"

namespace tessel {

// The number in decimal.
std::optional<TDecoded> DecodeTwoTrackPharmacode(std::span<const TBar> Bars);

}  // namespace tessel
