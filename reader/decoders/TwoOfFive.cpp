#include "reader/decoders/TwoOfFive.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reader/Grade.h"
#include "reader/decoders/TwoWidthSet.h"

namespace tessel {
namespace {

// ISO/IEC 16390, the two-of-five digit table: each digit's five elements,
// narrow or wide; a row's index is its digit.
constexpr std::array<std::string_view, 10> Digits{
    "nnwwn", "wnnnw", "nwnnw", "wwnnn", "nnwnw", "wnwnn", "nwwnn", "nnnww", "wnnwn", "nwnwn",
};

// COOP 2 of 5 draws its digits from a table of its own: bar, space, bar,
// space, bar, two of them wide.
constexpr std::array<std::string_view, 10> CoopDigits{
    "wwnnn", "nnnww", "nnwnw", "nnwwn", "nwnnw", "nwnwn", "nwwnn", "wnnnw", "wnnwn", "wnwnn",
};

// A symbol's characters: the text each stands for and its elements.
struct TCharacterSet {
  std::vector<std::string> Texts, Patterns;
};

// Where a digit's narrow elements of no meaning stand: after each of its
// elements (the spaces between Industrial's bars, the bars between its
// inverted form's spaces) or once after all five (the gap before the next
// digit in Matrix, Datalogic and COOP).
enum class TNarrow { AfterEach, AfterAll };

TCharacterSet DigitSet(std::span<const std::string_view> digits, TNarrow narrow) {
  TCharacterSet set;
  set.Texts.reserve(digits.size());
  set.Patterns.reserve(digits.size());
  for (std::size_t d = 0; d < digits.size(); ++d) {
    std::string pattern;
    for (const char element : digits[d]) {
      pattern += element;
      if (narrow == TNarrow::AfterEach) pattern += 'n';
    }
    if (narrow == TNarrow::AfterAll) pattern += 'n';
    set.Texts.emplace_back(1, static_cast<char>('0' + d));
    set.Patterns.push_back(std::move(pattern));
  }
  return set;
}

// Interleaved 2 of 5 padded on the right ends in ':', five narrow spaces
// between the last digit's bars.
constexpr char Padding = ':';
constexpr std::string_view PaddingElements = "nnnnn";

// Pairs of digits: the first digit's elements as the bars, the second's
// (or the padding's) as the spaces between them.
TCharacterSet InterleavedPairs() {
  TCharacterSet set;
  set.Texts.reserve(Digits.size() * (Digits.size() + 1));
  set.Patterns.reserve(Digits.size() * (Digits.size() + 1));
  for (std::size_t first = 0; first < Digits.size(); ++first)
    for (std::size_t second = 0; second <= Digits.size(); ++second) {
      const bool padding = second == Digits.size();
      const std::string_view spaces = padding ? PaddingElements : Digits[second];
      std::string pattern;
      for (std::size_t k = 0; k < spaces.size(); ++k) pattern += {Digits[first][k], spaces[k]};
      set.Texts.push_back({static_cast<char>('0' + first), padding ? Padding : static_cast<char>('0' + second)});
      set.Patterns.push_back(std::move(pattern));
    }
  return set;
}

// A member's symbol: start, characters of one length, stop, first bar to
// last.
struct TLayout {
  std::string_view Start, Stop;
  const TCharacterSet& Characters;
};

// The margin of the start: an all-narrow start has no wide element of its
// own, so it is measured with the elements that follow it.
double StartDecodability(std::span<const double> widths, std::string_view start, std::string_view following) {
  if (start.find('w') != std::string_view::npos) return TwoWidthDecodability(widths.first(start.size()), start);
  const std::string pattern = std::string(start) + std::string(following);
  return TwoWidthDecodability(widths.first(std::min(pattern.size(), widths.size())), pattern);
}

std::optional<TDecoded> ReadLayout(std::span<const double> widths, const TLayout& layout) {
  const std::size_t ends = layout.Start.size() + layout.Stop.size();
  const std::size_t length = layout.Characters.Patterns.front().size();
  if (widths.size() < ends || (widths.size() - ends) % length != 0) return std::nullopt;
  const std::size_t count = (widths.size() - ends) / length;
  TDecoded symbol{"", 1};
  std::string_view following = layout.Stop;
  for (std::size_t k = 0; k < count; ++k) {
    const auto character =
        ClassifyInSet(widths.subspan(layout.Start.size() + k * length, length), layout.Characters.Patterns);
    if (!character) return std::nullopt;
    if (k == 0) following = layout.Characters.Patterns[character->Row];
    symbol.Text += layout.Characters.Texts[character->Row];
    symbol.Decodability = std::min(symbol.Decodability, character->Decodability);
  }
  symbol.Decodability = std::min({symbol.Decodability, StartDecodability(widths, layout.Start, following),
                                  TwoWidthDecodability(widths.last(layout.Stop.size()), layout.Stop)});
  if (!(symbol.Decodability > 0)) return std::nullopt;
  return symbol;
}

const TCharacterSet& BarsSpacedNarrow() {
  static const TCharacterSet set = DigitSet(Digits, TNarrow::AfterEach);
  return set;
}

const TCharacterSet& MatrixDigits() {
  static const TCharacterSet set = DigitSet(Digits, TNarrow::AfterAll);
  return set;
}

// Each member's start and stop elements: Matrix's one-and-a-half-wide bar
// counts as wide; the inverted form's hold the narrow bars that frame it.
constexpr std::string_view IndustrialStart = "wnwnnn", IndustrialStop = "wnnnw";
constexpr std::string_view InvertStart = "nwnwnnn", InvertStop = "wnnnwn";
constexpr std::string_view NarrowStart = "nnnn", WideBarStop = "wnn";  // IATA, Interleaved, Datalogic
constexpr std::string_view MatrixStart = "wnnnnn", MatrixStop = "wnnnn";
constexpr std::string_view CoopStart = "wnwn", CoopStop = "nww";

// Interleaved pairs, the padding only at the end.
std::optional<TDecoded> ReadPairs(std::span<const double> widths) {
  static const TCharacterSet pairs = InterleavedPairs();
  auto symbol = ReadLayout(widths, {NarrowStart, WideBarStop, pairs});
  if (!symbol) return std::nullopt;
  const std::size_t padding = symbol->Text.find(Padding);
  if (padding != std::string::npos && padding + 1 != symbol->Text.size()) return std::nullopt;
  return symbol;
}

// A bearer bar and the quiet zone before the symbol, on each side.
constexpr std::size_t BearerElements = 2;

}  // namespace

std::optional<TDecoded> DecodeCode25Industrial(std::span<const double> widths) {
  return ReadLayout(widths, {IndustrialStart, IndustrialStop, BarsSpacedNarrow()});
}

std::optional<TDecoded> DecodeCode25Invert(std::span<const double> widths) {
  return ReadLayout(widths, {InvertStart, InvertStop, BarsSpacedNarrow()});
}

std::optional<TDecoded> DecodeIata(std::span<const double> widths) {
  return ReadLayout(widths, {NarrowStart, WideBarStop, BarsSpacedNarrow()});
}

std::optional<TDecoded> DecodeCode25Matrix(std::span<const double> widths) {
  return ReadLayout(widths, {MatrixStart, MatrixStop, MatrixDigits()});
}

std::optional<TDecoded> DecodeCode25Datalogic(std::span<const double> widths) {
  return ReadLayout(widths, {NarrowStart, WideBarStop, MatrixDigits()});
}

std::optional<TDecoded> DecodeCoop25(std::span<const double> widths) {
  static const TCharacterSet coop = DigitSet(CoopDigits, TNarrow::AfterAll);
  return ReadLayout(widths, {CoopStart, CoopStop, coop});
}

std::optional<TDecoded> DecodeCode25Interleaved(std::span<const double> widths) {
  if (auto symbol = ReadPairs(widths)) return symbol;
  if (widths.size() <= 2 * BearerElements) return std::nullopt;
  return ReadPairs(widths.subspan(BearerElements, widths.size() - 2 * BearerElements));
}

}  // namespace tessel
