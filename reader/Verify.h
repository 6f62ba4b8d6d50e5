// Verification: a symbol read and graded as printed. The image is read as
// drawn, to measure its X dimension, then through the print simulation with
// the measuring aperture sized to that X dimension, and read and graded
// again.
#pragma once

#include <cstdint>
#include <string>

#include "reader/GreyImage.h"
#include "reader/Reader.h"

namespace tessel {

// The aperture verifiers use unless told otherwise: half the X dimension.
inline constexpr double DefaultApertureModules = 0.5;

struct TVerifyOptions {
  std::string PreferredClass;                       // see TReadOptions
  bool PreferredOnly = false;                       // see TReadOptions
  bool WithoutCheckCharacters = false;              // see TReadOptions
  double InkSpread = 0;                             // pixels, see TPrintSimulation
  double ApertureModules = DefaultApertureModules;  // the aperture's diameter in X dimensions; 0 for none
  double Noise = 0;                                 // grey levels
  std::uint32_t Seed = 1;
};

TReadResult VerifySymbol(const TGreyImage& Image, const TVerifyOptions& Options = {});

}  // namespace tessel
