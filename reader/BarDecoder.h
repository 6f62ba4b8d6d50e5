// The reader's decoders of symbols whose bars differ in height and position
// (postal four-state codes, POSTNET, two-track Pharmacode): each takes the
// bars found along a line across the symbol, in reading order, with their
// extent across the line normalised to the symbol's height, and reads them as
// the symbol drawn upright, left to right. It gives the class's full-encoded
// text, as the width decoders do. The grade's ten scans are the width
// path's: lines over the middle 80 % of the symbol's height, each graded on
// its own profile and decoded with the bars found from it.
#pragma once

#include <span>

#include "reader/LinearDecoder.h"

namespace tessel {

// One bar: its top and bottom, 0 at the topmost bar's top and 1 at the
// lowest bar's bottom, and its centre along the line in pixels.
struct TBar {
  double Top = 0, Bottom = 1;
  double Centre = 0;
};

using TDecodeBars = std::optional<TDecoded> (*)(std::span<const TBar> Bars);

}  // namespace tessel
