#include "reader/ScanLine.h"

#include <algorithm>

namespace tessel {

int Extent(const TGreyImage& Image, const TDirection& Direction) {
  return Direction.Columns ? Image.Width : Image.Height;
}

int Length(const TGreyImage& Image, const TDirection& Direction) {
  return Direction.Columns ? Image.Height : Image.Width;
}

std::uint8_t PixelAt(const TGreyImage& Image, const TDirection& Direction, int Line, int Along) {
  const int position = Direction.Reversed ? Length(Image, Direction) - 1 - Along : Along;
  return Direction.Columns ? Image.At(Line, position) : Image.At(position, Line);
}

TScan Scan(const TGreyImage& Image, const TDirection& Direction, int Line) {
  TScan scan;
  scan.Profile = Direction.Columns ? ColumnProfile(Image, Line) : RowProfile(Image, Line);
  if (Direction.Reversed) std::reverse(scan.Profile.Reflectance.begin(), scan.Profile.Reflectance.end());
  scan.Analysis = AnalyseProfile(scan.Profile);
  scan.Widths = ElementWidths(scan.Analysis);
  const auto& elements = scan.Analysis.Elements;
  const auto first = std::find_if(elements.begin(), elements.end(), [](const auto& e) { return e.Dark; });
  const auto last = std::find_if(elements.rbegin(), elements.rend(), [](const auto& e) { return e.Dark; });
  if (first != elements.end()) {
    scan.Start = first->Start;
    scan.End = last->End;
  }
  return scan;
}

}  // namespace tessel
