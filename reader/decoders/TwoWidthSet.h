// Characters of two element widths read against a symbology's character
// set, whose characters may differ in how many wide elements they have
// (Codabar, Code 11) or share one count (the two-of-five family).
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>

#include "reader/decoders/TwoWidth.h"

namespace tessel {

struct TSetCharacter {
  std::size_t Row = 0;  // in the character set
  double Decodability = 0;
};

// The row of Patterns ('n' or 'w' for each element) that the widths show:
// of the classifications by every count of wide elements, the one with
// the largest margin that is a character of the set.
template <class TPatterns>
std::optional<TSetCharacter> ClassifyInSet(std::span<const double> Widths, const TPatterns& Patterns) {
  std::optional<TSetCharacter> best;
  for (std::size_t wides = 1; wides < Widths.size(); ++wides) {
    const auto character = ClassifyTwoWidth(Widths, static_cast<int>(wides));
    if (!character || (best && character->Decodability <= best->Decodability)) continue;
    const auto row = std::find(std::begin(Patterns), std::end(Patterns), character->Pattern);
    if (row != std::end(Patterns))
      best = TSetCharacter{static_cast<std::size_t>(row - std::begin(Patterns)), character->Decodability};
  }
  return best;
}

}  // namespace tessel
