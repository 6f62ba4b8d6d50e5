// Symbols whose elements are whole numbers of modules (EAN/UPC, Code 128):
// characters read from their edge-to-similar-edge distances, and a cursor
// that reads a symbol's guards and characters in turn at the module width
// of the whole symbol.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tessel {

// The modules a pattern spans, each element's modules a digit.
constexpr int PatternModules(std::string_view Pattern) {
  int modules = 0;
  for (const char element : Pattern) modules += element - '0';
  return modules;
}

// A character of some module widths: the row of the table it reads as and
// its decodability margin.
struct TModuleCharacter {
  std::size_t Row = 0;
  double Decodability = 0;
};

// The row of Patterns (each element's modules as a digit) that Widths read
// as when they span Modules modules: the rows whose edge-to-similar-edge
// distances all match, the nearest in element widths where two match (EAN
// digits 1 and 7, 2 and 8). None when no row matches or the margin is not
// above zero.
std::optional<TModuleCharacter> MatchModules(std::span<const double> Widths, std::span<const std::string_view> Patterns,
                                             int Modules);

// Reads a row of widths that spans Modules modules in all, piece by piece,
// from the first element; never beyond the last.
class TModuleReader {
 public:
  TModuleReader(std::span<const double> Widths, int Modules);

  // Whether the next elements are the fixed Pattern (a guard, a
  // separator): each within half a module of its width. Moves past them.
  bool Fixed(std::string_view Pattern);
  // The next character, of Modules modules, as MatchModules reads it; none
  // when its width is not about Modules modules. Moves past it.
  std::optional<std::size_t> Character(std::span<const std::string_view> Patterns, int Modules);
  // Whether every element was read.
  bool AtEnd() const { return next_ == widths_.size(); }
  // The lowest margin of the characters read.
  double Decodability() const { return decodability_; }
  // The width of a module: the widths' sum over their modules.
  double Module() const { return module_; }

 private:
  std::optional<std::span<const double>> Take(std::size_t Count);

  std::span<const double> widths_;
  double module_ = 0;
  std::size_t next_ = 0;
  double decodability_ = 1;
};

}  // namespace tessel
