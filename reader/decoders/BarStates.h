// The state of each bar of a symbol drawn in up to four heights: whether it
// reaches the upper level (an ascender) and the lower level (a descender),
// and the margin of the call.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "reader/BarDecoder.h"

namespace tessel {

// The four states, as USPS-B-3200 names them.
constexpr char FullBar = 'F', Ascender = 'A', Descender = 'D', Tracker = 'T';

struct TBarStates {
  std::string States;  // one of F, A, D, T a bar
  // The lowest margin of a bar's top or bottom to the threshold halfway
  // between the two levels of tops (or bottoms), relative to half their
  // distance: 1 when every bar ends on a level (or the edges have a single
  // level), 0 on a threshold.
  double Decodability = 1;
};

// A bar's top is high when above the threshold halfway between the highest
// top (0) and the lowest; when all tops lie within a fifth of the height
// they are all high. Bottoms likewise. None without bars.
std::optional<TBarStates> ClassifyBars(std::span<const TBar> Bars);

// Whether a state has the part above or below the tracker.
bool HasAscender(char State);
bool HasDescender(char State);

}  // namespace tessel
