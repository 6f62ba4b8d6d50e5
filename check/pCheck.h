// Check-character routines shared by the symbologies. The callers have
// validated the text: a digit is valued by its code minus '0', a character
// of a character set by its 0-based position in the set.
#pragma once

#include <string>
#include <string_view>

namespace tessel {

// Mod 10 of the plain digit sum.
char Mod10Com_Check(std::string_view S);
// Mod 10 with weights 3, 1, 3, ... from the rightmost digit.
char Mod10RightOdd3WeightCom_Check(std::string_view S);
// Mod 10 with weights 4, 9, 4, ... from the leftmost digit.
char Mod10Left49WeightCom_Check(std::string_view S);
// One or two check characters with weights rising from the right up to
// FirstMaxWeight (first character) and SecondMaxWeight (second).
std::string ModDualRightSequenceWeight_Check(std::string_view S, std::string_view CharSet, int FirstMaxWeight,
                                             int SecondMaxWeight, int Modulus, bool OneCheckChar);

}  // namespace tessel
