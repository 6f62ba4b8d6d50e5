// Unsigned 128-bit arithmetic on two 64-bit halves: just what the Intelligent
// Mail encoder needs for its 102-bit data value (reading a decimal string,
// adding, multiplying by 5 and 10, dividing by a 16-bit divisor). Results wrap
// modulo 2^128; inputs are never modified.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tessel {

// The high half first, then the low half.
struct QWordLong {
  std::uint64_t Hi = 0;  // bits 64 to 127
  std::uint64_t Lo = 0;  // bits 0 to 63
};
static_assert(offsetof(QWordLong, Hi) == 0 && offsetof(QWordLong, Lo) == 8 && sizeof(QWordLong) == 16);

// The decimal number written in S. A character other than a digit counts as
// the digit 0 (it still shifts the value by one place); "" gives 0.
QWordLong QWordLongSet(std::string_view S);
QWordLong QWordLongAdd(const QWordLong& A, const QWordLong& B);
QWordLong QWordLongMul5(const QWordLong& A);
QWordLong QWordLongMul10(const QWordLong& A);
// A div Divisor; Remainder receives A mod Divisor. A divisor of 0 gives a
// quotient and remainder of 0.
QWordLong QWordLongDivMod(const QWordLong& A, std::uint16_t Divisor, std::uint16_t& Remainder);

}  // namespace tessel
