#include "reader/decoders/TwoWidth.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "reader/Grade.h"

namespace tessel {

std::optional<TTwoWidthCharacter> ClassifyTwoWidth(std::span<const double> Widths, int Wides) {
  if (Wides <= 0 || static_cast<std::size_t>(Wides) >= Widths.size()) return std::nullopt;
  std::vector<std::size_t> order(Widths.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return Widths[a] > Widths[b]; });
  TTwoWidthCharacter character{std::string(Widths.size(), 'n'), 0};
  for (int k = 0; k < Wides; ++k) character.Pattern[order[k]] = 'w';
  character.Decodability = TwoWidthDecodability(Widths, character.Pattern);
  if (!(character.Decodability > 0)) return std::nullopt;
  return character;
}

}  // namespace tessel
