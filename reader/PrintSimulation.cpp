#include "reader/PrintSimulation.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace tessel {
namespace {

constexpr double White = 255;

// Ink coverage, 0 (paper) to 1 (ink), row after row.
struct TCoverage {
  int Width = 0, Height = 0;
  std::vector<double> Values;
};

// One line of the image (a row or a column) as a strided view.
struct TLine {
  double* First;
  std::ptrdiff_t Step;
  int Length;
  double& operator[](int k) const { return First[k * Step]; }
};

// Calls Apply on every row, then on every column.
template <typename TApply>
void EachLine(TCoverage& c, TApply apply) {
  for (int y = 0; y < c.Height; ++y)
    apply(TLine{c.Values.data() + static_cast<std::ptrdiff_t>(y) * c.Width, 1, c.Width});
  for (int x = 0; x < c.Width; ++x) apply(TLine{c.Values.data() + x, c.Width, c.Height});
}

// Grows the covered areas by Amount pixels at each edge (a fraction covers
// the next pixel in part): the largest coverage within Amount, blended with
// that within the next whole pixel.
void Dilate(const TLine& line, double amount, std::vector<double>& scratch) {
  const int whole = static_cast<int>(std::floor(amount));
  const double part = amount - whole;
  scratch.assign(static_cast<std::size_t>(line.Length), 0);
  for (int k = 0; k < line.Length; ++k) {
    double within = 0, beyond = 0;
    for (int d = -whole - 1; d <= whole + 1; ++d) {
      const int at = k + d;
      if (at < 0 || at >= line.Length) continue;
      if (std::abs(d) <= whole) within = std::max(within, line[at]);
      beyond = std::max(beyond, line[at]);
    }
    scratch[static_cast<std::size_t>(k)] = (1 - part) * within + part * beyond;
  }
  for (int k = 0; k < line.Length; ++k) line[k] = scratch[static_cast<std::size_t>(k)];
}

void Spread(TCoverage& c, double perEdge) {
  if (perEdge == 0) return;
  const bool shrink = perEdge < 0;
  if (shrink)
    for (double& v : c.Values) v = 1 - v;  // the paper grows instead
  std::vector<double> scratch;
  EachLine(c, [&](const TLine& line) { Dilate(line, std::abs(perEdge), scratch); });
  if (shrink)
    for (double& v : c.Values) v = 1 - v;
}

// The weights of a box of Diameter pixels centred on a pixel: each
// neighbour's share of the box.
std::vector<double> BoxWeights(double diameter) {
  const double half = diameter / 2;
  const int reach = static_cast<int>(std::ceil(half - 0.5));
  std::vector<double> weights;
  weights.reserve(2 * static_cast<std::size_t>(reach) + 1);
  for (int d = -reach; d <= reach; ++d)
    weights.push_back(std::max(0.0, std::min(d + 0.5, half) - std::max(d - 0.5, -half)));
  double sum = 0;
  for (const double w : weights) sum += w;
  for (double& w : weights) w /= sum;
  return weights;
}

// Averages every pixel over a square aperture, the image's edge repeated.
void Blur(TCoverage& c, double diameter) {
  if (!(diameter > 1)) return;
  const std::vector<double> weights = BoxWeights(diameter);
  const int reach = static_cast<int>(weights.size() / 2);
  std::vector<double> scratch;
  EachLine(c, [&](const TLine& line) {
    scratch.assign(static_cast<std::size_t>(line.Length), 0);
    for (int k = 0; k < line.Length; ++k)
      for (std::size_t w = 0; w < weights.size(); ++w)
        scratch[static_cast<std::size_t>(k)] +=
            weights[w] * line[std::clamp(k + static_cast<int>(w) - reach, 0, line.Length - 1)];
    for (int k = 0; k < line.Length; ++k) line[k] = scratch[static_cast<std::size_t>(k)];
  });
}

}  // namespace

TGreyImage SimulatePrint(const TGreyImage& Image, const TPrintSimulation& Simulation) {
  TCoverage coverage{Image.Width, Image.Height, {}};
  coverage.Values.reserve(Image.Pixels.size());
  for (const std::uint8_t grey : Image.Pixels) coverage.Values.push_back(1 - grey / White);
  Spread(coverage, Simulation.InkSpread / 2);
  Blur(coverage, Simulation.Aperture);
  std::mt19937 random(Simulation.Seed);
  std::normal_distribution<double> noise(0, Simulation.Noise > 0 ? Simulation.Noise : 1);
  TGreyImage printed{Image.Width, Image.Height, {}};
  printed.Pixels.reserve(Image.Pixels.size());
  for (const double ink : coverage.Values) {
    const double grey = (1 - ink) * White + (Simulation.Noise > 0 ? noise(random) : 0);
    printed.Pixels.push_back(static_cast<std::uint8_t>(std::lround(std::clamp(grey, 0.0, White))));
  }
  return printed;
}

}  // namespace tessel
