// What the Reed-Solomon protected four-state postal codes (Australia Post,
// Canada Post PostBar) share. Their bars are built as a string of bar values,
// one character per bar: '0' full bar, '1' ascender, '2' descender,
// '3' tracker. Three bars make one 6-bit symbol (16 b1 + 4 b2 + b3) of the
// Reed-Solomon code over GF(64).
#pragma once

#include <string>
#include <string_view>

#include "check/pReedSolomon.h"

namespace tessel {

// The bar of the two lowest bits of Value.
inline char BarOf(int Value) { return static_cast<char>('0' + (Value & 3)); }

// The N parity symbols of the message Bars, read in groups of three from the
// start, the first group being the highest-order coefficient. Count is 0 when
// Bars is not whole groups or the encoder refuses the message.
TRSParity FourStateParity(std::string_view Bars, int N, const TRSTables& Tables);

// Appends the parity symbols, the highest-order first, as three bars each.
void AppendParityBars(std::string& Bars, const TRSParity& Parity);

// Appends the parity symbols, the highest-order first, as two decimal digits
// each.
void AppendParityDigits(std::string& Text, const TRSParity& Parity);

// The pattern of Bars between the start and stop bars (ascender, tracker):
// each bar is one module wide and followed by a one-module space, except the
// last.
std::string FourStatePattern(std::string_view Bars);

// Characters From to To (1-based, inclusive) of Text, as far as it reaches.
std::string_view TextRange(std::string_view Text, int From, int To);

}  // namespace tessel
