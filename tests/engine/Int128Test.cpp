#include <gtest/gtest.h>

#include <random>

#include "check/pInt128.h"

using namespace tessel;

namespace {

// The compiler's own 128-bit integer as the reference.
__extension__ typedef unsigned __int128 U128;

U128 Wide(const QWordLong& v) { return (static_cast<U128>(v.Hi) << 64) | v.Lo; }
QWordLong Narrow(U128 v) { return {static_cast<std::uint64_t>(v >> 64), static_cast<std::uint64_t>(v)}; }

void ExpectValue(const QWordLong& actual, U128 expected) {
  EXPECT_EQ(actual.Hi, static_cast<std::uint64_t>(expected >> 64));
  EXPECT_EQ(actual.Lo, static_cast<std::uint64_t>(expected));
}

}  // namespace

TEST(Int128, SetReadsDecimalTextAndCountsOtherCharactersAsZero) {
  ExpectValue(QWordLongSet(""), 0);
  ExpectValue(QWordLongSet("12a4"), 1204);
  ExpectValue(QWordLongSet("18446744073709551616"), static_cast<U128>(1) << 64);
  // 2^128 + 5 wraps to 5.
  ExpectValue(QWordLongSet("340282366920938463463374607431768211461"), 5);
  U128 big = 0;
  for (const char c : std::string("98765432109876543210987654321098765")) big = big * 10 + static_cast<U128>(c - '0');
  ExpectValue(QWordLongSet("98765432109876543210987654321098765"), big);
}

TEST(Int128, AddCarriesOutOfTheLowHalfAndDropsTheTopCarry) {
  ExpectValue(QWordLongAdd({0, ~0ull}, {0, 1}), static_cast<U128>(1) << 64);
  ExpectValue(QWordLongAdd({7, ~0ull}, {1, ~0ull}), (static_cast<U128>(9) << 64) | (~0ull - 1));
  ExpectValue(QWordLongAdd({~0ull, ~0ull}, {0, 2}), 1);
  // Inputs are read only.
  const QWordLong a{1, 2};
  QWordLongAdd(a, a);
  EXPECT_EQ(a.Hi, 1u);
  EXPECT_EQ(a.Lo, 2u);
}

TEST(Int128, DivModOfTwoToThe64By636) {
  std::uint16_t remainder = 0;
  const QWordLong q = QWordLongDivMod({1, 0}, 636, remainder);
  ExpectValue(q, 29004314581304326ull);
  EXPECT_EQ(remainder, 280);
}

TEST(Int128, DivModByZeroGivesZeroInsteadOfTrapping) {
  std::uint16_t remainder = 99;
  ExpectValue(QWordLongDivMod({5, 5}, 0, remainder), 0);
  EXPECT_EQ(remainder, 0);
}

// Random values against the reference, with divisors including the extremes
// and the two the Intelligent Mail encoder uses.
TEST(Int128, MatchesTheReferenceOnRandomValues) {
  std::mt19937_64 random(128);
  const std::uint16_t divisors[] = {1, 2, 3, 636, 1365, 10007, 65535};
  for (int i = 0; i < 2000; ++i) {
    const QWordLong a{random() >> (i % 64), random()}, b{random(), random()};
    SCOPED_TRACE(i);
    ExpectValue(QWordLongAdd(a, b), Wide(a) + Wide(b));
    ExpectValue(QWordLongMul5(a), Wide(a) * 5);
    ExpectValue(QWordLongMul10(a), Wide(a) * 10);
    const std::uint16_t divisor = i < 7 ? divisors[i] : static_cast<std::uint16_t>(random() % 65535 + 1);
    std::uint16_t remainder = 0;
    ExpectValue(QWordLongDivMod(a, divisor, remainder), Wide(a) / divisor);
    EXPECT_EQ(remainder, Wide(a) % divisor);
    // The largest value and one with a high half just below the divisor.
    ExpectValue(QWordLongDivMod(Narrow(~static_cast<U128>(0)), divisor, remainder), ~static_cast<U128>(0) / divisor);
    EXPECT_EQ(remainder, ~static_cast<U128>(0) % divisor);
    const QWordLong justBelow{divisor - 1u, ~0ull};
    ExpectValue(QWordLongDivMod(justBelow, divisor, remainder), Wide(justBelow) / divisor);
  }
}
