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
constexpr std::size_t DigitElements = 5;

// COOP 2 of 5 draws its digits from a table of its own: bar, space, bar,
// space, bar, two of them wide.
constexpr std::array<std::string_view, 10> CoopDigits{
    "wwnnn", "nnnww", "nnwnw", "nnwwn", "nwnnw", "nwnwn", "nwwnn", "wnnnw", "wnnwn", "wnwnn",
};

// Interleaved 2 of 5 padded on the right ends in ':', five narrow spaces
// between the last digit's bars.
constexpr char Padding = ':';
constexpr std::string_view PaddingElements = "nnnnn";

// One character read: the text it stands for, its elements and margin.
struct TCharacter {
  std::string Text;
  std::string Pattern;
  double Decodability = 0;
};

// Where a digit's narrow elements of no meaning stand: after each of its
// elements (the spaces between Industrial's bars, the bars between its
// inverted form's spaces) or once after all five (the gap before the next
// digit in Matrix, Datalogic and COOP).
enum class TNarrow { AfterEach, AfterAll };

// Each digit's elements as drawn, a row's index its digit.
std::vector<std::string> DigitSet(std::span<const std::string_view> digits, TNarrow narrow) {
  std::vector<std::string> set;
  set.reserve(digits.size());
  for (const std::string_view digit : digits) {
    std::string pattern;
    for (const char element : digit) {
      pattern += element;
      if (narrow == TNarrow::AfterEach) pattern += 'n';
    }
    if (narrow == TNarrow::AfterAll) pattern += 'n';
    set.push_back(std::move(pattern));
  }
  return set;
}

char DigitOf(std::size_t row) { return static_cast<char>('0' + row); }

std::optional<TCharacter> ReadFromSet(std::span<const double> widths, std::span<const std::string> set) {
  const auto character = ClassifyInSet(widths, set);
  if (!character) return std::nullopt;
  return TCharacter{{DigitOf(character->Row)}, set[character->Row], character->Decodability};
}

// A pair of interleaved digits: the bars one digit, the spaces the next,
// each a character of its own; or the spaces the padding, all narrow, so
// measured against the bars' wide elements.
std::optional<TCharacter> ReadPair(std::span<const double> widths) {
  std::array<double, DigitElements> bars{}, spaces{};
  for (std::size_t k = 0; k < DigitElements; ++k) {
    bars[k] = widths[2 * k];
    spaces[k] = widths[2 * k + 1];
  }
  const auto first = ClassifyInSet(bars, Digits);
  if (!first) return std::nullopt;
  const auto second = ClassifyInSet(spaces, Digits);
  const std::string_view spacePattern = second ? Digits[second->Row] : PaddingElements;
  TCharacter pair{{DigitOf(first->Row), second ? DigitOf(second->Row) : Padding}, "", first->Decodability};
  for (std::size_t k = 0; k < DigitElements; ++k) pair.Pattern += {Digits[first->Row][k], spacePattern[k]};
  pair.Decodability =
      std::min(pair.Decodability, second ? second->Decodability : TwoWidthDecodability(widths, pair.Pattern));
  if (!(pair.Decodability > 0)) return std::nullopt;
  return pair;
}

// A member's start and stop, first bar to last.
struct TLayout {
  std::string_view Start, Stop;
};

// Some of a symbol's elements and their pattern.
struct TElements {
  std::vector<double> Widths;
  std::string Pattern;

  // Whether they hold a narrow and a wide element to measure by.
  bool Measurable() const { return Pattern.find('w') != std::string::npos && Pattern.find('n') != std::string::npos; }
  void Append(const TElements& more) {
    Widths.insert(Widths.end(), more.Widths.begin(), more.Widths.end());
    Pattern += more.Pattern;
  }
};

// Bars, spaces or both.
enum class TKind { Bars, Spaces, Both };

// The elements of Kind among Pattern's, from From on; the symbol's first
// element is a bar.
TElements OfKind(std::span<const double> widths, std::size_t from, std::string_view pattern, TKind kind) {
  TElements elements;
  elements.Widths.reserve(pattern.size());
  for (std::size_t k = 0; k < pattern.size(); ++k)
    if (kind == TKind::Both || ((from + k) % 2 == 0) == (kind == TKind::Bars)) {
      elements.Widths.push_back(widths[from + k]);
      elements.Pattern += pattern[k];
    }
  return elements;
}

// A start or stop (End, at From) and the character beside it (Neighbour,
// at NeighbourFrom).
struct TEnd {
  std::size_t From;
  std::string_view End;
  std::size_t NeighbourFrom;
  std::string_view Neighbour;
};

// The margin of a start or stop. Its bars, and its spaces, are measured
// on their own where they hold narrow and wide elements; else with those
// of the character beside it (bars and spaces may print unlike); else with
// all of that character's elements.
double EndDecodability(std::span<const double> widths, const TEnd& end) {
  double margin = 1;
  for (const TKind kind : {TKind::Bars, TKind::Spaces}) {
    const TElements own = OfKind(widths, end.From, end.End, kind);
    TElements measured = own;
    if (!measured.Measurable()) measured.Append(OfKind(widths, end.NeighbourFrom, end.Neighbour, kind));
    if (!measured.Measurable()) {
      measured = own;
      measured.Append(OfKind(widths, end.NeighbourFrom, end.Neighbour, TKind::Both));
    }
    margin = std::min(margin, TwoWidthDecodability(measured.Widths, measured.Pattern));
  }
  return margin;
}

