#include "generator/cli/TextCodec.h"

#include <algorithm>
#include <cstdint>

namespace tessel::generator {
namespace {

constexpr std::string_view ReplacementCharacter = "\xEF\xBF\xBD";
constexpr std::string_view WhiteSpace = " \t\n\v\f\r";

// The length of the UTF-8 sequence a lead byte starts, 0 for none.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

}  // namespace

std::string Utf8ToLatin1(std::string_view Text, std::string& Outside) {
  std::string latin1;
  latin1.reserve(Text.size());
  for (std::size_t i = 0; i < Text.size();) {
    const auto lead = static_cast<unsigned char>(Text[i]);
    const std::size_t length = SequenceLength(lead);
    bool wellFormed = length > 0 && i + length <= Text.size();
    for (std::size_t k = 1; wellFormed && k < length; ++k) wellFormed = (Text[i + k] & 0xC0) == 0x80;
    if (!wellFormed) {
      Outside = ReplacementCharacter;
      return {};
    }
    if (length == 1) {
      latin1 += char(lead);
    } else if (length == 2 && lead <= 0xC3) {
      latin1 += char(((lead & 0x1F) << 6) | (Text[i + 1] & 0x3F));
    } else {
      Outside = Text.substr(i, length);
      return {};
    }
    i += length;
  }
  return latin1;
}

std::string Latin1ToUtf8(std::string_view Text) {
  std::string utf8;
  utf8.reserve(Text.size());
  for (const char c : Text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += char(0xC0 | (byte >> 6));
      utf8 += char(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::string Trimmed(std::string_view Text) {
  const std::size_t first = Text.find_first_not_of(WhiteSpace);
  if (first == std::string_view::npos) return {};
  return std::string(Text.substr(first, Text.find_last_not_of(WhiteSpace) - first + 1));
}

bool EqualsIgnoringCase(std::string_view A, std::string_view B) {
  return std::ranges::equal(A, B, [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

}  // namespace tessel::generator
