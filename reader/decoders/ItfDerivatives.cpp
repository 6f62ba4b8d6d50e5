#include "reader/decoders/ItfDerivatives.h"

#include <cstddef>
#include <string>
#include <string_view>

#include "reader/decoders/TwoOfFive.h"

namespace tessel {
namespace {

// Where the alternating weights of a check digit start: at the first data
// digit or at the last.
enum class TWeightsFrom { Left, Right };

struct TCheckRule {
  std::size_t Length;  // digits, the check digit included
  int FirstWeight, SecondWeight;
  TWeightsFrom From;
};

// The two-of-five check digit (ITF-14, ITF-6) and the German postal one
// (Leitcode, Identcode): (10 - the weighted sum mod 10) mod 10.
constexpr int CheckModulus = 10;
constexpr TCheckRule Itf14{14, 3, 1, TWeightsFrom::Right};
constexpr TCheckRule Itf6WithCheck{8, 3, 1, TWeightsFrom::Right};
constexpr TCheckRule Leitcode{14, 4, 9, TWeightsFrom::Left};
constexpr TCheckRule Identcode{12, 4, 9, TWeightsFrom::Left};
constexpr std::size_t Itf6Digits = 6;
constexpr std::string_view DecimalDigits = "0123456789";

bool Holds(std::string_view digits, const TCheckRule& rule) {
  if (digits.size() != rule.Length) return false;
  const std::size_t data = digits.size() - 1;
  int sum = 0;
  for (std::size_t k = 0; k < data; ++k) {
    const std::size_t place = rule.From == TWeightsFrom::Left ? k : data - 1 - k;
    sum += (digits[k] - '0') * (place % 2 == 0 ? rule.FirstWeight : rule.SecondWeight);
  }
  return (CheckModulus - sum % CheckModulus) % CheckModulus == digits.back() - '0';
}

// The Interleaved digits: these classes pad on the left, never with ':'.
std::optional<TDecoded> ReadDigits(std::span<const double> widths) {
  auto symbol = DecodeCode25Interleaved(widths);
  if (!symbol || symbol->Text.find_first_not_of(DecimalDigits) != std::string::npos) return std::nullopt;
  return symbol;
}

std::optional<TDecoded> ReadChecked(std::span<const double> widths, const TCheckRule& rule) {
  auto symbol = ReadDigits(widths);
  if (!symbol || !Holds(symbol->Text, rule)) return std::nullopt;
  return symbol;
}

}  // namespace

std::optional<TDecoded> DecodeItf14(std::span<const double> widths) { return ReadChecked(widths, Itf14); }

std::optional<TDecoded> DecodeItf6(std::span<const double> widths) {
  auto symbol = ReadDigits(widths);
  if (!symbol) return std::nullopt;
  const std::string_view text = symbol->Text;
  const bool plain = text.size() == Itf6Digits;
  const bool checked = Holds(text, Itf6WithCheck) && text.front() == '0';
  if (!plain && !checked) return std::nullopt;
  return symbol;
}

std::optional<TDecoded> DecodeLeitcode(std::span<const double> widths) { return ReadChecked(widths, Leitcode); }

std::optional<TDecoded> DecodeIdentcode(std::span<const double> widths) { return ReadChecked(widths, Identcode); }

}  // namespace tessel
