// The reader's one list of decoders. Each reads one scan line as the
// symbol drawn upright, left to right: the reader scans every direction,
// and the one that reads gives the symbol's angle. Most read the widths of
// the line's elements (reader/LinearDecoder.h); the postal and two-track
// codes read the bars' heights (reader/BarDecoder.h).
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "reader/BarDecoder.h"
#include "reader/LinearDecoder.h"

namespace tessel {

// What a decoder sees of one scan line.
struct TScanLine {
  std::span<const double> Widths;  // the elements, first bar to last
  // The light before the first bar and after the last, to the edges of the
  // frame the library draws the symbol in (the image, less the pixel a
  // turned layout adds): the frame of symbols whose ends are not drawn.
  double Before = 0, After = 0;
  std::span<const TBar> Bars;  // with their heights, for decoders that need them
  // The symbol may lack the check characters its symbology can leave out:
  // its characters are read as they stand, every one of them data.
  bool Unchecked = false;
};

using TDecodeLine = std::optional<TDecoded> (*)(const TScanLine& Line);

// One symbology class and its decoder.
struct TDecoder {
  std::string_view ClassName;
  TDecodeLine Decode;
  bool ReadsHeights = false;  // needs the line's bars with their heights
};

// Rows of the list from decoders of widths or of bars, and from the two
// decoders of a symbology whose check characters may be left out, the
// second reading its characters unchecked.
template <TDecodeWidths Decode>
std::optional<TDecoded> OnWidths(const TScanLine& Line) {
  return Decode(Line.Widths);
}
template <TDecodeWidths Decode, TDecodeWidths DecodeUnchecked>
std::optional<TDecoded> OnWidthsOrUnchecked(const TScanLine& Line) {
  return Line.Unchecked ? DecodeUnchecked(Line.Widths) : Decode(Line.Widths);
}
template <TDecodeBars Decode>
std::optional<TDecoded> OnBars(const TScanLine& Line) {
  return Decode(Line.Bars);
}

// Every decoder, the more specific symbologies before the general ones that
// read the same symbols (PZN before Code 39): the first that fits is the
// reader's answer unless the caller prefers another.
std::span<const TDecoder> Decoders();

}  // namespace tessel
