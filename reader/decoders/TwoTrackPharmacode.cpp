#include "reader/decoders/TwoTrackPharmacode.h"

#include <cstdint>
#include <string>

#include "reader/decoders/BarStates.h"

namespace tessel {
namespace {

// Laetus, two-track Pharmacode: the bars from the left are the digits of
// the number in bijective base 3, a lower bar 1, an upper bar 2, a full bar
// 3; at most 64570080 (sixteen full bars).
constexpr std::uint32_t Base = 3, LowerBar = 1, UpperBar = 2, BothBars = 3;
constexpr std::size_t MaximumBars = 16;

}  // namespace

std::optional<TDecoded> DecodeTwoTrackPharmacode(std::span<const TBar> Bars) {
  const auto states = ClassifyBars(Bars);
  if (!states || states->States.size() > MaximumBars) return std::nullopt;
  std::uint32_t value = 0;
  for (const char state : states->States) {
    if (state == Tracker) return std::nullopt;
    value = value * Base + (state == FullBar ? BothBars : state == Ascender ? UpperBar : LowerBar);
  }
  return TDecoded{std::to_string(value), states->Decodability};
}

}  // namespace tessel
