// Text routines symbologies use to build patterns and fixed-length texts.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tessel {

// Turns module counts (bar, space, bar, ... each "1".."4") into a pattern,
// in place (a moved-in string is not copied).
std::string ConvertToInternalFormat(std::string S);

// S padded on the left with PadChar to Length characters, or cut to its
// first Length characters.
std::string SetBarcodeLength(int Length, std::string_view S, char PadChar);

// S with every character replaced by its entry in Table (a character's code
// indexes it); characters beyond the table are dropped. Used for the
// full-ASCII forms, which spell each character with one or two data
// characters.
std::string ExpandByTable(std::string_view S, std::span<const std::string_view> Table);

// True when every character of S is a decimal digit.
bool IsDigits(std::string_view S);

// True when the character at the 1-based Index of Barcode is one of CharSet
// (the usual VerifyChar of a symbology with a fixed character set).
inline bool CharInSet(std::string_view CharSet, std::string_view Barcode, int Index) {
  return CharSet.find(Barcode[static_cast<std::size_t>(Index - 1)]) != std::string_view::npos;
}

}  // namespace tessel
