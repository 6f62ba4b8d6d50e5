// Code 128 (ISO/IEC 15417) and EAN-128 (GS1-128), whose symbols are Code 128
// symbols that start with FNC1.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// The data as the class writes it: characters as they are (a backslash
// doubled), FNC1, FNC2 and FNC3 as \1, \2 and \3, characters 128 to 255
// read through FNC4 as themselves; code set changes and shifts not shown.
// Then the modulo 103 check character in the code set in force at the end:
// a character, two digits in code set C, or the escape of a function.
std::optional<TDecoded> DecodeCode128(std::span<const double> Widths);
// A symbol drawn without its check character: the data, every character
// before the stop.
std::optional<TDecoded> DecodeCode128Unchecked(std::span<const double> Widths);
// The data after the leading FNC1, written as for Code 128, without the
// check character.
std::optional<TDecoded> DecodeEan128(std::span<const double> Widths);

}  // namespace tessel
