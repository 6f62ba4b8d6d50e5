#include "reader/Verify.h"

#include "reader/PrintSimulation.h"

namespace tessel {

TReadResult VerifySymbol(const TGreyImage& Image, const TVerifyOptions& Options) {
  TReadResult drawn =
      ReadSymbol(Image, {Options.PreferredClass, Options.PreferredOnly, Options.WithoutCheckCharacters});
  if (!drawn.Found) return drawn;
  const TPrintSimulation print{.InkSpread = Options.InkSpread,
                               .Aperture = Options.ApertureModules * drawn.ModuleWidth,
                               .Noise = Options.Noise,
                               .Seed = Options.Seed};
  return ReadSymbol(SimulatePrint(Image, print),
                    {drawn.ClassName, Options.PreferredOnly, Options.WithoutCheckCharacters});
}

}  // namespace tessel
