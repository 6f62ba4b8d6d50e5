// Helpers shared by the symbology tests: the EAN/UPC number sets and
// patterns as module strings, the results of MakeData, the text a drawing
// shows, the boxes of the last polygons and the values of a Code 128 pattern.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "components/pBarcode.h"
#include "engine/RecordingCanvas.h"

namespace tessel::testing {

// Number sets A (odd parity) and B (even parity) as the standard prints them
// (1 = dark module), by digit; number set C is A with every module inverted.
extern const char* const SetA[10];
extern const char* const SetB[10];
std::string SetC(int digit);

// A pattern as a module string, one character per module (Ratio 2.0): '0'
// light, '1' dark, '?' for an element of no width class.
std::string Modules(const std::string& pattern);

// The pattern and the full-encoded text MakeData gives.
struct TEncoded {
  std::string Pattern, FullEncoded;
};
TEncoded Encode(TBarcode& bc, const std::string& text, bool autoCheckDigit);

// The pattern a new T gives for text without a check character.
template <class T>
std::string PlainPattern(const std::string& text) {
  T plain(nullptr);
  return Encode(plain, text, false).Pattern;
}

// The text DrawTo prints for the component's settings with the given display
// mode ("" when none was drawn).
std::string ShownText(TBarcode& bc, TDisplayText display);

// The boxes of the last count polygons the canvas recorded.
std::vector<TRect> LastBoxes(const TRecordingCanvas& canvas, std::size_t count);

// The values of a Code 128 pattern, read back through the standard's table
// kept in the test support (not the encoder's); composite line kinds read as
// plain ones, -1 for a character that is in no row of it.
std::vector<int> PatternValues(const std::string& pattern);

}  // namespace tessel::testing
