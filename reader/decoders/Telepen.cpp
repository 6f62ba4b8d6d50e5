#include "reader/decoders/Telepen.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reader/Grade.h"

namespace tessel {
namespace {

constexpr int Characters = 128;
constexpr int DataBits = 7;

// Telepen's drawing of a byte: the seven bits and an even-parity bit, least
// significant first, walked in groups: 010 a wide bar and a wide space, 00 a
// wide bar and a narrow space, 01 a narrow bar and a wide space (and a 10
// right after it the same), any other 1 a narrow bar and a narrow space.
// Each character so spans sixteen modules at a ratio of 3, none is the
// beginning of another and the character is read by its first match.
std::string ElementsOf(int value) {
  std::string bits;
  for (int b = 0; b < DataBits; ++b) bits += (value >> b & 1) != 0 ? '1' : '0';
  bits += std::count(bits.begin(), bits.end(), '1') % 2 != 0 ? '1' : '0';
  const std::string_view all = bits;
  std::string elements;
  bool afterZeroOne = false;
  for (std::size_t k = 0; k < all.size();) {
    const std::string_view rest = all.substr(k);
    const bool zeroOneZero = rest.starts_with("010"), zeroZero = rest.starts_with("00");
    const bool zeroOne = rest.starts_with("01") || (afterZeroOne && rest.starts_with("10"));
    if (zeroOneZero) {
      elements += "ww";
      k += 3;
    } else if (zeroZero || zeroOne) {
      elements += zeroZero ? "wn" : "nw";
      k += 2;
    } else {
      elements += "nn";
      k += 1;
    }
    if (zeroOneZero || zeroZero || zeroOne) afterZeroOne = !zeroOneZero && rest.starts_with("01");
  }
  return elements;
}

const std::array<std::string, Characters>& CharacterElements() {
  static const std::array<std::string, Characters> table = [] {
    std::array<std::string, Characters> elements;
    for (int value = 0; value < Characters; ++value) elements[value] = ElementsOf(value);
    return elements;
  }();
  return table;
}

// The guards as drawn: a start and the stop that goes with it (none for
// the symbol drawn without a stop, whose last space then lies in the quiet
// zone), and whether the start is the numeric one.
struct TGuards {
  std::string_view Start, Stop;
  bool Numeric;
};
constexpr std::array<TGuards, 4> Guards{{
    {"nnnnnnnnnnww", "wwnnnnnnnnn", false},  // ASCII
    {"nnnnnnnnwnnw", "wnnwnnnnnnn", true},   // numeric
    {"nnnnnwnwnnnn", "nnnwnnnwnnn", false},  // custom
    {"nnnnnnnnnnww", "", false},             // ASCII, no stop
}};

constexpr int CheckModulus = 127;
// Numeric values: a single digit is 17 to 26, a pair of digits 27 to 126;
// a DLE switches to ASCII for good; other control characters stand as they are.
constexpr int Dle = 16, SingleDigitBase = 17, PairBase = 27, PairLimit = 127;
constexpr int Decimal = 10;

// The narrow and wide call of each element: split at the largest step
// between the sorted widths. One threshold serves the whole symbol, and the
// margin is the two-width margin of all its elements, as a character may
// be all narrow.
std::string NarrowOrWide(std::span<const double> widths) {
  std::vector<double> sorted(widths.begin(), widths.end());
  std::sort(sorted.begin(), sorted.end());
  std::size_t step = 0;
  for (std::size_t k = 1; k + 1 < sorted.size(); ++k)
    if (sorted[k + 1] * sorted[step] > sorted[step + 1] * sorted[k]) step = k;
  const double threshold = (sorted[step] + sorted[step + 1]) / 2;
  std::string pattern;
  pattern.reserve(widths.size());
  for (const double width : widths) pattern += width > threshold ? 'w' : 'n';
  return pattern;
}

// The values of the characters drawn in Pattern, each matched in turn;
// the last may lack its final space when Open. None when an element run
// matches no character.
std::optional<std::vector<int>> ReadValues(std::string_view pattern, bool open) {
  const auto& table = CharacterElements();
  std::vector<int> values;
  while (!pattern.empty()) {
    const auto match = std::find_if(table.begin(), table.end(), [&](const std::string& elements) {
      return pattern.starts_with(elements) ||
             (open && elements.size() == pattern.size() + 1 && std::string_view(elements).starts_with(pattern));
    });
    if (match == table.end()) return std::nullopt;
    values.push_back(static_cast<int>(match - table.begin()));
    pattern.remove_prefix(std::min(match->size(), pattern.size()));
  }
  return values;
}

// The text of the values before the check character as the class shows it.
std::string TextOf(std::span<const int> values, bool numeric) {
  std::string text;
  for (const int value : values) {
    if (numeric && value >= PairBase && value < PairLimit) {
      text += static_cast<char>('0' + (value - PairBase) / Decimal);
      text += static_cast<char>('0' + (value - PairBase) % Decimal);
    } else if (numeric && value >= SingleDigitBase && value < PairBase) {
      text += static_cast<char>('0' + value - SingleDigitBase);
    } else {
      text += static_cast<char>(value);
      if (value == Dle) numeric = false;
    }
  }
  return text;
}

std::optional<TDecoded> ReadTelepen(std::span<const double> widths, bool checked) {
  if (widths.size() < Guards[0].Start.size()) return std::nullopt;
  const std::string pattern = NarrowOrWide(widths);
  const std::string_view all = pattern;
  for (const TGuards& guards : Guards) {
    if (!all.starts_with(guards.Start) || !all.ends_with(guards.Stop) ||
        all.size() < guards.Start.size() + guards.Stop.size())
      continue;
    const std::string_view inner =
        all.substr(guards.Start.size(), all.size() - guards.Start.size() - guards.Stop.size());
    const auto values = ReadValues(inner, guards.Stop.empty());
    if (!values || values->empty()) continue;
    int sum = 0;
    for (const int value : *values) sum += value;
    if (checked && sum % CheckModulus != 0) continue;
    const double decodability = TwoWidthDecodability(widths, pattern);
    if (!(decodability > 0)) return std::nullopt;
    if (!checked) return TDecoded{TextOf(*values, guards.Numeric), decodability};
    std::string text = TextOf(std::span(*values).first(values->size() - 1), guards.Numeric);
    text += static_cast<char>(values->back());
    return TDecoded{text, decodability};
  }
  return std::nullopt;
}

}  // namespace

std::optional<TDecoded> DecodeTelepen(std::span<const double> widths) { return ReadTelepen(widths, true); }
std::optional<TDecoded> DecodeTelepenUnchecked(std::span<const double> widths) { return ReadTelepen(widths, false); }

}  // namespace tessel
