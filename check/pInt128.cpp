#include "check/pInt128.h"

namespace tessel {

QWordLong QWordLongSet(std::string_view S) {
  QWordLong value;
  for (const char c : S) {
    const std::uint64_t digit = c >= '0' && c <= '9' ? static_cast<std::uint64_t>(c - '0') : 0;
    value = QWordLongAdd(QWordLongMul10(value), QWordLong{0, digit});
  }
  return value;
}

QWordLong QWordLongAdd(const QWordLong& A, const QWordLong& B) {
  QWordLong sum{A.Hi + B.Hi, A.Lo + B.Lo};
  if (sum.Lo < A.Lo) ++sum.Hi;  // carry out of the low half
  return sum;
}

QWordLong QWordLongMul5(const QWordLong& A) {
  const QWordLong twice = QWordLongAdd(A, A);
  const QWordLong fourTimes = QWordLongAdd(twice, twice);
  return QWordLongAdd(fourTimes, A);
}

QWordLong QWordLongMul10(const QWordLong& A) {
  const QWordLong twice = QWordLongAdd(A, A);
  const QWordLong fourTimes = QWordLongAdd(twice, twice);
  const QWordLong eightTimes = QWordLongAdd(fourTimes, fourTimes);
  return QWordLongAdd(eightTimes, twice);
}

// Divides each half on its own and carries the high half's remainder RH into
// the low half through 2^64 = f x (g + m) + o, written in base f. Every
// intermediate value stays below 2^64: RH < f < 2^16, so RH x o < 2^32, and
// the low half of the quotient is below 2^64 because RH < f.
QWordLong QWordLongDivMod(const QWordLong& A, std::uint16_t Divisor, std::uint16_t& Remainder) {
  Remainder = 0;
  if (Divisor == 0) return {};
  const std::uint64_t f = Divisor;
  constexpr std::uint64_t allOnes = ~std::uint64_t{0};  // 2^64 - 1
  const std::uint64_t g = allOnes / f, h = allOnes % f;
  const std::uint64_t m = (h + 1) / f, o = (h + 1) % f;

  const std::uint64_t highQuotient = A.Hi / f, highRemainder = A.Hi % f;
  const std::uint64_t lowQuotient = A.Lo / f, lowRemainder = A.Lo % f;
  const std::uint64_t carried = lowRemainder + highRemainder * o;
  Remainder = static_cast<std::uint16_t>(carried % f);
  return {highQuotient, lowQuotient + highRemainder * (g + m) + carried / f};
}

}  // namespace tessel
