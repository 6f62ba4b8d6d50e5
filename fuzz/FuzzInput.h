// Splitting a fuzzer's input into the pieces a target needs: leading bytes
// for choices, then fields separated by a byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessel::fuzz {

class TFuzzInput {
 public:
  TFuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  // The next byte, 0 when the input is used up.
  std::uint8_t Byte() {
    if (rest_.empty()) return 0;
    const auto byte = static_cast<std::uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return byte;
  }
  // The rest split at every Separator.
  std::vector<std::string> Fields(char separator) const {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
      const std::size_t end = rest_.find(separator, start);
      fields.emplace_back(rest_.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
      if (end == std::string_view::npos) return fields;
      start = end + 1;
    }
  }
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

}  // namespace tessel::fuzz
