// Symbols the reader cannot tell from their own turned drawings.
#pragma once

#include <algorithm>
#include <iterator>
#include <string_view>

namespace tessel::testing {

// Symbols that read as valid symbols of their class turned half round (the
// Facing Identification Marks are symmetric; KIX, two-track Pharmacode and
// Flattermarken have no start, stop or check): the reader offers both
// readings and cannot tell the angle from a half turn.
inline bool IsHalfTurnAmbiguous(std::string_view className) {
  constexpr std::string_view classes[] = {"TBarcode_FIM", "TBarcode_KIX4S", "TBarcode_PharmacodeTwoTrack",
                                          "TBarcode_Flattermarken"};
  return std::find(std::begin(classes), std::end(classes), className) != std::end(classes);
}

// One-track Pharmacode's bars read as a number from either end, so at 180
// and 270 degrees it is the drawing of another number at 0 and 90.
inline bool TurnsIntoAnother(std::string_view className, int angle) {
  return angle >= 180 && className == "TBarcode_PharmacodeOneTrack";
}

}  // namespace tessel::testing
