#include "reader/Reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include "reader/Decoder.h"
#include "reader/HeightScan.h"
#include "reader/ScanLine.h"

namespace tessel {
namespace {

// The scan lines tried across the image in each direction when looking
// for the symbol, and the scans graded across its bars.
constexpr int SearchLines = 24;
constexpr int GradingScans = 10;

// What the decoder reads on a line's scan, and where along the line.
struct TLineReading {
  TDecoded Decoded;
  double Start, End;
};

// What the decoders see of a line's scan: its elements, the light to the
// symbol's frame and the bars when they were found.
TScanLine LineOf(const TGreyImage& image, const TDirection& direction, const TScan& scan,
                 const std::optional<TBarScan>& bars, bool unchecked) {
  // A turned symbol lays out one pixel longer each way than an upright one
  // (its turned box counts both corners), the pixel at the image's right
  // and bottom edges: its frame ends before that pixel.
  const double turnedPixel = direction.Angle == 0 ? 0 : 1;
  const double before = scan.Start - (direction.Reversed ? turnedPixel : 0);
  const double after = Length(image, direction) - scan.End - (direction.Reversed ? 0 : turnedPixel);
  return {scan.Widths, before, after, bars ? std::span<const TBar>(bars->Bars) : std::span<const TBar>(), unchecked};
}

std::optional<TLineReading> Decode(const TDecoder& decoder, const TScanLine& line, const TScan& scan,
                                   const std::optional<TBarScan>& bars) {
  if (decoder.ReadsHeights && !bars) return std::nullopt;
  auto decoded = decoder.Decode(line);
  if (!decoded) return std::nullopt;
  if (decoder.ReadsHeights) return TLineReading{std::move(*decoded), bars->Start, bars->End};
  return TLineReading{std::move(*decoded), scan.Start, scan.End};
}

// What a decoder read on one line.
struct TReading {
  std::size_t Decoder;  // its index in Decoders()
  std::string Text;
  double Decodability;
  int Line;
  double Start, End;
};

struct TCandidate {
  TDirection Direction;
  std::vector<TReading> Readings;  // of one decoder and one text
  bool Unchecked = false;          // read without check characters
};

// The decoders a read tries: all, or the preferred class's alone.
std::vector<std::size_t> DecodersTried(const TReadOptions& options) {
  std::vector<std::size_t> tried;
  tried.reserve(Decoders().size());
  for (std::size_t d = 0; d < Decoders().size(); ++d)
    if (!options.PreferredOnly || Decoders()[d].ClassName == options.PreferredClass) tried.push_back(d);
  return tried;
}

// Every reading of the decoders tried on the search lines of one direction.
std::vector<TReading> SearchDirection(const TGreyImage& image, const TDirection& direction,
                                      const std::vector<std::size_t>& tried, bool unchecked) {
  const bool heights =
      std::any_of(tried.begin(), tried.end(), [](std::size_t d) { return Decoders()[d].ReadsHeights; });
  std::vector<TReading> readings;
  const int lines = Extent(image, direction);
  for (int k = 0; k < std::min(SearchLines, lines); ++k) {
    const int line = static_cast<int>((k + 0.5) * lines / std::min(SearchLines, lines));
    const TScan scan = Scan(image, direction, line);
    if (scan.Widths.empty()) continue;
    const auto bars = heights ? ScanBars(image, direction, line, scan) : std::nullopt;
    const TScanLine scanLine = LineOf(image, direction, scan, bars, unchecked);
    for (const std::size_t d : tried)
      if (const auto read = Decode(Decoders()[d], scanLine, scan, bars))
        readings.push_back({d, read->Decoded.Text, read->Decoded.Decodability, line, read->Start, read->End});
  }
  return readings;
}

// Groups readings by decoder, direction and text: the preferred class's
// first, then the groups of most lines, in the decoders' order, and of one
// decoder's groups the one with the widest margin.
std::vector<TCandidate> Candidates(const TGreyImage& image, const TReadOptions& options) {
  const std::vector<std::size_t> tried = DecodersTried(options);
  std::map<std::tuple<std::size_t, int, std::string>, TCandidate> groups;
  for (std::size_t dir = 0; dir < Directions.size(); ++dir)
    for (TReading& reading : SearchDirection(image, Directions[dir], tried, options.WithoutCheckCharacters)) {
      TCandidate& group = groups[{reading.Decoder, static_cast<int>(dir), reading.Text}];
      group.Direction = Directions[dir];
      group.Unchecked = options.WithoutCheckCharacters;
      group.Readings.push_back(std::move(reading));
    }
  std::vector<TCandidate> candidates;
  candidates.reserve(groups.size());
  for (auto& [key, group] : groups) candidates.push_back(std::move(group));
  const auto rank = [&](const TCandidate& c) {
    const std::size_t decoder = c.Readings.front().Decoder;
    double margin = 0;
    for (const TReading& r : c.Readings) margin = std::max(margin, r.Decodability);
    return std::make_tuple(Decoders()[decoder].ClassName != options.PreferredClass,
                           -static_cast<int>(c.Readings.size()), decoder, -margin);
  };
  std::stable_sort(candidates.begin(), candidates.end(),
                   [&](const TCandidate& a, const TCandidate& b) { return rank(a) < rank(b); });
  return candidates;
}

// Whether the candidate's decoder reads its text on this line.
std::optional<TDecoded> ReadsOn(const TGreyImage& image, const TCandidate& candidate, int line, TScan& scan) {
  scan = Scan(image, candidate.Direction, line);
  if (scan.Widths.empty()) return std::nullopt;
  const TDecoder& decoder = Decoders()[candidate.Readings.front().Decoder];
  const auto bars = decoder.ReadsHeights ? ScanBars(image, candidate.Direction, line, scan) : std::nullopt;
  auto read = Decode(decoder, LineOf(image, candidate.Direction, scan, bars, candidate.Unchecked), scan, bars);
  if (!read || read->Decoded.Text != candidate.Readings.front().Text) return std::nullopt;
  return std::move(read->Decoded);
}

// The lines across the symbol where it reads: from the readings outwards,
// line by line.
std::pair<int, int> ReadingLines(const TGreyImage& image, const TCandidate& candidate) {
  const auto [low, high] = std::minmax_element(candidate.Readings.begin(), candidate.Readings.end(),
                                               [](const TReading& a, const TReading& b) { return a.Line < b.Line; });
  int first = low->Line, last = high->Line;
  TScan scan;
  while (first > 0 && ReadsOn(image, candidate, first - 1, scan)) --first;
  while (last + 1 < Extent(image, candidate.Direction) && ReadsOn(image, candidate, last + 1, scan)) ++last;
  return {first, last};
}

// The bars' box in image pixels from the lines across and the positions
// along them, in reading order.
TRect BoxOf(const TGreyImage& image, const TDirection& direction, int firstLine, int lastLine, double start,
            double end) {
  const int length = Length(image, direction);
  int from = static_cast<int>(std::floor(start)), to = static_cast<int>(std::ceil(end));
  if (direction.Reversed) std::tie(from, to) = std::make_pair(length - to, length - from);
  if (direction.Columns) return {firstLine, from, lastLine + 1, to};
  return {from, firstLine, to, lastLine + 1};
}

// Ten scans evenly spread over the middle 80 % of the symbol's height,
// each graded with its decodability where it reads.
std::vector<TScanGrade> GradeScans(const TGreyImage& image, const TCandidate& candidate, int first, int last) {
  std::vector<TScanGrade> scans;
  scans.reserve(GradingScans);
  const double height = last - first + 1;
  for (int k = 0; k < GradingScans; ++k) {
    const int line = first + static_cast<int>(height * (0.1 + 0.8 * (k + 0.5) / GradingScans));
    TScan scan;
    const auto decoded = ReadsOn(image, candidate, line, scan);
    scans.push_back(GradeScan(scan.Analysis, decoded ? std::optional(decoded->Decodability) : std::nullopt));
  }
  return scans;
}

// The mean of the narrowest bar and the narrowest space between the first
// bar and the last: the X dimension, whatever spread made bars wider.
double ModuleWidth(const std::vector<double>& widths) {
  double bar = 0, space = 0;
  for (std::size_t k = 0; k < widths.size(); ++k) {
    double& narrowest = k % 2 == 0 ? bar : space;
    if (narrowest == 0 || widths[k] < narrowest) narrowest = widths[k];
  }
  return space > 0 ? (bar + space) / 2 : bar;
}

}  // namespace

TReadResult ReadSymbol(const TGreyImage& Image, const TReadOptions& Options) {
  TReadResult result;
  if (Image.Width <= 0 || Image.Height <= 0) return result;
  const std::vector<TCandidate> candidates = Candidates(Image, Options);
  if (candidates.empty()) return result;
  for (const TCandidate& c : candidates) {
    std::pair<std::string, std::string> fit{std::string(Decoders()[c.Readings.front().Decoder].ClassName),
                                            c.Readings.front().Text};
    if (std::find(result.Fits.begin(), result.Fits.end(), fit) == result.Fits.end())
      result.Fits.push_back(std::move(fit));
  }
  const TCandidate& best = candidates.front();
  const auto [first, last] = ReadingLines(Image, best);
  double start = best.Readings.front().Start, end = best.Readings.front().End;
  for (const TReading& r : best.Readings) {
    start = std::min(start, r.Start);
    end = std::max(end, r.End);
  }
  result.Found = true;
  result.ClassName = std::string(Decoders()[best.Readings.front().Decoder].ClassName);
  result.Text = best.Readings.front().Text;
  result.Angle = best.Direction.Angle;
  result.Box = BoxOf(Image, best.Direction, first, last, start, end);
  TScan middle;
  if (const auto decoded = ReadsOn(Image, best, (first + last) / 2, middle))
    result.ModuleWidth = decoded->Module > 0 ? decoded->Module : ModuleWidth(middle.Widths);
  result.Scans = GradeScans(Image, best, first, last);
  result.Grade = SymbolGrade(result.Scans);
  return result;
}

}  // namespace tessel