// Start, characters of Length elements each read by Read, stop.
template <class TRead>
std::optional<TDecoded> ReadLayout(std::span<const double> widths, const TLayout& layout, std::size_t length,
                                   TRead read) {
  const std::size_t ends = layout.Start.size() + layout.Stop.size();
  if (widths.size() < ends || (widths.size() - ends) % length != 0) return std::nullopt;
  const std::size_t count = (widths.size() - ends) / length;
  TDecoded symbol{"", 1};
  const std::size_t stopFrom = widths.size() - layout.Stop.size();
  // With no characters, start and stop stand beside each other.
  std::string afterStart(layout.Stop), beforeStop(layout.Start);
  for (std::size_t k = 0; k < count; ++k) {
    const auto character = read(widths.subspan(layout.Start.size() + k * length, length));
    if (!character) return std::nullopt;
    if (k == 0) afterStart = character->Pattern;
    if (k + 1 == count) beforeStop = character->Pattern;
    symbol.Text += character->Text;
    symbol.Decodability = std::min(symbol.Decodability, character->Decodability);
  }
  const double start = EndDecodability(widths, {0, layout.Start, layout.Start.size(), afterStart});
  const double stop = EndDecodability(widths, {stopFrom, layout.Stop, stopFrom - beforeStop.size(), beforeStop});
  symbol.Decodability = std::min({symbol.Decodability, start, stop});
  if (!(symbol.Decodability > 0)) return std::nullopt;
  return symbol;
}

std::optional<TDecoded> ReadDigits(std::span<const double> widths, const TLayout& layout,
                                   std::span<const std::string> set) {
  return ReadLayout(widths, layout, set.front().size(),
                    [set](std::span<const double> character) { return ReadFromSet(character, set); });
}

const std::vector<std::string>& BarsSpacedNarrow() {
  static const std::vector<std::string> set = DigitSet(Digits, TNarrow::AfterEach);
  return set;
}

const std::vector<std::string>& MatrixDigits() {
  static const std::vector<std::string> set = DigitSet(Digits, TNarrow::AfterAll);
  return set;
}

// Each member's start and stop elements: Matrix's one-and-a-half-wide bar
// counts as wide; the inverted form's hold the narrow bars that frame it.
constexpr TLayout Industrial{"wnwnnn", "wnnnw"};
constexpr TLayout Invert{"nwnwnnn", "wnnnwn"};
constexpr TLayout NarrowStartWideBarStop{"nnnn", "wnn"};  // IATA, Interleaved, Datalogic
constexpr TLayout Matrix{"wnnnnn", "wnnnn"};
constexpr TLayout Coop{"wnwn", "nww"};

// Interleaved pairs, the padding only at the end.
std::optional<TDecoded> ReadPairs(std::span<const double> widths) {
  auto symbol = ReadLayout(widths, NarrowStartWideBarStop, 2 * DigitElements, ReadPair);
  if (!symbol) return std::nullopt;
  const std::size_t padding = symbol->Text.find(Padding);
  if (padding != std::string::npos && padding + 1 != symbol->Text.size()) return std::nullopt;
  return symbol;
}

// A bearer bar and the quiet zone before the symbol, on each side.
constexpr std::size_t BearerElements = 2;

}  // namespace

std::optional<TDecoded> DecodeCode25Industrial(std::span<const double> widths) {
  return ReadDigits(widths, Industrial, BarsSpacedNarrow());
}

std::optional<TDecoded> DecodeCode25Invert(std::span<const double> widths) {
  return ReadDigits(widths, Invert, BarsSpacedNarrow());
}

std::optional<TDecoded> DecodeIata(std::span<const double> widths) {
  return ReadDigits(widths, NarrowStartWideBarStop, BarsSpacedNarrow());
}

std::optional<TDecoded> DecodeCode25Matrix(std::span<const double> widths) {
  return ReadDigits(widths, Matrix, MatrixDigits());
}

std::optional<TDecoded> DecodeCode25Datalogic(std::span<const double> widths) {
  return ReadDigits(widths, NarrowStartWideBarStop, MatrixDigits());
}

std::optional<TDecoded> DecodeCoop25(std::span<const double> widths) {
  static const std::vector<std::string> coop = DigitSet(CoopDigits, TNarrow::AfterAll);
  return ReadDigits(widths, Coop, coop);
}

std::optional<TDecoded> DecodeCode25Interleaved(std::span<const double> widths) {
  if (auto symbol = ReadPairs(widths)) return symbol;
  if (widths.size() <= 2 * BearerElements) return std::nullopt;
  return ReadPairs(widths.subspan(BearerElements, widths.size() - 2 * BearerElements));
}

}  // namespace tessel
