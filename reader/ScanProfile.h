// A scan reflectance profile and what the reader and the grade measure on
// it, in the manner of ISO/IEC 15416: reflectance in percent along a scan
// line, the elements (bars and spaces) the global threshold separates, their
// edges where the profile crosses halfway between the neighbouring extremes,
// and each element's non-uniformity.
#pragma once

#include <span>
#include <vector>

#include "reader/GreyImage.h"

namespace tessel {

// Reflectance in percent, 0 (black) to 100 (white), one sample a pixel.
struct TScanProfile {
  std::vector<double> Reflectance;
};

// Along row Y, left to right, or column X, top to bottom.
TScanProfile RowProfile(const TGreyImage& Image, int Y);
TScanProfile ColumnProfile(const TGreyImage& Image, int X);

// One element of a profile: a bar (below the global threshold) or a space,
// from edge to edge in samples (fractions where an edge falls between two).
struct TProfileElement {
  bool Dark = false;
  double Start = 0, End = 0;
  double Extreme = 0;        // the lowest reflectance of a bar, the highest of a space
  double Nonuniformity = 0;  // the deepest valley in a space or highest peak in a bar below its surroundings

  double Width() const { return End - Start; }
};

struct TProfileAnalysis {
  double Rmin = 0, Rmax = 0;
  double GlobalThreshold = 0;  // halfway between Rmin and Rmax
  // From the profile's start to its end: the leading quiet zone, then bars
  // and spaces alternately, the trailing quiet zone. Empty when the profile
  // has no bar.
  std::vector<TProfileElement> Elements;

  double SymbolContrast() const { return Rmax - Rmin; }
  // The smallest difference between neighbouring elements' extremes; 0
  // without elements.
  double MinimumEdgeContrast() const;
  // The largest element non-uniformity, the quiet zones included.
  double MaximumNonuniformity() const;
};

TProfileAnalysis AnalyseProfile(const TScanProfile& Profile);

// The widths of the elements between the quiet zones (first bar to last
// bar), in samples.
std::vector<double> ElementWidths(const TProfileAnalysis& Analysis);

}  // namespace tessel
