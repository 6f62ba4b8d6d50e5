// What the Australia Post and Canada Post four-state codes share: bar
// values 0 to 3 (full bar, ascender, descender, tracker), start and stop
// bars, digits of two bars, characters of three bars and 6-bit symbols of
// three bars.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tessel {

// The bar values of the states, none when a state is not one of the four.
std::optional<std::vector<int>> BarValues(const std::string& States);

// The values between the frame's ascender and tracker at each end; none
// without them.
std::optional<std::span<const int>> Unframed(std::span<const int> Values);

// The 6-bit symbols of the values, three bars each (16 b1 + 4 b2 + b3).
std::vector<int> Symbols(std::span<const int> Values);

// Reads the values from the start: digits of two bars (the Australia Post N
// table, the Canada Post digit code) and characters of three bars (the
// Australia Post C table, whose space, A to Z and 0 to 9 are the Canada
// Post alphanumeric code).
class TBarCursor {
 public:
  explicit TBarCursor(std::span<const int> Values) : values_(Values) {}

  std::optional<char> Digit();
  std::optional<char> Character();
  // The next Count bar values, none past the end.
  std::optional<std::span<const int>> Take(std::size_t Count);
  std::size_t Left() const { return values_.size() - at_; }

 private:
  std::span<const int> values_;
  std::size_t at_ = 0;
};

// Each symbol's value as two decimal digits, as the full-encoded texts show
// check symbols.
std::string TwoDigits(std::span<const int> Symbols);

}  // namespace tessel
