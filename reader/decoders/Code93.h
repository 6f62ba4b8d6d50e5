// Code 93 (ANSI/AIM BC5) and its full ASCII form.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// The characters between start and stop, the two check characters
// included when they hold (a shift character shown as a bracket or brace
// only there).
std::optional<TDecoded> DecodeCode93(std::span<const double> Widths);
// The text as typed through the full ASCII pairs, then the two check
// characters as drawn when they hold.
std::optional<TDecoded> DecodeCode93Ext(std::span<const double> Widths);

}  // namespace tessel
