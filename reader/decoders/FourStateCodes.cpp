#include "reader/decoders/FourStateCodes.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "reader/decoders/DecimalText.h"

namespace tessel {
namespace {

// The bar states in the order of their values 0 to 3.
constexpr std::string_view StatesByValue = "FADT";
// The frame: an ascender and a tracker at each end.
constexpr std::array<int, 2> FrameValues{1, 3};
constexpr std::size_t BarsPerSymbol = 3;
constexpr int SymbolBase = 4;            // a bar value is one base-4 digit
constexpr std::size_t SymbolDigits = 2;  // a symbol, 0 to 63, in decimal

// Australia Post customer barcoding, the N table
// (the Canada Post digit code is the same): each digit's two bar values.
constexpr std::array<std::string_view, 10> DigitBars{"00", "01", "02", "10", "11", "12", "20", "21", "22", "30"};
// Australia Post customer barcoding, the C table: the characters of customer information
// and their three bar values.
constexpr std::string_view CharacterSet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz #";
constexpr std::array<std::string_view, 64> CharacterBars{
    "000", "001", "002", "010", "011", "012", "020", "021", "022", "100", "101", "102", "110",  // A-M
    "111", "112", "120", "121", "122", "200", "201", "202", "210", "211", "212", "220", "221",  // N-Z
    "222", "300", "301", "302", "310", "311", "312", "320", "321", "322",                       // 0-9
    "023", "030", "031", "032", "033", "103", "113", "123", "130", "131", "132", "133", "203",  // a-m
    "213", "223", "230", "231", "232", "233", "303", "313", "323", "330", "331", "332", "333",  // n-z
    "003", "013",                                                                               // space #
};

std::string BarText(std::span<const int> values) {
  std::string text;
  text.reserve(values.size());
  for (const int v : values) text.push_back(static_cast<char>('0' + v));
  return text;
}

template <std::size_t N>
std::optional<std::size_t> IndexOf(const std::array<std::string_view, N>& table, std::span<const int> values) {
  const auto found = std::find(table.begin(), table.end(), BarText(values));
  if (found == table.end()) return std::nullopt;
  return static_cast<std::size_t>(found - table.begin());
}

}  // namespace

std::optional<std::vector<int>> BarValues(const std::string& States) {
  std::vector<int> values;
  values.reserve(States.size());
  for (const char state : States) {
    const std::size_t value = StatesByValue.find(state);
    if (value == std::string_view::npos) return std::nullopt;
    values.push_back(static_cast<int>(value));
  }
  return values;
}

std::optional<std::span<const int>> Unframed(std::span<const int> Values) {
  const std::size_t frame = FrameValues.size();
  if (Values.size() < 2 * frame || !std::equal(FrameValues.begin(), FrameValues.end(), Values.begin()) ||
      !std::equal(FrameValues.begin(), FrameValues.end(), Values.end() - static_cast<std::ptrdiff_t>(frame)))
    return std::nullopt;
  return Values.subspan(frame, Values.size() - 2 * frame);
}

std::vector<int> Symbols(std::span<const int> Values) {
  std::vector<int> symbols;
  symbols.reserve(Values.size() / BarsPerSymbol);
  for (std::size_t at = 0; at + BarsPerSymbol <= Values.size(); at += BarsPerSymbol)
    symbols.push_back((Values[at] * SymbolBase + Values[at + 1]) * SymbolBase + Values[at + 2]);
  return symbols;
}

std::optional<std::span<const int>> TBarCursor::Take(std::size_t Count) {
  if (Count > Left()) return std::nullopt;
  const auto taken = values_.subspan(at_, Count);
  at_ += Count;
  return taken;
}

std::optional<char> TBarCursor::Digit() {
  const auto bars = Take(DigitBars.front().size());
  if (!bars) return std::nullopt;
  const auto digit = IndexOf(DigitBars, *bars);
  if (!digit) return std::nullopt;
  return static_cast<char>('0' + *digit);
}

std::optional<char> TBarCursor::Character() {
  const auto bars = Take(BarsPerSymbol);
  if (!bars) return std::nullopt;
  const auto index = IndexOf(CharacterBars, *bars);
  if (!index) return std::nullopt;
  return CharacterSet[*index];
}

std::string TwoDigits(std::span<const int> Symbols) {
  std::string text;
  text.reserve(SymbolDigits * Symbols.size());
  for (const int symbol : Symbols) text += ZeroPadded(static_cast<std::uint64_t>(symbol), SymbolDigits);
  return text;
}

}  // namespace tessel
