#include "reader/decoders/FullAscii.h"

#include <algorithm>

namespace tessel {

std::optional<std::string> ExpandFullAscii(std::string_view data, std::span<const std::string_view, 128> table,
                                           std::string_view shifts) {
  std::string text;
  text.reserve(data.size());
  for (std::size_t k = 0; k < data.size(); ++k) {
    if (shifts.find(data[k]) == std::string_view::npos) {
      text += data[k];
      continue;
    }
    if (k + 1 == data.size()) return std::nullopt;
    const auto code = std::find(table.begin(), table.end(), data.substr(k++, 2));
    if (code == table.end()) return std::nullopt;
    text += static_cast<char>(code - table.begin());
  }
  return text;
}

}  // namespace tessel
