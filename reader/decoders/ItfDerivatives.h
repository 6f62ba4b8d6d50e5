// The symbologies drawn as Interleaved 2 of 5 symbols with rules of their
// own on length and check digit.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// Fourteen digits, the last the check of the others (weights 3 and 1
// from the right).
std::optional<TDecoded> DecodeItf14(std::span<const double> Widths);
// Six digits; or, with a check digit added, a padding zero, six digits and
// their check digit.
std::optional<TDecoded> DecodeItf6(std::span<const double> Widths);
// Fourteen digits, the last the check of the others (weights 4 and 9 from
// the left).
std::optional<TDecoded> DecodeLeitcode(std::span<const double> Widths);
// Twelve digits, checked as Leitcode's.
std::optional<TDecoded> DecodeIdentcode(std::span<const double> Widths);

}  // namespace tessel
