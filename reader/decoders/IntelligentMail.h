// The USPS Intelligent Mail barcode (USPS-B-3200).
#pragma once

#include "reader/BarDecoder.h"

namespace tessel {

// The 20-digit tracking code followed by the routing code of 5, 9 or 11
// digits, if any; the frame check sequence must hold.
std::optional<TDecoded> DecodeIntelligentMail(std::span<const TBar> Bars);

}  // namespace tessel
