#include "generator/cli/FileNames.h"

namespace tessel::generator {
namespace {

constexpr std::size_t RecordNumberDigits = 6;
constexpr std::string_view HexDigits = "0123456789ABCDEF";
constexpr unsigned HexDigitBits = 4;
constexpr unsigned LowNibble = 0xF;

bool IsPlain(char c, bool first) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
         (c == '.' && !first);
}

}  // namespace

std::string NumberedName(std::int64_t Number) {
  std::string name = std::to_string(Number);
  if (name.size() < RecordNumberDigits) name.insert(0, RecordNumberDigits - name.size(), '0');
  return name;
}

std::string SafeFileName(std::string_view Bytes) {
  std::string name;
  name.reserve(Bytes.size());
  for (std::size_t i = 0; i < Bytes.size(); ++i) {
    const char c = Bytes[i];
    if (IsPlain(c, i == 0)) {
      name += c;
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    name += '%';
    name += HexDigits[byte >> HexDigitBits];
    name += HexDigits[byte & LowNibble];
  }
  return name;
}

}  // namespace tessel::generator
