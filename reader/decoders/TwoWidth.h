// Characters of two element widths, narrow and wide (Code 39, the two-of-five
// family, Codabar, ...): which elements are wide, and the margin of the call.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace tessel {

struct TTwoWidthCharacter {
  std::string Pattern;  // 'n' or 'w' for each element
  double Decodability = 0;
};

// Takes the Wides widest elements as wide; none when a wide one is not
// wider than every narrow one by a margin above zero.
std::optional<TTwoWidthCharacter> ClassifyTwoWidth(std::span<const double> Widths, int Wides);

}  // namespace tessel
