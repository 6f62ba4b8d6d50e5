#include "reader/decoders/Code93.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reader/Grade.h"
#include "reader/decoders/FullAscii.h"

namespace tessel {
namespace {

// ANSI/AIM BC5-1995, the character table: each character's module widths,
// bar first. A row's index is its value for the check characters; rows 43
// to 46 are the shift characters ($), (%), (/) and (+), written '[', ']',
// '{' and '}' as the classes show them; the last row is start and stop.
constexpr std::array<std::pair<char, std::string_view>, 48> Characters{{
    {'0', "131112"}, {'1', "111213"}, {'2', "111312"}, {'3', "111411"}, {'4', "121113"}, {'5', "121212"},
    {'6', "121311"}, {'7', "111114"}, {'8', "131211"}, {'9', "141111"}, {'A', "211113"}, {'B', "211212"},
    {'C', "211311"}, {'D', "221112"}, {'E', "221211"}, {'F', "231111"}, {'G', "112113"}, {'H', "112212"},
    {'I', "112311"}, {'J', "122112"}, {'K', "132111"}, {'L', "111123"}, {'M', "111222"}, {'N', "111321"},
    {'O', "121122"}, {'P', "131121"}, {'Q', "212112"}, {'R', "212211"}, {'S', "211122"}, {'T', "211221"},
    {'U', "221121"}, {'V', "222111"}, {'W', "112122"}, {'X', "112221"}, {'Y', "122121"}, {'Z', "123111"},
    {'-', "121131"}, {'.', "311112"}, {' ', "311211"}, {'$', "321111"}, {'/', "112131"}, {'+', "113121"},
    {'%', "211131"}, {'[', "121221"}, {']', "312111"}, {'{', "311121"}, {'}', "122211"}, {'*', "111141"},
}};
constexpr std::size_t DataCharacters = 43;  // the rows before the shift characters
constexpr std::size_t StartStopRow = Characters.size() - 1;
constexpr std::size_t ElementsPerCharacter = 6;
// ANSI/AIM BC5-1995, the stop pattern: the stop character and the
// termination bar.
constexpr std::string_view StopModules = "1111411";

// The check characters: weights 1 to 20, then 1 to 15 over the data and
// the first check character, both counted from the right, modulo 47.
constexpr std::size_t FirstCheckWeights = 20, SecondCheckWeights = 15, CheckModulus = 47;
constexpr std::size_t CheckCharacters = 2;

// ANSI/AIM BC5-1995, the full ASCII table: the one or two characters that
// stand for each code from 0 to 127, shift characters written as above.
constexpr std::array<std::string_view, 128> FullAscii{
    "]U", "[A", "[B", "[C", "[D", "[E", "[F", "[G", "[H", "[I", "[J", "[K", "[L", "[M", "[N", "[O",  // 0-15
    "[P", "[Q", "[R", "[S", "[T", "[U", "[V", "[W", "[X", "[Y", "[Z", "]A", "]B", "]C", "]D", "]E",  // 16-31
    " ",  "{A", "{B", "{C", "$",  "%",  "{F", "{G", "{H", "{I", "{J", "+",  "{L", "-",  ".",  "/",   // 32-47
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "{Z", "]F", "]G", "]H", "]I", "]J",  // 48-63
    "]V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",   // 64-79
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  "X",  "Y",  "Z",  "]K", "]L", "]M", "]N", "]O",  // 80-95
    "]W", "}A", "}B", "}C", "}D", "}E", "}F", "}G", "}H", "}I", "}J", "}K", "}L", "}M", "}N", "}O",  // 96-111
    "}P", "}Q", "}R", "}S", "}T", "}U", "}V", "}W", "}X", "}Y", "}Z", "]P", "]Q", "]R", "]S", "]T",  // 112-127
};
constexpr std::string_view Shifts = "[]{}";

// The values of the characters between start and stop, and the lowest
// margin.
struct TCode93Symbol {
  std::vector<std::size_t> Values;
  double Decodability = 1;
};

int ModulesOf(std::string_view counts) {
  return std::accumulate(counts.begin(), counts.end(), 0, [](int sum, char c) { return sum + (c - '0'); });
}

// Whether the widths show the module counts: each edge-to-similar-edge
// distance, in modules of the whole's width, rounds to the counts' one.
bool ShowsModules(std::span<const double> widths, std::string_view counts) {
  const double width = std::accumulate(widths.begin(), widths.end(), 0.0);
  if (widths.size() != counts.size() || !(width > 0)) return false;
  const double modulesPerUnit = ModulesOf(counts) / width;
  for (std::size_t k = 0; k + 1 < widths.size(); ++k) {
    const long distance = std::lround((widths[k] + widths[k + 1]) * modulesPerUnit);
    if (distance != (counts[k] - '0') + (counts[k + 1] - '0')) return false;
  }
  return true;
}

std::optional<std::size_t> RowOf(std::span<const double> widths) {
  for (std::size_t row = 0; row < Characters.size(); ++row)
    if (ShowsModules(widths, Characters[row].second)) return row;
  return std::nullopt;
}

std::optional<TCode93Symbol> ReadCode93(std::span<const double> widths) {
  const std::size_t ends = ElementsPerCharacter + StopModules.size();
  if (widths.size() < ends || (widths.size() - ends) % ElementsPerCharacter != 0) return std::nullopt;
  const std::size_t count = (widths.size() - ends) / ElementsPerCharacter;
  const auto stop = widths.last(StopModules.size());
  if (!ShowsModules(stop, StopModules)) return std::nullopt;
  TCode93Symbol symbol;
  symbol.Decodability = EdgeToSimilarEdgeDecodability(stop, ModulesOf(StopModules));
  symbol.Values.reserve(count);
  for (std::size_t c = 0; c <= count; ++c) {
    const auto character = widths.subspan(c * ElementsPerCharacter, ElementsPerCharacter);
    const auto row = RowOf(character);
    if (!row || (*row == StartStopRow) != (c == 0)) return std::nullopt;
    if (c > 0) symbol.Values.push_back(*row);
    symbol.Decodability =
        std::min(symbol.Decodability, EdgeToSimilarEdgeDecodability(character, ModulesOf(Characters[*row].second)));
  }
  if (!(symbol.Decodability > 0)) return std::nullopt;
  return symbol;
}

std::size_t CheckValue(std::span<const std::size_t> values, std::size_t maxWeight) {
  std::size_t sum = 0;
  for (std::size_t k = 0; k < values.size(); ++k) sum += values[values.size() - 1 - k] * (k % maxWeight + 1);
  return sum % CheckModulus;
}

// Whether the last two characters are the check characters of the others.
bool ChecksHold(std::span<const std::size_t> values) {
  if (values.size() < CheckCharacters) return false;
  const std::size_t data = values.size() - CheckCharacters;
  return CheckValue(values.first(data), FirstCheckWeights) == values[data] &&
         CheckValue(values.first(data + 1), SecondCheckWeights) == values[data + 1];
}

std::string TextOf(std::span<const std::size_t> values) {
  std::string text;
  text.reserve(values.size());
  for (const std::size_t value : values) text += Characters[value].first;
  return text;
}

}  // namespace

// Shift characters stand only where the check characters are: the class
// takes none in its text.
std::optional<TDecoded> DecodeCode93(std::span<const double> widths) {
  const auto symbol = ReadCode93(widths);
  if (!symbol) return std::nullopt;
  const std::span<const std::size_t> values = symbol->Values;
  const std::size_t data = ChecksHold(values) ? values.size() - CheckCharacters : values.size();
  if (std::any_of(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(data),
                  [](std::size_t v) { return v >= DataCharacters; }))
    return std::nullopt;
  return TDecoded{TextOf(values), symbol->Decodability};
}

std::optional<TDecoded> DecodeCode93Ext(std::span<const double> widths) {
  const auto symbol = ReadCode93(widths);
  if (!symbol) return std::nullopt;
  const std::string drawn = TextOf(symbol->Values);
  const std::string_view characters = drawn;
  if (ChecksHold(symbol->Values)) {
    const std::size_t data = characters.size() - CheckCharacters;
    if (const auto text = ExpandFullAscii(characters.substr(0, data), FullAscii, Shifts))
      return TDecoded{*text + std::string(characters.substr(data)), symbol->Decodability};
  }
  const auto text = ExpandFullAscii(characters, FullAscii, Shifts);
  if (!text) return std::nullopt;
  return TDecoded{*text, symbol->Decodability};
}

}  // namespace tessel
