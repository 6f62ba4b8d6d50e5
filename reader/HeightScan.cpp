#include "reader/HeightScan.h"

#include <algorithm>
#include <cmath>

namespace tessel {
namespace {

constexpr double PercentPerGreyLevel = 100.0 / 255.0;
// Lines spread over the band whose darkest samples show every bar, however
// short (a tracker covers a third of the height); and how often the band is
// widened by the bars found on them.
constexpr int ProbeLines = 8;
constexpr int BandPasses = 3;

// The lines [First, Last) a bar covers across the line.
struct TRun {
  int First = 0, Last = 0;
};

struct TContext {
  const TGreyImage& Image;
  const TDirection& Direction;
  double Threshold;  // percent reflectance

  bool Dark(int line, int along) const {
    return PixelAt(Image, Direction, line, along) * PercentPerGreyLevel < Threshold;
  }
  // The dark run through (Line, Along), across the lines.
  TRun RunThrough(int line, int along) const {
    TRun run{line, line + 1};
    while (run.First > 0 && Dark(run.First - 1, along)) --run.First;
    while (run.Last < Extent(Image, Direction) && Dark(run.Last, along)) ++run.Last;
    return run;
  }
};

int Centre(const TProfileElement& bar, int length) {
  return std::clamp(static_cast<int>(std::floor((bar.Start + bar.End) / 2)), 0, length - 1);
}

std::vector<int> Probes(const TRun& band) {
  std::vector<int> lines;
  lines.reserve(ProbeLines);
  const double height = band.Last - band.First;
  for (int k = 0; k < ProbeLines; ++k) lines.push_back(band.First + static_cast<int>(height * (k + 0.5) / ProbeLines));
  return lines;
}

// The darkest reflectance along each sample of the probe lines.
TScanProfile Darkest(const TContext& c, const std::vector<int>& probes) {
  TScanProfile profile;
  const int length = Length(c.Image, c.Direction);
  profile.Reflectance.reserve(static_cast<std::size_t>(length));
  for (int along = 0; along < length; ++along) {
    int darkest = PixelAt(c.Image, c.Direction, probes.front(), along);
    for (const int line : probes) darkest = std::min<int>(darkest, PixelAt(c.Image, c.Direction, line, along));
    profile.Reflectance.push_back(darkest * PercentPerGreyLevel);
  }
  return profile;
}

// Each bar of the profile with the lines it covers at its centre; empty
// when a bar is dark on none of the probe lines.
std::vector<std::pair<TProfileElement, TRun>> BarsOn(const TContext& c, const TProfileAnalysis& analysis,
                                                     const std::vector<int>& probes) {
  std::vector<std::pair<TProfileElement, TRun>> bars;
  bars.reserve(analysis.Elements.size());
  const int length = Length(c.Image, c.Direction);
  for (const TProfileElement& element : analysis.Elements) {
    if (!element.Dark) continue;
    const int along = Centre(element, length);
    const auto line = std::find_if(probes.begin(), probes.end(), [&](int l) { return c.Dark(l, along); });
    if (line == probes.end()) return {};
    bars.emplace_back(element, c.RunThrough(*line, along));
  }
  return bars;
}

TRun Union(const std::vector<std::pair<TProfileElement, TRun>>& bars) {
  TRun band = bars.front().second;
  for (const auto& [element, run] : bars) {
    band.First = std::min(band.First, run.First);
    band.Last = std::max(band.Last, run.Last);
  }
  return band;
}

}  // namespace

std::optional<TBarScan> ScanBars(const TGreyImage& Image, const TDirection& Direction, int Line, const TScan& Seed) {
  const TContext c{Image, Direction, Seed.Analysis.GlobalThreshold};
  std::vector<std::pair<TProfileElement, TRun>> bars = BarsOn(c, Seed.Analysis, {Line});
  if (bars.empty()) return std::nullopt;
  TRun band = Union(bars);
  for (int pass = 0; pass < BandPasses; ++pass) {
    const std::vector<int> probes = Probes(band);
    bars = BarsOn(c, AnalyseProfile(Darkest(c, probes)), probes);
    if (bars.empty()) return std::nullopt;
    const TRun wider = Union(bars);
    if (wider.First == band.First && wider.Last == band.Last) break;
    band = wider;
  }
  // A line along the bars (the symbol turned a quarter) finds their widths
  // across it: every bar must be taller than it is wide.
  if (std::any_of(bars.begin(), bars.end(),
                  [](const auto& bar) { return bar.second.Last - bar.second.First <= bar.first.Width(); }))
    return std::nullopt;
  TBarScan scan;
  scan.Near = band.First;
  scan.Far = band.Last;
  scan.Start = bars.front().first.Start;
  scan.End = bars.back().first.End;
  const double height = band.Last - band.First;
  scan.Bars.reserve(bars.size());
  for (const auto& [element, run] : bars) {
    const double first = (run.First - band.First) / height, last = (run.Last - band.First) / height;
    const double centre = (element.Start + element.End) / 2;
    scan.Bars.push_back(Direction.Flipped() ? TBar{1 - last, 1 - first, centre} : TBar{first, last, centre});
  }
  return scan;
}

}  // namespace tessel
