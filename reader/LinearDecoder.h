// The reader's decoders of symbols read as a row of element widths: each
// takes the widths of one scan, from the first bar to the last, in the
// order they were scanned, and reads them as the symbol drawn left to right
// only: the reader scans every direction, and the one that reads gives the
// symbol's angle. It gives the text as the class shows it: its full-encoded
// text, check characters included.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessel {

struct TDecoded {
  std::string Text;
  // The symbology's decodability margin on these widths, 0 to 1: the
  // lowest of its characters'.
  double Decodability = 0;
};

using TDecodeWidths = std::optional<TDecoded> (*)(std::span<const double> Widths);

// One symbology class and its decoder.
struct TLinearDecoder {
  std::string_view ClassName;
  TDecodeWidths Decode;
};

// Every decoder, the more specific symbologies before the general ones that
// read the same symbols (PZN before Code 39): the first that fits is the
// reader's answer unless the caller prefers another.
std::span<const TLinearDecoder> LinearDecoders();

}  // namespace tessel
