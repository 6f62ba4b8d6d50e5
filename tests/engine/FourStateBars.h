// Four-state patterns read back as bar values for the postal-code tests: one
// character per bar, '0' full bar, '1' ascender, '2' descender, '3' tracker.
#pragma once

#include <string>

namespace tessel::testing {

// The bars of a pattern of one-module lines ('I', 'T', 'L', 'H') each
// followed by a one-module space '0' except the last; '?' for anything else.
inline std::string FourStateBars(const std::string& pattern) {
  std::string bars;
  for (std::size_t i = 0; i < pattern.size(); i += 2) {
    const bool gapOk = i + 1 == pattern.size() || pattern[i + 1] == '0';
    switch (gapOk ? pattern[i] : '?') {
      case 'I': bars += '0'; break;
      case 'T': bars += '1'; break;
      case 'L': bars += '2'; break;
      case 'H': bars += '3'; break;
      default: bars += '?';
    }
  }
  return bars;
}

// Bars written in groups separated by spaces, without the spaces.
inline std::string Bars(std::string grouped) {
  std::erase(grouped, ' ');
  return grouped;
}

}  // namespace tessel::testing
