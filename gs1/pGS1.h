// GS1 element strings as people write them, "(01)09501101530003(17)250101"
// or "[01]09501101530003[17]250101": parsed into elements, each checked
// against the table of application identifiers (pGS1Table.h), and turned into
// the text TBarcode_EAN128 encodes and the text printed under the symbol.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gs1/pGS1Table.h"

namespace tessel {

class TBarcode_EAN128;

struct TGS1Element {
  std::string Ai, Data;
  const TGS1Entry* Entry = nullptr;
};

struct TGS1Text {
  std::vector<TGS1Element> Elements;
  // Empty when the element string is valid, else what is wrong, naming the
  // AI and its data, e.g. "(17) 251301: month 13 is not a month".
  std::string Error;
  // The text TBarcode_EAN128 takes: each AI followed by its data, with the
  // FNC1 escape "\1" after every element that needs a separator and is not
  // the last.
  std::string Encoded;
  // The human-readable text: "(01)09501101530003(17)250101".
  std::string HumanReadable;

  bool Valid() const { return Error.empty(); }
};

// GS1-128 holds at most this many data characters (AIs, data and separating
// FNC1s, not the leading FNC1).
inline constexpr std::size_t GS1MaxDataCharacters = 48;

// The table's row of an AI, or nullptr.
const TGS1Entry* FindGS1Entry(std::string_view Ai);

// What is wrong with one element's data ("" when it is valid), without the
// "(AI) data: " prefix.
std::string CheckGS1Data(const TGS1Entry& Entry, std::string_view Data);

// Parses and checks a bracketed element string; on an error the other
// fields hold what was read before it.
TGS1Text ParseGS1(std::string_view Text);

// Sets the component up for a bracketed element string: the encoded text,
// no added check digit (the element string carries its own) and the
// human-readable text shown under the symbol (DisplayText dtBarcode, the
// text given through OnDrawText while the component keeps this text). An
// invalid string changes nothing and its message is returned; "" when done.
std::string SetGS1Text(TBarcode_EAN128& Barcode, std::string_view Text);

}  // namespace tessel
