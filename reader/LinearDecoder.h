// The reader's decoders of symbols read as a row of element widths: each
// takes the widths of one scan, from the first bar to the last, in the
// order they were scanned, and reads them as the symbol drawn left to right
// only. It gives the text as the class shows it: its full-encoded text,
// check characters included.
#pragma once

#include <optional>
#include <span>
#include <string>

namespace tessel {

struct TDecoded {
  std::string Text;
  // The symbology's decodability margin on these widths, 0 to 1: the
  // lowest of its characters'.
  double Decodability = 0;
  // The X dimension in pixels where the symbology tells it better than the
  // narrowest bar and space do (codes without one-module spaces); 0 when
  // it does not.
  double Module = 0;
};

using TDecodeWidths = std::optional<TDecoded> (*)(std::span<const double> Widths);

}  // namespace tessel
