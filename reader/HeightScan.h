// Finds the bars of a symbol whose bars differ in height: from the bars one
// scan line crosses, the band of lines the symbol covers; along lines spread
// over that band, every bar; and each bar's top and bottom on a scan across
// the line at its centre, with the first line's reflectance threshold.
#pragma once

#include <optional>
#include <vector>

#include "reader/BarDecoder.h"
#include "reader/ScanLine.h"

namespace tessel {

struct TBarScan {
  std::vector<TBar> Bars;     // in reading order, upright
  double Start = 0, End = 0;  // of the first and last bar, along the line
  int Near = 0, Far = 0;      // the lines the bars cover, [Near, Far)
};

// The bars of the symbol that Seed, the scan of line Line, crosses; none
// when it crosses no bar.
std::optional<TBarScan> ScanBars(const TGreyImage& Image, const TDirection& Direction, int Line, const TScan& Seed);

}  // namespace tessel
