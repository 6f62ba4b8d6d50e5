#include "reader/decoders/Industrial.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>
#include <string_view>

#include "reader/Grade.h"
#include "reader/decoders/ModuleGrid.h"

namespace tessel {
namespace {

// Rows of modules: 'B' a bar module, '.' a space module.

// BC309 and BC412: a start (a bar and three spaces), each character a bar,
// a space, its entry and a space, and a stop (bar, space, bar). A
// character's value is its place in the set; the values of all characters,
// the check included, add up to a multiple of the modulus.
struct TGridCode {
  std::string_view Set;
  std::span<const std::string_view> Entries;
  int Modulus;
};
constexpr std::string_view GridStart = "B...", GridStop = "B.B", CharacterLead = "B.", CharacterTail = ".";

// BC309, each digit's entry: two bars in six modules.
constexpr std::array<std::string_view, 10> Bc309Entries{
    "B.B...", "B..B..", "B...B.", "B....B", ".B.B..", ".B..B.", ".B...B", "..B.B.", "..B..B", "...B.B",
};
constexpr TGridCode Bc309{"0123456789", Bc309Entries, 10};

// BC412, each character's entry: three bars in nine modules (O's two touch).
constexpr std::array<std::string_view, 36> Bc412Entries{
    "B.B.B....", "B.B..B...", "B.B...B..", "B.B....B.", "B.B.....B", "B..B.B...", "B..B..B..", "B..B...B.", "B..B....B",
    "B...B.B..", "B...B..B.", "B...B...B", "B....B.B.", "B....B..B", "B.....B.B", ".B.B.B...", ".B.B..B..", ".B.B...B.",
    ".B.B....B", ".B..B.B..", ".B..B..B.", ".B..B...B", ".B...B.B.", ".B...B..B", ".B....BB.", ".B....B.B", "..B.B.B..",
    "..B.B..B.", "..B.B...B", "..B..B.B.", "..B..B..B", "..B...B.B", "...B.B.B.", "...B.B..B", "...B..B.B", "....B.B.B",
};
constexpr TGridCode Bc412{"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", Bc412Entries, 36};

// Clocked 3 of 5: each digit six one-module slots two modules apart, three
// of the first five and the last (the clock) holding a bar; sixteen
// modules, then a separator of four spaces. Each digit's first five slots:
constexpr std::array<std::string_view, 10> ClockedSlots{
    "BBB..", "..BBB", ".B.BB", "B..BB", ".BB.B", "B.B.B", "BB..B", ".BBB.", "B.BB.", "BB.B.",
};
constexpr std::size_t ClockedModules = 16, ClockedPeriod = 20;
constexpr std::string_view ClockedSeparator = "....", SlotGap = "..";
constexpr char ClockMark = 'B';
constexpr int ClockedModulus = 10;

// The digit's sixteen modules.
std::string ClockedRow(std::string_view slots) {
  std::string row;
  row.reserve(ClockedModules);
  for (const char slot : slots) (row += slot) += SlotGap;
  return row + ClockMark;
}

// The module from the bars, the row from the characters that fit; the
// margin, as for Clocked 3 of 5, is the edge-to-similar-edge margin of the
// whole row.
std::optional<TDecoded> DecodeGrid(std::span<const double> widths, const TGridCode& code, bool checked) {
  const double module = MedianBarWidth(widths);
  if (!(module > 0)) return std::nullopt;
  const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
  const auto frame = static_cast<double>(GridStart.size() + GridStop.size());
  const std::size_t characterModules = CharacterLead.size() + code.Entries[0].size() + CharacterTail.size();
  const double characters = std::round((total / module - frame) / static_cast<double>(characterModules));
  if (!(characters >= 2) || characters > static_cast<double>(widths.size())) return std::nullopt;
  const auto count = static_cast<std::size_t>(characters);
  const auto row = ModuleRow(widths, static_cast<int>(GridStart.size() + GridStop.size() + count * characterModules));
  if (!row || !row->starts_with(GridStart) || !row->ends_with(GridStop)) return std::nullopt;
  std::string text;
  int sum = 0;
  for (std::size_t c = 0; c < count; ++c) {
    const std::string_view character =
        std::string_view(*row).substr(GridStart.size() + c * characterModules, characterModules);
    const std::string_view entry = character.substr(CharacterLead.size(), code.Entries[0].size());
    const auto match = std::find(code.Entries.begin(), code.Entries.end(), entry);
    if (!character.starts_with(CharacterLead) || !character.ends_with(CharacterTail) || match == code.Entries.end())
      return std::nullopt;
    const auto value = match - code.Entries.begin();
    text += code.Set[static_cast<std::size_t>(value)];
    sum += static_cast<int>(value);
  }
  if (checked && sum % code.Modulus != 0) return std::nullopt;
  const double decodability = EdgeToSimilarEdgeDecodability(widths, static_cast<int>(row->size()));
  if (!(decodability > 0)) return std::nullopt;
  return TDecoded{text, decodability};
}

}  // namespace

std::optional<TDecoded> DecodeBc309(std::span<const double> widths) { return DecodeGrid(widths, Bc309, true); }
std::optional<TDecoded> DecodeBc309Unchecked(std::span<const double> widths) {
  return DecodeGrid(widths, Bc309, false);
}

std::optional<TDecoded> DecodeBc412(std::span<const double> widths) { return DecodeGrid(widths, Bc412, true); }
std::optional<TDecoded> DecodeBc412Unchecked(std::span<const double> widths) {
  return DecodeGrid(widths, Bc412, false);
}

namespace {

// The row is read from its right end, where the last clock bar closes it: the leftmost digit's leading empty slots lie
// in the quiet zone.
std::optional<TDecoded> ReadClocked35(std::span<const double> widths, bool checked) {
  const double module = MedianBarWidth(widths);
  if (!(module > 0)) return std::nullopt;
  const double total = std::accumulate(widths.begin(), widths.end(), 0.0);
  const double modules = std::round(total / module);
  if (!(modules > 0) || modules > static_cast<double>(widths.size() * ClockedPeriod)) return std::nullopt;
  const auto row = ModuleRow(widths, static_cast<int>(modules));
  if (!row) return std::nullopt;
  const std::size_t digits = (row->size() + ClockedPeriod - 1) / ClockedPeriod;
  const std::size_t span = digits * ClockedPeriod - ClockedSeparator.size();
  if (digits < 2 || span < row->size()) return std::nullopt;
  const std::string padded = std::string(span - row->size(), '.') + *row;
  std::string drawn;  // left to right: the last digit typed first, the check last
  int sum = 0;
  for (std::size_t d = 0; d < digits; ++d) {
    const std::string_view digit = std::string_view(padded).substr(d * ClockedPeriod, ClockedModules);
    const auto match = std::find_if(ClockedSlots.begin(), ClockedSlots.end(),
                                    [&](std::string_view slots) { return ClockedRow(slots) == digit; });
    const bool separated =
        d + 1 == digits ||
        std::string_view(padded).substr(d * ClockedPeriod + ClockedModules).starts_with(ClockedSeparator);
    if (match == ClockedSlots.end() || !separated) return std::nullopt;
    const auto value = static_cast<int>(match - ClockedSlots.begin());
    drawn += static_cast<char>('0' + value);
    sum += value;
  }
  if (checked && sum % ClockedModulus != 0) return std::nullopt;
  const double decodability = EdgeToSimilarEdgeDecodability(widths, static_cast<int>(row->size()));
  if (!(decodability > 0)) return std::nullopt;
  if (!checked) return TDecoded{std::string(drawn.rbegin(), drawn.rend()), decodability};
  std::string text(drawn.rbegin() + 1, drawn.rend());
  return TDecoded{text + drawn.back(), decodability};
}

}  // namespace

std::optional<TDecoded> DecodeClocked35(std::span<const double> widths) { return ReadClocked35(widths, true); }
std::optional<TDecoded> DecodeClocked35Unchecked(std::span<const double> widths) {
  return ReadClocked35(widths, false);
}

}  // namespace tessel
