#include "reader/decoders/ModuleGrid.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace tessel {
namespace {

// Far wider than any element of these codes: a longer row is no symbol of
// theirs, and is not built.
constexpr int MaxModulesPerElement = 16;

}  // namespace

double MedianBarWidth(std::span<const double> Widths) {
  std::vector<double> bars;
  bars.reserve((Widths.size() + 1) / 2);
  for (std::size_t k = 0; k < Widths.size(); k += 2) bars.push_back(Widths[k]);
  if (bars.empty()) return 0;
  std::nth_element(bars.begin(), bars.begin() + static_cast<std::ptrdiff_t>(bars.size() / 2), bars.end());
  return bars[bars.size() / 2];
}

std::optional<std::string> ModuleRow(std::span<const double> Widths, int Modules) {
  const double total = std::accumulate(Widths.begin(), Widths.end(), 0.0);
  if (Modules <= 0 || static_cast<std::size_t>(Modules) > MaxModulesPerElement * Widths.size() || !(total > 0))
    return std::nullopt;
  const double modulesPerUnit = Modules / total;
  std::string row;
  row.reserve(static_cast<std::size_t>(Modules));
  double edge = 0;
  long from = 0;
  for (std::size_t k = 0; k < Widths.size(); ++k) {
    edge += Widths[k];
    const long to = std::lround(edge * modulesPerUnit);
    if (to <= from) return std::nullopt;
    row.append(static_cast<std::size_t>(to - from), k % 2 == 0 ? 'B' : '.');
    from = to;
  }
  return row;
}

}  // namespace tessel
