#include "reader/ScanProfile.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace tessel {
namespace {

constexpr double PercentPerGreyLevel = 100.0 / 255.0;

// A run of samples on one side of the global threshold: [Begin, End), and
// where its extreme lies.
struct TRun {
  bool Dark;
  std::size_t Begin, End;
  std::size_t ExtremeAt;
};

std::vector<TRun> Runs(const std::vector<double>& r, double threshold) {
  std::vector<TRun> runs;
  for (std::size_t i = 0; i < r.size();) {
    const bool dark = r[i] < threshold;
    TRun run{dark, i, i, i};
    for (; i < r.size() && (r[i] < threshold) == dark; ++i)
      if (dark ? r[i] < r[run.ExtremeAt] : r[i] > r[run.ExtremeAt]) run.ExtremeAt = i;
    run.End = i;
    runs.push_back(run);
  }
  return runs;
}

// Where the profile first crosses Level going from sample From towards
// sample To (To > From), in pixel coordinates: sample i covers [i, i + 1),
// and between two samples' centres the profile is taken as linear.
double Crossing(const std::vector<double>& r, std::size_t from, std::size_t to, double level) {
  for (std::size_t i = from; i < to; ++i) {
    const double a = r[i] - level, b = r[i + 1] - level;
    if (a == 0) return static_cast<double>(i) + 0.5;
    if ((a < 0) != (b < 0) || b == 0) return static_cast<double>(i) + 0.5 + a / (a - b);
  }
  return static_cast<double>(to) + 0.5;
}

// The deepest valley of a space below the higher samples on both its sides,
// or the highest peak of a bar above the lower samples on both its sides.
double Nonuniformity(const std::vector<double>& r, const TRun& run) {
  const std::size_t n = run.End - run.Begin;
  if (n < 3) return 0;
  const double sign = run.Dark ? -1.0 : 1.0;  // turns a bar's peaks into a space's valleys
  std::vector<double> after(n);
  double best = -std::numeric_limits<double>::infinity();
  for (std::size_t k = n; k-- > 0;) {
    after[k] = best;
    best = std::max(best, sign * r[run.Begin + k]);
  }
  double before = sign * r[run.Begin], deepest = 0;
  for (std::size_t k = 1; k + 1 < n; ++k) {
    const double value = sign * r[run.Begin + k];
    deepest = std::max(deepest, std::min(before, after[k]) - value);
    before = std::max(before, value);
  }
  return deepest;
}

}  // namespace

TScanProfile RowProfile(const TGreyImage& Image, int Y) {
  TScanProfile profile;
  profile.Reflectance.reserve(static_cast<std::size_t>(Image.Width));
  for (int x = 0; x < Image.Width; ++x) profile.Reflectance.push_back(Image.At(x, Y) * PercentPerGreyLevel);
  return profile;
}

TScanProfile ColumnProfile(const TGreyImage& Image, int X) {
  TScanProfile profile;
  profile.Reflectance.reserve(static_cast<std::size_t>(Image.Height));
  for (int y = 0; y < Image.Height; ++y) profile.Reflectance.push_back(Image.At(X, y) * PercentPerGreyLevel);
  return profile;
}

TProfileAnalysis AnalyseProfile(const TScanProfile& Profile) {
  TProfileAnalysis analysis;
  const std::vector<double>& r = Profile.Reflectance;
  if (r.empty()) return analysis;
  const auto [low, high] = std::minmax_element(r.begin(), r.end());
  analysis.Rmin = *low;
  analysis.Rmax = *high;
  analysis.GlobalThreshold = (analysis.Rmin + analysis.Rmax) / 2;
  if (analysis.Rmax == analysis.Rmin) return analysis;
  const std::vector<TRun> runs = Runs(r, analysis.GlobalThreshold);
  analysis.Elements.reserve(runs.size());
  double start = 0;
  for (std::size_t k = 0; k < runs.size(); ++k) {
    const TRun& run = runs[k];
    const double end = k + 1 < runs.size() ? Crossing(r, run.ExtremeAt, runs[k + 1].ExtremeAt,
                                                      (r[run.ExtremeAt] + r[runs[k + 1].ExtremeAt]) / 2)
                                           : static_cast<double>(r.size());
    analysis.Elements.push_back({run.Dark, start, end, r[run.ExtremeAt], Nonuniformity(r, run)});
    start = end;
  }
  return analysis;
}

double TProfileAnalysis::MinimumEdgeContrast() const {
  if (Elements.size() < 2) return 0;
  double minimum = std::numeric_limits<double>::infinity();
  for (std::size_t k = 1; k < Elements.size(); ++k)
    minimum = std::min(minimum, std::abs(Elements[k].Extreme - Elements[k - 1].Extreme));
  return minimum;
}

double TProfileAnalysis::MaximumNonuniformity() const {
  double maximum = 0;
  for (const TProfileElement& element : Elements) maximum = std::max(maximum, element.Nonuniformity);
  return maximum;
}

std::vector<double> ElementWidths(const TProfileAnalysis& Analysis) {
  const auto& e = Analysis.Elements;
  const auto first = std::find_if(e.begin(), e.end(), [](const TProfileElement& x) { return x.Dark; });
  const auto last = std::find_if(e.rbegin(), e.rend(), [](const TProfileElement& x) { return x.Dark; });
  std::vector<double> widths;
  if (first == e.end()) return widths;
  widths.reserve(e.size());
  for (auto it = first; it != last.base(); ++it) widths.push_back(it->Width());
  return widths;
}

}  // namespace tessel
