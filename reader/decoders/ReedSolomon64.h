// The Reed-Solomon check of the Australia Post and Canada Post four-state
// codes: GF(64) of the primitive polynomial x^6 + x + 1, primitive element
// 2, and check symbols of the generator (x + 2)(x + 2^2)...(x + 2^N).
#pragma once

#include <span>

namespace tessel {

// Whether Symbols (each 0 to 63), the highest-order coefficient first (the
// data symbols as drawn, then the check symbols), form a codeword: the
// polynomial vanishes at 2^1 to 2^CheckSymbols.
bool IsCodeword64(std::span<const int> Symbols, int CheckSymbols);

}  // namespace tessel
