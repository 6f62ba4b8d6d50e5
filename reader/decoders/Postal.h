// The United States postal bar codes of full and half bars (POSTNET,
// PLANET) and the Facing Identification Marks.
#pragma once

#include "reader/BarDecoder.h"

namespace tessel {

// The digits between the frame bars, a check digit included where drawn.
std::optional<TDecoded> DecodePostNet(std::span<const TBar> Bars);
std::optional<TDecoded> DecodePlanet(std::span<const TBar> Bars);
// The mark's letter, A to D.
std::optional<TDecoded> DecodeFim(std::span<const TBar> Bars);

}  // namespace tessel
