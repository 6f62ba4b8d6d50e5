#include "reader/decoders/EanUpc.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <string>
#include <string_view>

#include "reader/decoders/ModuleReader.h"

namespace tessel {
namespace {

// ISO/IEC 15420, the number sets: each digit's four elements in modules as
// drawn left to right. Rows 0 to 9 are set A (from a space), rows 10 to 19
// set B (from a space). Set C has set A's widths with bars and spaces
// exchanged (from a bar), so rows 0 to 9 also read it.
constexpr std::array<std::string_view, 20> DigitPatterns{
    "3211", "2221", "2122", "1411", "1132", "1231", "1114", "1312", "1213", "3112",  // set A
    "1123", "1222", "2212", "1141", "2311", "1321", "4111", "2131", "3121", "2113",  // set B
};
constexpr std::size_t SetRows = 10;
constexpr std::string_view SetNames = "AB";  // of the rows' tens
constexpr std::span<const std::string_view> SetsAB{DigitPatterns};
constexpr std::span<const std::string_view> SetA = SetsAB.first(SetRows);
constexpr int DigitModules = PatternModules(DigitPatterns.front());

// ISO/IEC 15420, the guard patterns and the add-on's start and separator,
// in modules from a bar (the centre guard and UPC-E's from a space).
constexpr std::string_view NormalGuard = "111", CentreGuard = "11111", UpcEEndGuard = "111111";
constexpr std::string_view AddOnStart = "112", AddOnSeparator = "11";
// The gap between a main symbol and its add-on, in modules.
constexpr double AddOnGapMin = 7, AddOnGapMax = 12;
constexpr double GapTolerance = 0.5;  // modules
constexpr char AddOnSpace = ' ';      // between the main digits and the add-on's

// ISO/IEC 15420: the number sets of EAN-13 symbol characters 2 to 7 for
// each leading digit.
constexpr std::array<std::string_view, SetRows> LeadingDigitSets{
    "AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB", "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA",
};
// ISO/IEC 15420: the number sets of UPC-E's six characters for each check
// digit in number system 0; number system 1 exchanges A and B.
constexpr std::array<std::string_view, SetRows> UpcESets{
    "BBBAAA", "BBABAA", "BBAABA", "BBAAAB", "BABBAA", "BAABBA", "BAAABB", "BABABA", "BABAAB", "BAABAB",
};
// ISO/IEC 15420: the number sets of the five-digit add-on for each check
// value, and of the two-digit add-on for each value modulo 4.
constexpr std::array<std::string_view, SetRows> FiveDigitAddOnSets{
    "BBAAA", "BABAA", "BAABA", "BAAAB", "ABBAA", "AABBA", "AAABB", "ABABA", "ABAAB", "AABAB",
};
constexpr std::array<std::string_view, 4> TwoDigitAddOnSets{"AA", "AB", "BA", "BB"};
constexpr int TwoDigitAddOn = 2, FiveDigitAddOn = 5;  // digits
// The five-digit add-on's check value: weights 3 and 9 from the first digit.
constexpr std::array<int, 2> FiveDigitAddOnWeights{3, 9};
// The EAN/UPC check digit: weights 1 (the check digit) and 3 alternating
// from the right, the sum a multiple of ten.
constexpr std::array<int, 2> CheckWeights{1, 3};
constexpr int Decimal = 10;

// A main symbol's elements: start guard, left half, centre guard (empty
// for UPC-E), right half, end guard.
struct TLayout {
  int LeftDigits;
  std::span<const std::string_view> LeftSets;
  std::string_view Centre;
  int RightDigits;
  std::string_view End;
};
constexpr TLayout Ean13Layout{6, SetsAB, CentreGuard, 6, NormalGuard};
constexpr TLayout Ean8Layout{4, SetA, CentreGuard, 4, NormalGuard};
constexpr TLayout UpcELayout{6, SetsAB, "", 0, UpcEEndGuard};

constexpr std::size_t ElementsOf(const TLayout& l) {
  return NormalGuard.size() + static_cast<std::size_t>(l.LeftDigits + l.RightDigits) * SetA.front().size() +
         l.Centre.size() + l.End.size();
}
constexpr int ModulesOf(const TLayout& l) {
  return PatternModules(NormalGuard) + (l.LeftDigits + l.RightDigits) * DigitModules + PatternModules(l.Centre) +
         PatternModules(l.End);
}
static_assert(ModulesOf(Ean13Layout) == 95 && ModulesOf(Ean8Layout) == 67 && ModulesOf(UpcELayout) == 51);

// Digits read in turn, with the number set of each ('A' or 'B').
struct TDigits {
  std::string Digits;
  std::string Sets;
};

std::optional<TDigits> ReadDigits(TModuleReader& reader, int count, std::span<const std::string_view> sets,
                                  std::string_view separator = {}) {
  TDigits digits;
  for (int k = 0; k < count; ++k) {
    if (k > 0 && !reader.Fixed(separator)) return std::nullopt;
    const auto row = reader.Character(sets, DigitModules);
    if (!row) return std::nullopt;
    digits.Digits += static_cast<char>('0' + *row % SetRows);
    digits.Sets += SetNames[*row / SetRows];
  }
  return digits;
}

int DigitAt(std::string_view digits, std::size_t k) { return digits[k] - '0'; }

bool CheckDigitHolds(std::string_view digits) {
  int sum = 0;
  for (std::size_t k = 0; k < digits.size(); ++k)
    sum += DigitAt(digits, digits.size() - 1 - k) * CheckWeights[k % CheckWeights.size()];
  return sum % Decimal == 0;
}

// The row of a table of number sets that Sets is; none when it is none.
std::optional<std::size_t> RowOf(std::span<const std::string_view> table, std::string_view sets) {
  const auto row = std::find(table.begin(), table.end(), sets);
  if (row == table.end()) return std::nullopt;
  return static_cast<std::size_t>(row - table.begin());
}

// The add-on after a main symbol: a gap of 7 to 12 of the main symbol's
// modules, then a two- or five-digit add-on.
std::optional<TDecoded> ReadFollowingAddOn(std::span<const double> widths, double module) {
  if (widths.empty() || !(module > 0)) return std::nullopt;
  const double gap = widths.front() / module;
  if (!(gap >= AddOnGapMin - GapTolerance && gap <= AddOnGapMax + GapTolerance)) return std::nullopt;
  const auto addOn = widths.subspan(1);
  if (auto two = DecodeEan2(addOn)) return two;
  return DecodeEan5(addOn);
}

// The main symbol of Layout at the start of the widths, its text given by
// Interpret from the halves' digits and the left half's number sets; then
// an add-on where more elements follow.
using TInterpret = std::optional<std::string> (*)(const TDigits& Left, std::string_view Right);

std::optional<TDecoded> ReadMainSymbol(std::span<const double> widths, const TLayout& layout, TInterpret interpret) {
  const std::size_t elements = ElementsOf(layout);
  if (widths.size() < elements) return std::nullopt;
  TModuleReader reader(widths.first(elements), ModulesOf(layout));
  if (!reader.Fixed(NormalGuard)) return std::nullopt;
  const auto left = ReadDigits(reader, layout.LeftDigits, layout.LeftSets);
  if (!left || !reader.Fixed(layout.Centre)) return std::nullopt;
  const auto right = ReadDigits(reader, layout.RightDigits, SetA);
  if (!right || !reader.Fixed(layout.End) || !reader.AtEnd()) return std::nullopt;
  const auto text = interpret(*left, right->Digits);
  if (!text) return std::nullopt;
  TDecoded decoded{*text, reader.Decodability()};
  if (widths.size() == elements) return decoded;
  const auto addOn = ReadFollowingAddOn(widths.subspan(elements), reader.Module());
  if (!addOn) return std::nullopt;
  decoded.Text += AddOnSpace + addOn->Text;
  decoded.Decodability = std::min(decoded.Decodability, addOn->Decodability);
  return decoded;
}

std::optional<std::string> Ean13Text(const TDigits& left, std::string_view right) {
  const auto leading = RowOf(LeadingDigitSets, left.Sets);
  if (!leading) return std::nullopt;
  std::string digits = static_cast<char>('0' + *leading) + left.Digits + std::string(right);
  if (!CheckDigitHolds(digits)) return std::nullopt;
  return digits;
}

std::optional<std::string> Ean8Text(const TDigits& left, std::string_view right) {
  std::string digits = left.Digits + std::string(right);
  if (!CheckDigitHolds(digits)) return std::nullopt;
  return digits;
}

std::string ExchangeSets(std::string_view sets) {
  std::string exchanged(sets);
  for (char& set : exchanged) set = set == SetNames[0] ? SetNames[1] : SetNames[0];
  return exchanged;
}

// ISO/IEC 15420, UPC-E zero suppression: the eleven digits of the UPC-A
// number (without check digit) for each last data digit, N standing for
// the number system digit and a to f for the six data digits.
constexpr std::array<std::string_view, SetRows> UpcEExpansions{
    "Nabf0000cde", "Nabf0000cde", "Nabf0000cde", "Nabc00000de", "Nabcd00000e",
    "Nabcde0000f", "Nabcde0000f", "Nabcde0000f", "Nabcde0000f", "Nabcde0000f",
};
constexpr char NumberSystemPlace = 'N', FirstDataPlace = 'a';

std::string ExpandUpcE(char numberSystem, std::string_view data) {
  std::string number;
  for (const char place : UpcEExpansions[static_cast<std::size_t>(DigitAt(data, data.size() - 1))]) {
    if (place == NumberSystemPlace)
      number += numberSystem;
    else if (place >= FirstDataPlace)
      number += data[static_cast<std::size_t>(place - FirstDataPlace)];
    else
      number += place;
  }
  return number;
}

std::optional<std::string> UpcEText(const TDigits& left, std::string_view /*right*/) {
  std::optional<std::size_t> check = RowOf(UpcESets, left.Sets);
  char numberSystem = '0';
  if (!check) {
    check = RowOf(UpcESets, ExchangeSets(left.Sets));
    numberSystem = '1';
  }
  if (!check) return std::nullopt;
  const char checkDigit = static_cast<char>('0' + *check);
  if (!CheckDigitHolds(ExpandUpcE(numberSystem, left.Digits) + checkDigit)) return std::nullopt;
  return numberSystem + left.Digits + checkDigit;
}

// An add-on's digits after its start, separated, with their number sets
// and the lowest margin.
struct TAddOnRead {
  TDigits Digits;
  double Decodability = 0;
};

std::optional<TAddOnRead> ReadAddOnDigits(std::span<const double> widths, int count) {
  const std::size_t elements = AddOnStart.size() + static_cast<std::size_t>(count) * SetA.front().size() +
                               static_cast<std::size_t>(count - 1) * AddOnSeparator.size();
  const int modules = PatternModules(AddOnStart) + count * DigitModules + (count - 1) * PatternModules(AddOnSeparator);
  if (widths.size() != elements) return std::nullopt;
  TModuleReader reader(widths, modules);
  if (!reader.Fixed(AddOnStart)) return std::nullopt;
  auto digits = ReadDigits(reader, count, SetsAB, AddOnSeparator);
  if (!digits || !reader.AtEnd()) return std::nullopt;
  return TAddOnRead{std::move(*digits), reader.Decodability()};
}

}  // namespace

std::optional<TDecoded> DecodeEan13(std::span<const double> Widths) {
  return ReadMainSymbol(Widths, Ean13Layout, Ean13Text);
}

std::optional<TDecoded> DecodeUpcA(std::span<const double> Widths) {
  auto decoded = DecodeEan13(Widths);
  if (!decoded || decoded->Text.front() != '0') return std::nullopt;
  decoded->Text.erase(0, 1);
  return decoded;
}

std::optional<TDecoded> DecodeEan8(std::span<const double> Widths) {
  return ReadMainSymbol(Widths, Ean8Layout, Ean8Text);
}

std::optional<TDecoded> DecodeUpcE(std::span<const double> Widths) {
  return ReadMainSymbol(Widths, UpcELayout, UpcEText);
}

std::optional<TDecoded> DecodeUpcE0(std::span<const double> Widths) {
  auto decoded = DecodeUpcE(Widths);
  if (!decoded || decoded->Text.front() != '0') return std::nullopt;
  return decoded;
}

std::optional<TDecoded> DecodeUpcE1(std::span<const double> Widths) {
  auto decoded = DecodeUpcE(Widths);
  if (!decoded || decoded->Text.front() != '1') return std::nullopt;
  return decoded;
}

std::optional<TDecoded> DecodeEan2(std::span<const double> Widths) {
  const auto read = ReadAddOnDigits(Widths, TwoDigitAddOn);
  if (!read) return std::nullopt;
  const std::string_view digits = read->Digits.Digits;
  const int value = DigitAt(digits, 0) * Decimal + DigitAt(digits, 1);
  if (TwoDigitAddOnSets[static_cast<std::size_t>(value) % TwoDigitAddOnSets.size()] != read->Digits.Sets)
    return std::nullopt;
  return TDecoded{std::string(digits), read->Decodability};
}

std::optional<TDecoded> DecodeEan5(std::span<const double> Widths) {
  const auto read = ReadAddOnDigits(Widths, FiveDigitAddOn);
  if (!read) return std::nullopt;
  const std::string_view digits = read->Digits.Digits;
  int sum = 0;
  for (std::size_t k = 0; k < digits.size(); ++k)
    sum += DigitAt(digits, k) * FiveDigitAddOnWeights[k % FiveDigitAddOnWeights.size()];
  if (FiveDigitAddOnSets[static_cast<std::size_t>(sum % Decimal)] != read->Digits.Sets) return std::nullopt;
  return TDecoded{std::string(digits), read->Decodability};
}

}  // namespace tessel
