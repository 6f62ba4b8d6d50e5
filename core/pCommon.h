// Text routines symbologies use to build patterns and fixed-length texts.
#pragma once

#include <string>
#include <string_view>

namespace tessel {

// Turns module counts (bar, space, bar, ... each "1".."4") into a pattern.
std::string ConvertToInternalFormat(std::string_view S);

// S padded on the left with PadChar to Length characters, or cut to its
// first Length characters.
std::string SetBarcodeLength(int Length, std::string_view S, char PadChar);

// True when every character of S is a decimal digit.
bool IsDigits(std::string_view S);

}  // namespace tessel
