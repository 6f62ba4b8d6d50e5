// The two-of-five family: digits of five elements, two of them wide, drawn
// between a start and a stop of their own in each member.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// Each of these reads the digits as drawn, a check digit included.
std::optional<TDecoded> DecodeCode25Industrial(std::span<const double> Widths);
std::optional<TDecoded> DecodeCode25Invert(std::span<const double> Widths);
std::optional<TDecoded> DecodeIata(std::span<const double> Widths);
std::optional<TDecoded> DecodeCode25Matrix(std::span<const double> Widths);
std::optional<TDecoded> DecodeCode25Datalogic(std::span<const double> Widths);
std::optional<TDecoded> DecodeCoop25(std::span<const double> Widths);
// Interleaved pairs of digits, the last digit's pair padded with ':' when
// the class pads on the right; with or without a bearer bar at each end.
std::optional<TDecoded> DecodeCode25Interleaved(std::span<const double> Widths);

}  // namespace tessel
