#include "reader/decoders/PostBar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "reader/decoders/BarStates.h"
#include "reader/decoders/DecimalText.h"
#include "reader/decoders/FourStateCodes.h"
#include "reader/decoders/ReedSolomon64.h"

namespace tessel {
namespace {

// Canada Post, the customer bar code layouts: after the format character
// (an alphanumeric character), the prefix ('d' a digit, 'a' an alphanumeric
// character, 'p' a postal code: letter, digit, letter, digit, letter,
// digit), then alphanumeric fields of fixed length padded with spaces, and
// for format B one more space.
struct TLayout {
  char Format;
  std::string_view Prefix;
  std::array<std::size_t, 2> Fields;  // 0 for none
  bool Spacer;
};
constexpr std::array Layouts{
    TLayout{'1', "ddd", {8, 0}, false}, TLayout{'2', "ddd", {8, 10}, false}, TLayout{'A', "p", {0, 0}, false},
    TLayout{'B', "p", {4, 0}, true},    TLayout{'C', "p", {4, 11}, false},   TLayout{'S', "a", {19, 0}, false},
    TLayout{'T', "", {10, 0}, false},   TLayout{'U', "", {5, 0}, false},     TLayout{'Z', "p", {0, 0}, false},
};
constexpr std::size_t BarsPerDigit = 2, BarsPerCharacter = 3;
constexpr std::size_t PostalCodePairs = 3;
// The alphanumeric alphabet (the other characters of the three-bar code
// are not Canada Post's), and the code of the postal code's letters.
constexpr std::string_view Alphanumeric = " ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::array<std::string_view, 26> PostalLetterBars{
    "002", "010", "011", "012", "020", "021", "022", "001", "101", "102", "110", "111", "000",  // A-M
    "120", "121", "122", "200", "201", "202", "210", "211", "212", "220", "221", "222", "100",  // N-Z
};
constexpr char Space = ' ', Separator = '-';
// Format Z: ten check symbols and a number of four bars (shown as three
// digits); the others four check symbols.
constexpr char NumberFormat = 'Z';
constexpr int CheckSymbols = 4, NumberFormatCheckSymbols = 10;
constexpr std::size_t NumberBars = 4, NumberDigits = 3;
constexpr int BarBase = 4;

std::size_t PrefixBars(std::string_view prefix) {
  std::size_t bars = 0;
  for (const char part : prefix)
    bars += part == 'd'   ? BarsPerDigit
            : part == 'a' ? BarsPerCharacter
                          : PostalCodePairs * (BarsPerCharacter + BarsPerDigit);
  return bars;
}

std::size_t DataBars(const TLayout& layout) {
  return BarsPerCharacter * (1 + layout.Fields[0] + layout.Fields[1] + (layout.Spacer ? 1 : 0)) +
         PrefixBars(layout.Prefix);
}

std::optional<char> AlphanumericOf(TBarCursor& cursor) {
  const auto character = cursor.Character();
  if (!character || Alphanumeric.find(*character) == std::string_view::npos) return std::nullopt;
  return character;
}

std::optional<char> PostalLetterOf(TBarCursor& cursor) {
  const auto bars = cursor.Take(BarsPerCharacter);
  if (!bars) return std::nullopt;
  std::string code;
  for (const int v : *bars) code.push_back(static_cast<char>('0' + v));
  const auto found = std::find(PostalLetterBars.begin(), PostalLetterBars.end(), code);
  if (found == PostalLetterBars.end()) return std::nullopt;
  return static_cast<char>('A' + (found - PostalLetterBars.begin()));
}

bool ReadPrefix(TBarCursor& cursor, std::string_view prefix, std::string& text) {
  for (const char part : prefix) {
    if (part == 'p') {
      for (std::size_t k = 0; k < PostalCodePairs; ++k) {
        const auto letter = PostalLetterOf(cursor);
        const auto digit = cursor.Digit();
        if (!letter || !digit) return false;
        text += {*letter, *digit};
      }
      continue;
    }
    const auto character = part == 'd' ? cursor.Digit() : AlphanumericOf(cursor);
    if (!character) return false;
    text.push_back(*character);
  }
  return true;
}

// The fields without their padding; a field cut short before another
// ends with the separator that cut it.
bool ReadFields(TBarCursor& cursor, const TLayout& layout, std::string& text) {
  bool shortBefore = false;
  for (const std::size_t length : layout.Fields) {
    std::string field;
    for (std::size_t k = 0; k < length; ++k) {
      const auto character = AlphanumericOf(cursor);
      if (!character) return false;
      field.push_back(*character);
    }
    field.erase(field.find_last_not_of(Space) + 1);
    if (shortBefore && !field.empty()) text.push_back(Separator);
    text += field;
    shortBefore = field.size() < length;
  }
  return !layout.Spacer || AlphanumericOf(cursor) == Space;
}

std::string Number(std::span<const int> bars) {
  int value = 0;
  for (const int v : bars) value = value * BarBase + v;
  return ZeroPadded(static_cast<std::uint64_t>(value), NumberDigits);
}

}  // namespace

std::optional<TDecoded> DecodePostBar(std::span<const TBar> Bars) {
  const auto states = ClassifyBars(Bars);
  if (!states) return std::nullopt;
  const auto values = BarValues(states->States);
  if (!values) return std::nullopt;
  const auto inner = Unframed(*values);
  if (!inner) return std::nullopt;
  TBarCursor cursor(*inner);
  const auto format = AlphanumericOf(cursor);
  const auto layout =
      std::find_if(Layouts.begin(), Layouts.end(), [&](const TLayout& l) { return l.Format == format; });
  if (layout == Layouts.end()) return std::nullopt;
  const bool numbered = layout->Format == NumberFormat;
  const int checks = numbered ? NumberFormatCheckSymbols : CheckSymbols;
  const std::size_t coded = DataBars(*layout) + BarsPerCharacter * static_cast<std::size_t>(checks);
  if (inner->size() != coded + (numbered ? NumberBars : 0) || !IsCodeword64(Symbols(inner->first(coded)), checks))
    return std::nullopt;
  TDecoded decoded{std::string(1, layout->Format), states->Decodability};
  if (!ReadPrefix(cursor, layout->Prefix, decoded.Text) || !ReadFields(cursor, *layout, decoded.Text))
    return std::nullopt;
  decoded.Text += TwoDigits(Symbols(*cursor.Take(BarsPerCharacter * static_cast<std::size_t>(checks))));
  if (numbered) decoded.Text += Number(*cursor.Take(NumberBars));
  return decoded;
}

}  // namespace tessel
