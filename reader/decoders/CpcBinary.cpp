#include "reader/decoders/CpcBinary.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {
namespace {

// The letters of Canadian postal codes and their values, in parallel.
constexpr std::string_view Letters = "ABCEGHJKLMNPRSTVWXYZ";
constexpr std::array<std::uint32_t, 20> LetterValues = {
    7, 12, 11, 13, 9, 8, 6, 3, 2, 4, 22, 28, 5, 10, 20, 17, 24, 19, 14, 26,
};
// The digits' values, indexed by the digit.
constexpr std::array<std::uint32_t, 10> DigitValues = {10, 2, 9, 3, 11, 5, 6, 7, 13, 14};
// X with the digit n: the nibbles XNibbles[n / 3], XNibbles[n % 3]; X9 alone.
constexpr std::array<std::uint32_t, 3> XNibbles = {1, 4, 12};
constexpr std::uint32_t PairX9 = 0x84;
// N, P, T, W and Z: the digit's value above the letter's nibble.
constexpr std::string_view HighLetters = "NPTWZ";
constexpr std::array<std::uint32_t, 5> HighLetterNibbles = {0, 12, 4, 8, 15};

constexpr int ValueBits = 28;
constexpr int ParityPosition = ValueBits + 1;  // counted leftwards from the closing bar
constexpr std::size_t Bars = ParityPosition + 1;
// How far an edge may stray from its position, in pitches, and how many
// positions the shortest gap between bars may span when the pitch is sought.
constexpr double PositionTolerance = 0.25;
constexpr int LongestShortestGap = 6;

std::uint32_t PairValue(std::size_t letter, std::size_t digit) {
  const char name = Letters[letter];
  const std::uint32_t value = LetterValues[letter];
  if (value < 16 || name == 'V') return (value % 16) * 16 + DigitValues[digit];
  if (name == 'X') return digit == 9 ? PairX9 : XNibbles[digit / 3] * 16 + XNibbles[digit % 3];
  return DigitValues[digit] * 16 + HighLetterNibbles[HighLetters.find(name)];
}

// The letter and digit of every 8-bit pair value, or none.
struct TPair {
  char Letter = 0, Digit = 0;
};
const std::array<TPair, 256>& PairsByValue() {
  static const std::array<TPair, 256> pairs = [] {
    std::array<TPair, 256> table{};
    for (std::size_t letter = 0; letter < Letters.size(); ++letter)
      for (std::size_t digit = 0; digit < DigitValues.size(); ++digit)
        table[PairValue(letter, digit)] = {Letters[letter], static_cast<char>('0' + digit)};
    return table;
  }();
  return pairs;
}

std::optional<char> LetterOf(std::uint32_t value) {
  const auto* found = std::find(LetterValues.begin(), LetterValues.end(), value);
  if (found == LetterValues.end()) return std::nullopt;
  return Letters[static_cast<std::size_t>(found - LetterValues.begin())];
}

std::optional<char> DigitOf(std::uint32_t value) {
  const auto* found = std::find(DigitValues.begin(), DigitValues.end(), value);
  if (found == DigitValues.end()) return std::nullopt;
  return static_cast<char>('0' + (found - DigitValues.begin()));
}

// The bars' leading edges, from the first bar.
std::vector<double> BarEdges(std::span<const double> widths) {
  std::vector<double> edges;
  edges.reserve(widths.size() / 2 + 1);
  double along = 0;
  for (std::size_t k = 0; k < widths.size(); ++k) {
    if (k % 2 == 0) edges.push_back(along);
    along += widths[k];
  }
  return edges;
}

// The 28-bit value with its bits at the bars' positions counted leftwards
// from the closing bar at Pitch, and the decodability margin: how near
// every edge lies to its position. None when an edge strays or a position
// repeats, or the parity bar does not make the count even.
struct TBits {
  std::uint32_t Value = 0;
  double Decodability = 0;
};
std::optional<TBits> ReadBits(const std::vector<double>& edges, double pitch) {
  TBits bits{0, 1};
  bool parity = false;
  int previous = -1;
  for (auto edge = edges.rbegin() + 1; edge != edges.rend(); ++edge) {
    const double positions = (edges.back() - *edge) / pitch;
    const int position = static_cast<int>(std::lround(positions));
    const double stray = std::abs(positions - position);
    if (stray > PositionTolerance || position <= previous || position > ParityPosition) return std::nullopt;
    bits.Decodability = std::min(bits.Decodability, 1 - stray / 0.5);
    if (position == ParityPosition)
      parity = true;
    else
      bits.Value |= 1u << (position - 1);
    previous = position;
  }
  if (previous < 1 || parity != (std::popcount(bits.Value) % 2 != 0)) return std::nullopt;
  return bits;
}

std::optional<std::string> PostalCode(std::uint32_t value) {
  const TPair first = PairsByValue()[value >> 20 & 0xFF], last = PairsByValue()[value & 0xFF];
  const auto letter = LetterOf(value >> 12 & 0xFF);
  const auto digit = DigitOf(value >> 8 & 0xF);
  if (first.Letter == 0 || last.Letter == 0 || !letter || !digit) return std::nullopt;
  return std::string{first.Letter, first.Digit, *letter, *digit, last.Letter, last.Digit};
}

}  // namespace

// Every bar is one module wide, the module; the pitch is the shortest gap between two
// bars' leading edges divided by the positions it spans, the widest pitch
// that reads first.
std::optional<TDecoded> DecodeCpcBinary(std::span<const double> widths) {
  if (widths.size() % 2 == 0 || widths.size() / 2 + 1 > Bars || widths.size() < 3) return std::nullopt;
  const std::vector<double> edges = BarEdges(widths);
  double shortest = edges.back();
  for (std::size_t k = 1; k < edges.size(); ++k) shortest = std::min(shortest, edges[k] - edges[k - 1]);
  double widestBar = 0, barWidths = 0;
  for (std::size_t k = 0; k < widths.size(); k += 2) {
    widestBar = std::max(widestBar, widths[k]);
    barWidths += widths[k];
  }
  const double module = barWidths / static_cast<double>(edges.size());
  for (int spanned = 1; spanned <= LongestShortestGap; ++spanned) {
    const double pitch = shortest / spanned;
    if (pitch <= widestBar) break;  // a bar fills its position with room to spare
    const auto bits = ReadBits(edges, pitch);
    if (!bits) continue;
    if (auto code = PostalCode(bits->Value)) return TDecoded{std::move(*code), bits->Decodability, module};
  }
  return std::nullopt;
}

}  // namespace tessel
