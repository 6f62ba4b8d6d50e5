#include "generator/TextEscape.h"

namespace tessel::generator {
namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string EscapeText(std::string_view Text) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string result;
  result.reserve(Text.size());
  for (char ch : Text) {
    const auto byte = static_cast<unsigned char>(ch);
    if (ch == '%') {
      result += "%%";
    } else if (byte < 32 || byte >= 127) {  // control bytes (DEL too) and non-ASCII
      result += '%';
      result += digits[byte >> 4];
      result += digits[byte & 15];
    } else {
      result += ch;
    }
  }
  return result;
}

std::string UnescapeText(std::string_view Text) {
  std::string result;
  result.reserve(Text.size());
  std::size_t i = 0;
  while (i < Text.size()) {
    if (Text[i] != '%') {
      result += Text[i++];
      continue;
    }
    const std::size_t rest = Text.size() - i - 1;
    if (rest == 0 || Text[i + 1] == '%') {
      result += '%';
      i += 2;
    } else if (rest == 1) {
      result += '%';
      result += Text[i + 1];
      i += 2;
    } else {
      const int high = HexValue(Text[i + 1]), low = HexValue(Text[i + 2]);
      if (high >= 0 && low >= 0)
        result += static_cast<char>(high * 16 + low);
      else
        result.append(Text.substr(i, 3));
      i += 3;
    }
  }
  return result;
}

}  // namespace tessel::generator
