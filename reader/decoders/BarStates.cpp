#include "reader/decoders/BarStates.h"

#include <algorithm>
#include <cmath>

namespace tessel {
namespace {

// Tops (or bottoms) closer than this to the extreme one are on its level.
constexpr double MinimumLevelGap = 0.2;

// The two levels of one edge of the bars: the extreme one (0 for tops, 1
// for bottoms) and the farthest from it.
struct TLevels {
  double Extreme, Other;

  bool TwoLevels() const { return std::abs(Other - Extreme) >= MinimumLevelGap; }
  bool OnExtreme(double edge) const { return !TwoLevels() || std::abs(edge - Extreme) < std::abs(edge - Other); }
  double Margin(double edge) const {
    if (!TwoLevels()) return 1;
    const double half = std::abs(Other - Extreme) / 2;
    return std::abs(edge - (Extreme + Other) / 2) / half;
  }
};

}  // namespace

std::optional<TBarStates> ClassifyBars(std::span<const TBar> Bars) {
  if (Bars.empty()) return std::nullopt;
  const auto [highestTop, lowestTop] =
      std::minmax_element(Bars.begin(), Bars.end(), [](const TBar& a, const TBar& b) { return a.Top < b.Top; });
  const auto [highestBottom, lowestBottom] =
      std::minmax_element(Bars.begin(), Bars.end(), [](const TBar& a, const TBar& b) { return a.Bottom < b.Bottom; });
  const TLevels tops{highestTop->Top, lowestTop->Top}, bottoms{lowestBottom->Bottom, highestBottom->Bottom};
  TBarStates states;
  states.States.reserve(Bars.size());
  for (const TBar& bar : Bars) {
    const bool up = tops.OnExtreme(bar.Top), down = bottoms.OnExtreme(bar.Bottom);
    states.States.push_back(up ? (down ? FullBar : Ascender) : (down ? Descender : Tracker));
    states.Decodability = std::min({states.Decodability, tops.Margin(bar.Top), bottoms.Margin(bar.Bottom)});
  }
  return states;
}

bool HasAscender(char State) { return State == FullBar || State == Ascender; }
bool HasDescender(char State) { return State == FullBar || State == Descender; }

}  // namespace tessel
