// The Canada Post four-state customer bar code (PostBar).
#pragma once

#include "reader/BarDecoder.h"

namespace tessel {

// The text as typed (the format character, its digits, postal code and
// fields, a field's padding spaces dropped), then each Reed-Solomon check
// symbol as two digits and, for format Z, the number as three; the check
// symbols must hold.
std::optional<TDecoded> DecodePostBar(std::span<const TBar> Bars);

}  // namespace tessel
