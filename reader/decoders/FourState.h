// The four-state codes of one character table: the Dutch KIX code and the
// Royal Mail four-state customer code (RM4SCC).
#pragma once

#include "reader/BarDecoder.h"

namespace tessel {

// The characters, four bars each.
std::optional<TDecoded> DecodeKix(std::span<const TBar> Bars);
// The characters between the start and stop bars, a check character
// included where drawn.
std::optional<TDecoded> DecodeRm4scc(std::span<const TBar> Bars);

}  // namespace tessel
