#include "reader/decoders/Pharmacode.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tessel {
namespace {

// In modules: a narrow bar 1, a wide bar 3, a space 2 and a space widened
// where neighbouring bars differ in colour 3. The narrowest space so lies
// halfway between the two bars and is their threshold.
constexpr double NarrowBar = 1, WideBar = 3, Space = 2, WidenedSpace = 3;
constexpr double HalfBarStep = (WideBar - NarrowBar) / 2;
constexpr std::size_t MinBars = 2, MaxBars = 16;

bool Near(double modules, double nominal) { return std::round(modules) == nominal; }

}  // namespace

// The margin: how far each bar stays from the threshold, relative to half
// the step between the two bars, the lowest of them.
std::optional<TDecoded> DecodePharmacodeOneTrack(std::span<const double> widths) {
  const std::size_t bars = (widths.size() + 1) / 2;
  if (widths.size() % 2 == 0 || bars < MinBars || bars > MaxBars) return std::nullopt;
  double narrowestSpace = widths[1];
  for (std::size_t k = 1; k < widths.size(); k += 2) narrowestSpace = std::min(narrowestSpace, widths[k]);
  if (!(narrowestSpace > 0)) return std::nullopt;
  const double module = narrowestSpace / Space;
  for (std::size_t k = 1; k < widths.size(); k += 2)
    if (!Near(widths[k] / module, Space) && !Near(widths[k] / module, WidenedSpace)) return std::nullopt;
  long value = 0;
  double decodability = 1;
  for (std::size_t k = 0; k < widths.size(); k += 2) {
    const double modules = widths[k] / module;
    const bool wide = Near(modules, WideBar);
    if (!wide && !Near(modules, NarrowBar)) return std::nullopt;
    decodability = std::min(decodability, std::abs(modules - Space) / HalfBarStep);
    value = 2 * value + (wide ? 2 : 1);
  }
  if (!(decodability > 0)) return std::nullopt;
  return TDecoded{std::to_string(value), decodability, module};
}

}  // namespace tessel
