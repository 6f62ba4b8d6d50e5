#include "core/pCommon.h"

#include <algorithm>

namespace tessel {

std::string ConvertToInternalFormat(std::string S) {
  // Bars and spaces alternate: taken in pairs, without a test per module.
  std::size_t i = 0;
  for (; i + 1 < S.size(); i += 2) {
    S[i] = static_cast<char>(S[i] + 4);
    S[i + 1] = static_cast<char>(S[i + 1] - 1);
  }
  if (i < S.size()) S[i] = static_cast<char>(S[i] + 4);
  return S;
}

std::string SetBarcodeLength(int Length, std::string_view S, char PadChar) {
  if (Length <= 0) return {};
  const auto length = static_cast<std::size_t>(Length);
  if (S.size() >= length) return std::string(S.substr(0, length));
  std::string result(length - S.size(), PadChar);
  result += S;
  return result;
}

std::string ExpandByTable(std::string_view S, std::span<const std::string_view> Table) {
  std::string expanded;
  expanded.reserve(S.size() * 2);
  for (char c : S) {
    const auto code = static_cast<unsigned char>(c);
    if (code < Table.size()) expanded += Table[code];
  }
  return expanded;
}

bool IsDigits(std::string_view S) {
  return std::all_of(S.begin(), S.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace tessel
