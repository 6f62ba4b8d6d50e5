// The pattern alphabet, the width classes and the text routines of pCommon.
#include <gtest/gtest.h>

#include "core/pCommon.h"
#include "core/pCore.h"

using namespace tessel;

namespace {

struct TAlphabetCase {
  char C;
  TLineType Type;
  int Width;  // at Module 3, Ratio 2.5: M 3, W 8, W3 12, W2 16
};

const TAlphabetCase alphabet[] = {
    {'0', ltWhite, 3},      {'1', ltWhite, 8},      {'2', ltWhite, 12},  {'3', ltWhite, 16},    {'5', ltBlack, 3},
    {'6', ltBlack, 8},      {'7', ltBlack, 12},     {'8', ltBlack, 16},  {'A', ltBlackHalf, 3}, {'B', ltBlackHalf, 8},
    {'C', ltBlackHalf, 12}, {'D', ltBlackHalf, 16}, {'a', ltWhite2D, 3}, {'b', ltWhite2D, 8},   {'c', ltWhite2D, 12},
    {'d', ltWhite2D, 16},   {'f', ltBlack2D, 3},    {'g', ltBlack2D, 8}, {'h', ltBlack2D, 12},  {'i', ltBlack2D, 16},
    {'I', ltBlack, 3},      {'4', ltUpper, 3},      {'9', ltLower, 3},   {'T', ltAscender, 3},  {'H', ltTracker, 3},
    {'L', ltDescender, 3},
};

}  // namespace

TEST(PatternAlphabet, EveryLineCharacterHasItsKindAndWidthClass) {
  const TLineWidths widths = LineWidths(3, 2.5);
  for (const TAlphabetCase& c : alphabet) {
    TLineType type = ltBlack2D;
    int width = -1;
    EXPECT_TRUE(DecodeLine(c.C, widths, type, width)) << c.C;
    EXPECT_EQ(type, c.Type) << c.C;
    EXPECT_EQ(width, c.Width) << c.C;
  }
}

TEST(PatternAlphabet, OtherCharactersAreNotLinesAndHaveNoWidth) {
  const TLineWidths widths = LineWidths(2, 2.0);
  for (char c : std::string("EJe:;xjJ ZzM\x7f\x80\xff")) {
    TLineType type;
    int width = -1;
    EXPECT_FALSE(DecodeLine(c, widths, type, width)) << int(c);
    EXPECT_EQ(width, 0);
  }
  // Outside the alphabet a character adds nothing to the width.
  EXPECT_EQ(GetLinesWidth("5E0:5", 2, 2.0), 6);
}

TEST(WidthClasses, WideRoundsHalfToEvenAndTheOthersFollowIt) {
  struct {
    int Module;
    double Ratio;
    TLineWidths Expected;
  } cases[] = {
      {1, 2.0, {1, 2, 3, 4}},  {1, 2.5, {1, 2, 3, 4}},    {3, 2.5, {3, 8, 12, 16}}, {1, 3.5, {1, 4, 6, 8}},
      {2, 2.25, {2, 4, 6, 8}}, {5, 3.0, {5, 15, 22, 30}}, {4, 2.2, {4, 9, 13, 18}},
  };
  for (const auto& c : cases) {
    const TLineWidths w = LineWidths(c.Module, c.Ratio);
    EXPECT_EQ(w.M, c.Expected.M) << c.Module << " " << c.Ratio;
    EXPECT_EQ(w.W, c.Expected.W) << c.Module << " " << c.Ratio;
    EXPECT_EQ(w.W3, c.Expected.W3) << c.Module << " " << c.Ratio;
    EXPECT_EQ(w.W2, c.Expected.W2) << c.Module << " " << c.Ratio;
  }
}

TEST(WidthClasses, RoundIsHalfToEven) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(2.5000001), 3);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(-2.6), -3);
  EXPECT_EQ(Round(7.795), 8);
}

TEST(GetLinesWidth, SumsTheWidthsOfThePattern) {
  EXPECT_EQ(GetLinesWidth("5051", 2, 2.0), 10);
  EXPECT_EQ(GetLinesWidth("", 3, 2.0), 0);
  // M + W + W3 + W2 of every family at Module 1, Ratio 2.5 (1, 2, 3, 4).
  EXPECT_EQ(GetLinesWidth("0123", 1, 2.5), 10);
  EXPECT_EQ(GetLinesWidth("5678ABCDabcdfghi", 1, 2.5), 40);
  EXPECT_EQ(GetLinesWidth("I49THL", 7, 3.0), 42);
}

TEST(ConvertToInternalFormat, BarsAddFourAndSpacesSubtractOne) {
  EXPECT_EQ(ConvertToInternalFormat("211214"), "605153");
  EXPECT_EQ(ConvertToInternalFormat("12341234"), "51735173");
  EXPECT_EQ(ConvertToInternalFormat("3"), "7");
  EXPECT_EQ(ConvertToInternalFormat(""), "");
}

TEST(SetBarcodeLength, PadsOnTheLeftOrCutsToTheFirstCharacters) {
  EXPECT_EQ(SetBarcodeLength(6, "123", '0'), "000123");
  EXPECT_EQ(SetBarcodeLength(3, "12345", '0'), "123");
  EXPECT_EQ(SetBarcodeLength(3, "123", '0'), "123");
  EXPECT_EQ(SetBarcodeLength(4, "", '*'), "****");
  EXPECT_EQ(SetBarcodeLength(0, "12", '0'), "");
}

TEST(IsDigits, AcceptsOnlyDecimalDigits) {
  EXPECT_TRUE(IsDigits("0123456789"));
  EXPECT_TRUE(IsDigits(""));
  EXPECT_FALSE(IsDigits("12A"));
  EXPECT_FALSE(IsDigits("1 2"));
  EXPECT_FALSE(IsDigits(":"));
}
