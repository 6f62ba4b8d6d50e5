#include "reader/decoders/Flattermarken.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace tessel {
namespace {

constexpr int FieldModules = 9;
// A mark is one module wide; a 9 followed by a 1 draws two marks side by
// side, one bar two modules wide.
constexpr int WidestBar = 2;
// How far a mark's centre may stray from its module's, in modules.
constexpr double PlaceTolerance = 0.25;
constexpr long MaxDigits = 256;
// A single mark cannot be told from any lone bar (or a bar scanned along
// its length): a symbol needs two.
constexpr std::size_t MinMarks = 2;

bool NearWhole(double modules, long& whole) {
  whole = std::lround(modules);
  return std::abs(modules - static_cast<double>(whole)) <= PlaceTolerance;
}

// Each mark's centre along the line, from the line's start: centres stay
// where they are when ink spreads, bar widths do not.
std::optional<std::vector<double>> MarkCentres(const TScanLine& line, double narrowest) {
  std::vector<double> centres;
  centres.reserve(line.Widths.size() + 1);
  double along = line.Before;
  for (std::size_t k = 0; k < line.Widths.size(); along += line.Widths[k], ++k) {
    if (k % 2 == 1) continue;
    const double width = line.Widths[k], centre = along + width / 2;
    long modules = 0;
    if (!NearWhole(width / narrowest, modules) || modules < 1 || modules > WidestBar) return std::nullopt;
    if (modules == 1) {
      centres.push_back(centre);
    } else {
      centres.push_back(centre - width / 4);
      centres.push_back(centre + width / 4);
    }
  }
  return centres;
}

// The module widths near the narrowest bar that every gap between marks is
// a whole number of, refined over the marks' span. Marks carry nothing but
// their places, so the module is known only from the bars' width: ink
// spread of more than a small part of it may misplace them.
std::vector<double> ModuleWidths(const std::vector<double>& centres, double narrowest) {
  double gap = centres.back() - centres.front();
  for (std::size_t k = 1; k < centres.size(); ++k) gap = std::min(gap, centres[k] - centres[k - 1]);
  const long nearest = std::lround(gap / narrowest);
  std::vector<double> modules;
  modules.reserve(3);
  for (const long k : {nearest, nearest - 1, nearest + 1}) {
    if (k < 1) continue;
    long spanned = 0;
    bool whole = true;
    for (const double centre : centres) whole = whole && NearWhole((centre - centres.front()) * k / gap, spanned);
    if (whole) modules.push_back((centres.back() - centres.front()) / static_cast<double>(spanned));
  }
  return modules;
}

// The digits when the symbol spans Fields fields of Module centred in the
// line; none when a mark falls between modules, outside the fields, or
// beside another mark in its field. Its margin: how near the marks lie to
// their modules.
std::optional<TDecoded> ReadFields(const std::vector<double>& centres, double module, double lineLength, long fields) {
  const double start = (lineLength - static_cast<double>(fields * FieldModules) * module) / 2;
  if (start < 0) return std::nullopt;
  std::string digits(static_cast<std::size_t>(fields), '0');
  double decodability = 1;
  long previous = -1;
  for (const double centre : centres) {
    const double modules = (centre - start) / module - 0.5;
    long place = 0;
    if (!NearWhole(modules, place) || place <= previous || place >= fields * FieldModules) return std::nullopt;
    char& digit = digits[static_cast<std::size_t>(place / FieldModules)];
    if (digit != '0') return std::nullopt;
    digit = static_cast<char>('1' + place % FieldModules);
    decodability = std::min(decodability, 1 - std::abs(modules - static_cast<double>(place)) / 0.5);
    previous = place;
  }
  return TDecoded{std::move(digits), decodability, module};
}

}  // namespace

// Of every module and field count, the reading whose marks lie nearest
// their modules; of equal ones the fewest fields.
std::optional<TDecoded> DecodeFlattermarken(const TScanLine& line) {
  if (line.Widths.size() % 2 == 0) return std::nullopt;
  double narrowest = line.Widths[0], lineLength = line.Before + line.After;
  for (std::size_t k = 0; k < line.Widths.size(); ++k) {
    if (k % 2 == 0) narrowest = std::min(narrowest, line.Widths[k]);
    lineLength += line.Widths[k];
  }
  if (!(narrowest > 0)) return std::nullopt;
  const auto centres = MarkCentres(line, narrowest);
  if (!centres || centres->size() < MinMarks) return std::nullopt;
  std::optional<TDecoded> best;
  for (const double module : ModuleWidths(*centres, narrowest)) {
    const double markModules = (centres->back() - centres->front()) / module + 1;
    const auto fewest = std::max(1L, static_cast<long>(std::ceil(markModules / FieldModules - PlaceTolerance)));
    const long most = std::min(MaxDigits, static_cast<long>(lineLength / module) / FieldModules);
    for (long fields = fewest; fields <= most; ++fields) {
      auto read = ReadFields(*centres, module, lineLength, fields);
      if (read && (!best || read->Decodability > best->Decodability)) best = std::move(read);
    }
  }
  return best;
}

}  // namespace tessel
