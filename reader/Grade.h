// Print quality in the manner of ISO/IEC 15416: each scan reflectance
// profile's parameters graded 4 (A) to 0 (F), the scan's grade the lowest
// of them, the symbol's grade the mean of its scans' grades.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reader/ScanProfile.h"

namespace tessel {

// The parameters of one scan and their grades (4 = A ... 0 = F).
struct TScanGrade {
  bool Decoded = false;
  double Rmin = 0, Rmax = 0;
  double SymbolContrast = 0;       // Rmax - Rmin, percent
  double MinimumEdgeContrast = 0;  // percent
  double Modulation = 0;           // MinimumEdgeContrast / SymbolContrast
  double Defects = 0;              // the largest element non-uniformity / SymbolContrast
  double Decodability = 0;         // the symbology's margin, 0 to 1

  int DecodeGrade = 0, RminGrade = 0, ContrastGrade = 0, EdgeContrastGrade = 0, ModulationGrade = 0, DefectsGrade = 0,
      DecodabilityGrade = 0;

  // The lowest of the parameter grades.
  int Grade() const;
};

// Grades one scan from its profile's analysis. Decodability is the
// symbology's margin on this scan's element widths; none when the scan did
// not decode (which grades it F).
TScanGrade GradeScan(const TProfileAnalysis& Analysis, std::optional<double> Decodability);

// The symbol's grade: the mean of its scans' grades (0 without scans).
double SymbolGrade(std::span<const TScanGrade> Scans);

// "A" to "F" for a grade from 4 to 0: a mean is rounded to the nearest
// letter's band (3.5 and above A, 2.5 B, 1.5 C, 0.5 D, below F).
char GradeLetter(double Grade);

// The margin of a character of two element widths (narrow and wide): how
// far its widest narrow and narrowest wide element stay from the threshold
// halfway between the mean narrow and mean wide, relative to half their
// difference. 1 for a perfect character, 0 or less when an element reaches
// the threshold. Pattern names each element's decoded width, 'n' or 'w'.
double TwoWidthDecodability(std::span<const double> Widths, std::string_view Pattern);

// The margin of a character of Modules modules decoded from its
// edge-to-similar-edge distances (a bar and the following space, a space
// and the following bar): how far each distance stays from the nearest
// half-module threshold, relative to half a module. 1 for a perfect
// character, 0 when a distance lies on a threshold.
double EdgeToSimilarEdgeDecodability(std::span<const double> Widths, int Modules);

}  // namespace tessel
