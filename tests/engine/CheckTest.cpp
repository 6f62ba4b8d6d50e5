// The shared modulo check routines.
#include <gtest/gtest.h>

#include "check/pCheck.h"

using namespace tessel;

namespace {
// The Code 93 character set: 43 data characters, then the four shifts.
constexpr std::string_view code93Set = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}";
constexpr std::string_view code11Set = "0123456789-";
}  // namespace

TEST(Check, Mod10ComUsesThePlainDigitSum) {
  EXPECT_EQ(Mod10Com_Check("12345"), '5');
  EXPECT_EQ(Mod10Com_Check(""), '0');
  EXPECT_EQ(Mod10Com_Check("55"), '0');  // a multiple of 10 gives 0, never 10
  EXPECT_EQ(Mod10Com_Check("9"), '1');
}

TEST(Check, Mod10RightOdd3WeightsTheRightmostDigitThree) {
  EXPECT_EQ(Mod10RightOdd3WeightCom_Check("12345678901"), '2');
  EXPECT_EQ(Mod10RightOdd3WeightCom_Check("400638133393"), '1');
  EXPECT_EQ(Mod10RightOdd3WeightCom_Check("1234"), '8');
  EXPECT_EQ(Mod10RightOdd3WeightCom_Check("12340"), '2');
  EXPECT_EQ(Mod10RightOdd3WeightCom_Check("1"), '7');
  EXPECT_EQ(Mod10RightOdd3WeightCom_Check(""), '0');
  EXPECT_EQ(Mod10RightOdd3WeightCom_Check("0000"), '0');
}

TEST(Check, Mod10Left49AlternatesFourAndNineFromTheLeft) {
  EXPECT_EQ(Mod10Left49WeightCom_Check("2134807501640"), '1');
  EXPECT_EQ(Mod10Left49WeightCom_Check("563102430313"), '6');
  EXPECT_EQ(Mod10Left49WeightCom_Check("0"), '0');
  EXPECT_EQ(Mod10Left49WeightCom_Check("1"), '6');
  EXPECT_EQ(Mod10Left49WeightCom_Check("01"), '1');
}

TEST(Check, DualRightSequenceWeight) {
  EXPECT_EQ(ModDualRightSequenceWeight_Check("TEST93", code93Set, 20, 15, 47, false), "+6");
  EXPECT_EQ(ModDualRightSequenceWeight_Check("123-45", code11Set, 10, 9, 11, false), "52");
  EXPECT_EQ(ModDualRightSequenceWeight_Check("123-45", code11Set, 10, 9, 11, true), "5");
  EXPECT_EQ(ModDualRightSequenceWeight_Check("", code11Set, 10, 9, 11, false), "00");
}

TEST(Check, DualRightSequenceWeightsWrapAtTheirMaximum) {
  // Twelve ones: first weights 1..10,1,2 (sum 58), second 2..9,1,2,3,4 (sum 54).
  const std::string s(12, '1');
  const std::string expected = {code11Set[58 % 11], code11Set[(58 + 54) % 11]};
  EXPECT_EQ(ModDualRightSequenceWeight_Check(s, code11Set, 10, 9, 11, false), expected);
}
