#include "reader/decoders/ModuleReader.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "reader/Grade.h"

namespace tessel {
namespace {

// A measured distance or element matches its module count when it lies
// within half a module of it.
constexpr double HalfModule = 0.5;
// How far a character's width may stray from its module count, as a share
// of it, before the character is taken as not lying on the symbol's grid.
constexpr double CharacterWidthTolerance = 0.15;

int ModulesOf(char digit) { return digit - '0'; }

double Sum(std::span<const double> widths) { return std::accumulate(widths.begin(), widths.end(), 0.0); }

// Whether every edge-to-similar-edge distance of the widths, at Scale
// modules a unit, lies within half a module of the pattern's.
bool DistancesMatch(std::span<const double> widths, std::string_view pattern, double scale) {
  for (std::size_t k = 0; k + 1 < widths.size(); ++k) {
    const double measured = (widths[k] + widths[k + 1]) * scale;
    const int expected = ModulesOf(pattern[k]) + ModulesOf(pattern[k + 1]);
    if (!(std::abs(measured - expected) < HalfModule)) return false;
  }
  return true;
}

// How far the widths, at Scale modules a unit, lie from the pattern's.
double Deviation(std::span<const double> widths, std::string_view pattern, double scale) {
  double deviation = 0;
  for (std::size_t k = 0; k < widths.size(); ++k) deviation += std::abs(widths[k] * scale - ModulesOf(pattern[k]));
  return deviation;
}

}  // namespace

std::optional<TModuleCharacter> MatchModules(std::span<const double> Widths, std::span<const std::string_view> Patterns,
                                             int Modules) {
  const double total = Sum(Widths);
  if (Widths.size() < 2 || Modules <= 0 || !(total > 0) || !std::isfinite(total)) return std::nullopt;
  const double scale = Modules / total;
  std::optional<TModuleCharacter> best;
  double bestDeviation = HUGE_VAL;
  for (std::size_t row = 0; row < Patterns.size(); ++row) {
    const std::string_view pattern = Patterns[row];
    if (pattern.size() != Widths.size() || !DistancesMatch(Widths, pattern, scale)) continue;
    const double deviation = Deviation(Widths, pattern, scale);
    if (deviation < bestDeviation) {
      bestDeviation = deviation;
      best = TModuleCharacter{row, 0};
    }
  }
  if (!best) return std::nullopt;
  best->Decodability = EdgeToSimilarEdgeDecodability(Widths, Modules);
  if (!(best->Decodability > 0)) return std::nullopt;
  return best;
}

TModuleReader::TModuleReader(std::span<const double> Widths, int Modules) : widths_(Widths) {
  const double total = Sum(Widths);
  if (Modules > 0 && total > 0 && std::isfinite(total)) module_ = total / Modules;
}

std::optional<std::span<const double>> TModuleReader::Take(std::size_t Count) {
  if (!(module_ > 0) || Count > widths_.size() - next_) return std::nullopt;
  const auto piece = widths_.subspan(next_, Count);
  next_ += Count;
  return piece;
}

bool TModuleReader::Fixed(std::string_view Pattern) {
  const auto piece = Take(Pattern.size());
  if (!piece) return false;
  for (std::size_t k = 0; k < Pattern.size(); ++k)
    if (!(std::abs((*piece)[k] / module_ - ModulesOf(Pattern[k])) < HalfModule)) return false;
  return true;
}

std::optional<std::size_t> TModuleReader::Character(std::span<const std::string_view> Patterns, int Modules) {
  if (Patterns.empty()) return std::nullopt;
  const auto piece = Take(Patterns.front().size());
  if (!piece || !(std::abs(Sum(*piece) / module_ - Modules) <= Modules * CharacterWidthTolerance)) return std::nullopt;
  const auto character = MatchModules(*piece, Patterns, Modules);
  if (!character) return std::nullopt;
  decodability_ = std::min(decodability_, character->Decodability);
  return character->Row;
}

}  // namespace tessel
