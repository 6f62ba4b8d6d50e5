// Scan lines across an image in the four directions the reader tries, and
// one line's profile read in its direction.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "reader/GreyImage.h"
#include "reader/ScanProfile.h"

namespace tessel {

// How scan lines cross the image: along rows or columns, forwards or
// backwards, for a symbol turned by Angle degrees counter-clockwise (its
// left end at the bottom at 90).
struct TDirection {
  int Angle;
  bool Columns;
  bool Reversed;

  // Whether the symbol's top lies towards the higher line numbers (at 180
  // and 270), so that its bars read upside down in the lines' order.
  bool Flipped() const { return Columns != Reversed; }
};
inline constexpr std::array Directions{TDirection{0, false, false}, TDirection{180, false, true},
                                       TDirection{90, true, true}, TDirection{270, true, false}};

// One scan: its profile, in reading order, and its elements.
struct TScan {
  TScanProfile Profile;
  TProfileAnalysis Analysis;
  std::vector<double> Widths;  // first bar to last
  double Start = 0, End = 0;   // of the first and last bar, along the line
};

// How many lines cross the image in a direction, and samples a line.
int Extent(const TGreyImage& Image, const TDirection& Direction);
int Length(const TGreyImage& Image, const TDirection& Direction);

// The image's pixel at Along (in reading order) on line Line.
std::uint8_t PixelAt(const TGreyImage& Image, const TDirection& Direction, int Line, int Along);

TScan Scan(const TGreyImage& Image, const TDirection& Direction, int Line);

}  // namespace tessel
