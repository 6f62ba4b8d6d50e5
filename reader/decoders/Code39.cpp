#include "reader/decoders/Code39.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "reader/decoders/FullAscii.h"
#include "reader/decoders/TwoWidth.h"

namespace tessel {
namespace {

// ISO/IEC 16388, the character table: each character's nine elements, bar
// first, narrow or wide. A character's row is its value for the modulo 43
// check; the last row is the start and stop character.
constexpr std::array<std::pair<char, std::string_view>, 44> Characters{{
    {'0', "nnnwwnwnn"}, {'1', "wnnwnnnnw"}, {'2', "nnwwnnnnw"}, {'3', "wnwwnnnnn"}, {'4', "nnnwwnnnw"},
    {'5', "wnnwwnnnn"}, {'6', "nnwwwnnnn"}, {'7', "nnnwnnwnw"}, {'8', "wnnwnnwnn"}, {'9', "nnwwnnwnn"},
    {'A', "wnnnnwnnw"}, {'B', "nnwnnwnnw"}, {'C', "wnwnnwnnn"}, {'D', "nnnnwwnnw"}, {'E', "wnnnwwnnn"},
    {'F', "nnwnwwnnn"}, {'G', "nnnnnwwnw"}, {'H', "wnnnnwwnn"}, {'I', "nnwnnwwnn"}, {'J', "nnnnwwwnn"},
    {'K', "wnnnnnnww"}, {'L', "nnwnnnnww"}, {'M', "wnwnnnnwn"}, {'N', "nnnnwnnww"}, {'O', "wnnnwnnwn"},
    {'P', "nnwnwnnwn"}, {'Q', "nnnnnnwww"}, {'R', "wnnnnnwwn"}, {'S', "nnwnnnwwn"}, {'T', "nnnnwnwwn"},
    {'U', "wwnnnnnnw"}, {'V', "nwwnnnnnw"}, {'W', "wwwnnnnnn"}, {'X', "nwnnwnnnw"}, {'Y', "wwnnwnnnn"},
    {'Z', "nwwnwnnnn"}, {'-', "nwnnnnwnw"}, {'.', "wwnnnnwnn"}, {' ', "nwwnnnwnn"}, {'$', "nwnwnwnnn"},
    {'/', "nwnwnnnwn"}, {'+', "nwnnnwnwn"}, {'%', "nnnwnwnwn"}, {'*', "nwnnwnwnn"},
}};
constexpr char StartStop = '*';
constexpr std::size_t CheckModulus = 43;
constexpr std::size_t ElementsPerCharacter = 9;
constexpr std::size_t ElementsWithGap = 10;  // a character and the gap after it
constexpr int WidePerCharacter = 3;

// ISO/IEC 16388, the full ASCII table: the one or two characters that
// stand for each code from 0 to 127.
constexpr std::array<std::string_view, 128> FullAscii{
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O",  // 0-15
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E",  // 16-31
    " ",  "/A", "/B", "/C", "/D", "/E", "/F", "/G", "/H", "/I", "/J", "/K", "/L", "-",  ".",  "/O",  // 32-47
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "/Z", "%F", "%G", "%H", "%I", "%J",  // 48-63
    "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",   // 64-79
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  "X",  "Y",  "Z",  "%K", "%L", "%M", "%N", "%O",  // 80-95
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O",  // 96-111
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T",  // 112-127
};
constexpr std::string_view Shifts = "$%/+";

// The characters of Code 32's base-32 numbers, the digit's value its place.
constexpr std::string_view Base32Digits = "0123456789BCDFGHJKLMNPQRSTUVWXYZ";
constexpr std::size_t Code32Characters = 6, Code32Digits = 9;
constexpr int Code32Base = 32;

// PZN: a minus sign, six digits and their check character, weighted 2 to 7
// modulo 11 (a remainder of 10 drawn as '+').
constexpr char PznSign = '-';
constexpr std::size_t PznDigits = 6;
constexpr int PznFirstWeight = 2, PznModulus = 11;
constexpr char PznTen = '+';

// The data characters between start and stop, and the lowest margin.
struct TCode39Symbol {
  std::string Data;
  double Decodability = 1;
};

std::optional<char> CharacterOf(std::string_view pattern) {
  for (const auto& [character, elements] : Characters)
    if (elements == pattern) return character;
  return std::nullopt;
}

std::optional<TCode39Symbol> ReadCode39(std::span<const double> widths) {
  if ((widths.size() + 1) % ElementsWithGap != 0) return std::nullopt;
  const std::size_t count = (widths.size() + 1) / ElementsWithGap;
  if (count < 2) return std::nullopt;
  TCode39Symbol symbol;
  for (std::size_t c = 0; c < count; ++c) {
    const auto character =
        ClassifyTwoWidth(widths.subspan(c * ElementsWithGap, ElementsPerCharacter), WidePerCharacter);
    const auto value = character ? CharacterOf(character->Pattern) : std::nullopt;
    const bool end = c == 0 || c + 1 == count;
    if (!value || (*value == StartStop) != end) return std::nullopt;
    if (!end) symbol.Data += *value;
    symbol.Decodability = std::min(symbol.Decodability, character->Decodability);
  }
  return symbol;
}

std::size_t ValueOf(char character) {
  const auto row =
      std::find_if(Characters.begin(), Characters.end(), [&](const auto& r) { return r.first == character; });
  return static_cast<std::size_t>(row - Characters.begin());
}

// The modulo 43 check character of Data.
char CheckCharacter(std::string_view data) {
  std::size_t sum = 0;
  for (const char c : data) sum += ValueOf(c);
  return Characters[sum % CheckModulus].first;
}

}  // namespace

std::optional<TDecoded> DecodeCode39(std::span<const double> widths) {
  const auto symbol = ReadCode39(widths);
  if (!symbol) return std::nullopt;
  return TDecoded{symbol->Data, symbol->Decodability};
}

// The text as typed, then the check character as drawn when the last
// character is the check of the others.
std::optional<TDecoded> DecodeCode39Ext(std::span<const double> widths) {
  const auto symbol = ReadCode39(widths);
  if (!symbol) return std::nullopt;
  const std::string_view data = symbol->Data;
  if (!data.empty() && CheckCharacter(data.substr(0, data.size() - 1)) == data.back())
    if (const auto text = ExpandFullAscii(data.substr(0, data.size() - 1), FullAscii, Shifts))
      return TDecoded{*text + data.back(), symbol->Decodability};
  const auto text = ExpandFullAscii(data, FullAscii, Shifts);
  if (!text) return std::nullopt;
  return TDecoded{*text, symbol->Decodability};
}

namespace {

// The nine digits whose last is the check of the first eight: odd places
// add the digit, even places the digits of twice the digit.
bool Code32CheckHolds(std::string_view digits) {
  int sum = 0;
  for (std::size_t k = 0; k + 1 < digits.size(); ++k) {
    const int digit = digits[k] - '0';
    sum += k % 2 == 0 ? digit : (2 * digit > 9 ? 2 * digit - 9 : 2 * digit);
  }
  return sum % 10 == digits.back() - '0';
}

}  // namespace

std::optional<TDecoded> DecodeCode32(std::span<const double> widths) {
  const auto symbol = ReadCode39(widths);
  if (!symbol || symbol->Data.size() != Code32Characters) return std::nullopt;
  long long number = 0;
  for (const char c : symbol->Data) {
    const std::size_t digit = Base32Digits.find(c);
    if (digit == std::string_view::npos) return std::nullopt;
    number = number * Code32Base + static_cast<long long>(digit);
  }
  std::string digits = std::to_string(number);
  if (digits.size() > Code32Digits) return std::nullopt;
  digits.insert(0, Code32Digits - digits.size(), '0');
  if (!Code32CheckHolds(digits)) return std::nullopt;
  return TDecoded{digits, symbol->Decodability};
}

std::optional<TDecoded> DecodePzn(std::span<const double> widths) {
  const auto symbol = ReadCode39(widths);
  const std::string_view data = symbol ? std::string_view(symbol->Data) : std::string_view();
  if (data.size() != PznDigits + 2 || data.front() != PznSign) return std::nullopt;
  int sum = 0;
  for (std::size_t k = 0; k < PznDigits; ++k) {
    const char digit = data[1 + k];
    if (digit < '0' || digit > '9') return std::nullopt;
    sum += (digit - '0') * (PznFirstWeight + static_cast<int>(k));
  }
  const int check = sum % PznModulus;
  if (data.back() != (check == PznModulus - 1 ? PznTen : static_cast<char>('0' + check))) return std::nullopt;
  return TDecoded{std::string(data), symbol->Decodability};
}

}  // namespace tessel
