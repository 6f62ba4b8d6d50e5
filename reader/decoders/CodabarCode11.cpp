#include "reader/decoders/CodabarCode11.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "reader/decoders/TwoWidthSet.h"

namespace tessel {
namespace {

// ANSI/AIM BC3-1995, the Codabar table: each character's seven elements,
// bar first, narrow or wide; the letters A to D are start and stop
// characters.
constexpr std::string_view CodabarCharacters = "0123456789-$:/.+ABCD";
constexpr std::array<std::string_view, 20> CodabarPatterns{
    "nnnnnww", "nnnnwwn", "nnnwnnw", "wwnnnnn", "nnwnnwn", "wnnnnwn", "nwnnnnw", "nwnnwnn", "nwwnnnn", "wnnwnnn",
    "nnnwwnn", "nnwwnnn", "wnnnwnw", "wnwnnnw", "wnwnwnn", "nnwnwnw", "nnwwnwn", "nwnwnnw", "nnnwnww", "nnnwwwn",
};
constexpr std::size_t CodabarStartStopRow = 16;

// AIM USD-8, the Code 11 table: each character's five elements, bar
// first; 'S' is the start and stop character.
constexpr std::string_view Code11Characters = "0123456789-S";
constexpr std::array<std::string_view, 12> Code11Patterns{
    "nnnnw", "wnnnw", "nwnnw", "wwnnn", "nnwnw", "wnwnn", "nwwnn", "nnnww", "wnnwn", "wnnnn", "nnwnn", "nnwwn",
};
constexpr std::size_t Code11StartStopRow = 11;

// A discrete symbology's characters, its start and stop characters from
// StartStopRow on.
struct TDiscreteSet {
  std::string_view Characters;
  std::span<const std::string_view> Patterns;
  std::size_t StartStopRow;
};

// Characters of one length with a gap after each but the last, the first
// and last a start or stop character: the characters between them.
std::optional<TDecoded> ReadDiscrete(std::span<const double> widths, const TDiscreteSet& set) {
  const std::size_t length = set.Patterns.front().size(), withGap = length + 1;
  if ((widths.size() + 1) % withGap != 0) return std::nullopt;
  const std::size_t count = (widths.size() + 1) / withGap;
  if (count < 2) return std::nullopt;
  TDecoded symbol{"", 1};
  for (std::size_t c = 0; c < count; ++c) {
    const auto character = ClassifyInSet(widths.subspan(c * withGap, length), set.Patterns);
    const bool end = c == 0 || c + 1 == count;
    if (!character || (character->Row >= set.StartStopRow) != end) return std::nullopt;
    if (!end) symbol.Text += set.Characters[character->Row];
    symbol.Decodability = std::min(symbol.Decodability, character->Decodability);
  }
  return symbol;
}

}  // namespace

std::optional<TDecoded> DecodeCodabar(std::span<const double> widths) {
  return ReadDiscrete(widths, {CodabarCharacters, CodabarPatterns, CodabarStartStopRow});
}

std::optional<TDecoded> DecodeCode11(std::span<const double> widths) {
  return ReadDiscrete(widths, {Code11Characters, Code11Patterns, Code11StartStopRow});
}

}  // namespace tessel
