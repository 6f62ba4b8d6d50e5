// What a printer and a verifier's optics do to a symbol, simulated on its
// image: ink spread (dark areas grow, or shrink when negative, at every
// edge), the measuring aperture's blur, and noise. A symbol drawn with a bar
// width reduction equal to the spread comes out at its nominal widths.
#pragma once

#include <cstdint>

#include "reader/GreyImage.h"

namespace tessel {

struct TPrintSimulation {
  // How much wider every dark element prints, in pixels of the image
  // (half at each edge); negative: narrower.
  double InkSpread = 0;
  // The diameter of the measuring aperture in pixels (a verifier's is
  // commonly half the X dimension); 0 for none.
  double Aperture = 0;
  // The standard deviation of the noise, in grey levels; 0 for none.
  double Noise = 0;
  std::uint32_t Seed = 1;  // of the noise, so that a simulation repeats
};

TGreyImage SimulatePrint(const TGreyImage& Image, const TPrintSimulation& Simulation);

}  // namespace tessel
