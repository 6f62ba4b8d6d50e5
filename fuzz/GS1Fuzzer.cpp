// GS1 element strings: any input is parsed without a crash; a rejected one
// has a message; an accepted one reads the same again when its elements are
// written in square brackets, fits GS1-128's 48 characters and sets up an EAN-128 symbol that
// encodes its text without an invalid character.
//
// Input: the element string.
#include <cstdlib>

#include "gs1/pGS1.h"
#include "symbologies/pEAN128.h"

using namespace tessel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const TGS1Text text = ParseGS1(input);
  if (!text.Valid()) return 0;
  if (text.Elements.empty() || text.Encoded.empty()) std::abort();

  // The elements written in square brackets read as the same elements (the
  // human-readable text need not: data may hold parentheses).
  std::string square, shown;
  std::size_t characters = 0, separators = 0;
  for (const TGS1Element& e : text.Elements) {
    if (!e.Entry || e.Entry->Ai != e.Ai || !CheckGS1Data(*e.Entry, e.Data).empty()) std::abort();
    characters += e.Ai.size() + e.Data.size();
    square += "[" + e.Ai + "]" + e.Data;
    shown += "(" + e.Ai + ")" + e.Data;
  }
  const TGS1Text again = ParseGS1(square);
  if (!again.Valid() || again.Encoded != text.Encoded || text.HumanReadable != shown) std::abort();
  for (std::size_t at = text.Encoded.find('\\'); at != std::string::npos; at = text.Encoded.find('\\', at + 2)) {
    if (text.Encoded.compare(at, 2, "\\1") != 0) std::abort();  // the only backslashes are FNC1 escapes
    ++separators;
  }
  if (characters + separators > GS1MaxDataCharacters || text.Encoded.size() != characters + 2 * separators)
    std::abort();

  TBarcode_EAN128 bc(nullptr);
  if (!SetGS1Text(bc, input).empty() || bc.Barcode() != text.Encoded) std::abort();
  if (bc.VerifyAllChars(bc.Barcode(), false) != 0) std::abort();
  std::string full;
  if (bc.MakeData(bc.Barcode(), false, full).empty()) std::abort();
  return 0;
}
