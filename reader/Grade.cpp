#include "reader/Grade.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace tessel {
namespace {

constexpr int GradeA = 4, GradeF = 0;

// The lower limits of grades A, B, C and D of a parameter that is better
// when larger; below the last, F. ISO/IEC 15416, the scan reflectance
// profile grading table.
using TLimits = std::array<double, 4>;
constexpr TLimits SymbolContrastLimits{70, 55, 40, 20};  // percent
constexpr TLimits ModulationLimits{0.70, 0.60, 0.50, 0.40};
constexpr TLimits DecodabilityLimits{0.62, 0.50, 0.37, 0.25};
// Defects are better when smaller: the upper limits of A, B, C and D.
constexpr TLimits DefectsLimits{0.15, 0.20, 0.25, 0.30};
// Pass or fail: Rmin at most half of Rmax, every edge contrast at least 15 %.
constexpr double RminToRmaxLimit = 0.5;
constexpr double EdgeContrastLimit = 15;  // percent

// The lower limits of the letters' bands for a mean grade.
constexpr TLimits LetterBands{3.5, 2.5, 1.5, 0.5};
constexpr std::array<char, 5> Letters{'A', 'B', 'C', 'D', 'F'};

int GradeAtLeast(double value, const TLimits& limits) {
  for (std::size_t k = 0; k < limits.size(); ++k)
    if (value >= limits[k]) return GradeA - static_cast<int>(k);
  return GradeF;
}

int GradeAtMost(double value, const TLimits& limits) {
  for (std::size_t k = 0; k < limits.size(); ++k)
    if (value <= limits[k]) return GradeA - static_cast<int>(k);
  return GradeF;
}

int PassOrFail(bool pass) { return pass ? GradeA : GradeF; }

}  // namespace

int TScanGrade::Grade() const {
  return std::min(
      {DecodeGrade, RminGrade, ContrastGrade, EdgeContrastGrade, ModulationGrade, DefectsGrade, DecodabilityGrade});
}

TScanGrade GradeScan(const TProfileAnalysis& Analysis, std::optional<double> Decodability) {
  TScanGrade scan;
  scan.Decoded = Decodability.has_value();
  scan.Rmin = Analysis.Rmin;
  scan.Rmax = Analysis.Rmax;
  scan.SymbolContrast = Analysis.SymbolContrast();
  scan.MinimumEdgeContrast = Analysis.MinimumEdgeContrast();
  const double contrast = scan.SymbolContrast > 0 ? scan.SymbolContrast : 1;
  scan.Modulation = scan.MinimumEdgeContrast / contrast;
  scan.Defects = Analysis.MaximumNonuniformity() / contrast;
  scan.Decodability = std::max(0.0, Decodability.value_or(0));

  scan.DecodeGrade = PassOrFail(scan.Decoded);
  scan.RminGrade = PassOrFail(scan.Rmin <= RminToRmaxLimit * scan.Rmax);
  scan.ContrastGrade = GradeAtLeast(scan.SymbolContrast, SymbolContrastLimits);
  scan.EdgeContrastGrade = PassOrFail(scan.MinimumEdgeContrast >= EdgeContrastLimit);
  scan.ModulationGrade = GradeAtLeast(scan.Modulation, ModulationLimits);
  scan.DefectsGrade = GradeAtMost(scan.Defects, DefectsLimits);
  scan.DecodabilityGrade = scan.Decoded ? GradeAtLeast(scan.Decodability, DecodabilityLimits) : GradeF;
  return scan;
}

double SymbolGrade(std::span<const TScanGrade> Scans) {
  if (Scans.empty()) return 0;
  const double sum =
      std::accumulate(Scans.begin(), Scans.end(), 0.0, [](double s, const TScanGrade& g) { return s + g.Grade(); });
  return sum / static_cast<double>(Scans.size());
}

char GradeLetter(double Grade) { return Letters[static_cast<std::size_t>(GradeA - GradeAtLeast(Grade, LetterBands))]; }

double TwoWidthDecodability(std::span<const double> Widths, std::string_view Pattern) {
  double narrowSum = 0, wideSum = 0, widestNarrow = 0, narrowestWide = HUGE_VAL;
  int narrows = 0, wides = 0;
  for (std::size_t k = 0; k < Widths.size() && k < Pattern.size(); ++k) {
    if (Pattern[k] == 'w') {
      wideSum += Widths[k];
      narrowestWide = std::min(narrowestWide, Widths[k]);
      ++wides;
    } else {
      narrowSum += Widths[k];
      widestNarrow = std::max(widestNarrow, Widths[k]);
      ++narrows;
    }
  }
  if (narrows == 0 || wides == 0) return 0;
  const double narrow = narrowSum / narrows, wide = wideSum / wides;
  const double halfSpan = (wide - narrow) / 2;
  if (!(halfSpan > 0)) return 0;
  const double threshold = narrow + halfSpan;
  return std::min(threshold - widestNarrow, narrowestWide - threshold) / halfSpan;
}

double EdgeToSimilarEdgeDecodability(std::span<const double> Widths, int Modules) {
  const double total = std::accumulate(Widths.begin(), Widths.end(), 0.0);
  if (Widths.size() < 2 || Modules <= 0 || !(total > 0)) return 0;
  const double modulesPerUnit = Modules / total;
  double margin = 1;
  for (std::size_t k = 0; k + 1 < Widths.size(); ++k) {
    const double distance = (Widths[k] + Widths[k + 1]) * modulesPerUnit;
    margin = std::min(margin, 1 - 2 * std::abs(distance - std::round(distance)));
  }
  return margin;
}

}  // namespace tessel
