// Enumerations published as properties, with the names of their values.
//
// TESSEL_PUBLISHED_ENUM declares an enumeration and its value names from one
// list, so that the two cannot drift apart:
//   TESSEL_PUBLISHED_ENUM(TBearerBars, bbFourSides, bbTopBottom)
// declares `enum TBearerBars : std::uint8_t { bbFourSides, bbTopBottom };`
// and EnumInfo<TBearerBars>() naming "bbFourSides" and "bbTopBottom" (the
// same names as constants: TEnumNames<TBearerBars>::Names, for tables built
// at compile time). Use it inside namespace tessel; the values take their
// ordinals 0, 1, 2 ...
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tessel {

// The value names of an enumeration, in ordinal order.
struct TEnumInfo {
  std::string_view TypeName;
  std::span<const std::string_view> Names;
};

// Specialised by TESSEL_PUBLISHED_ENUM for each published enumeration type.
template <class E>
const TEnumInfo& EnumInfo();

// Specialised by TESSEL_PUBLISHED_ENUM: `static constexpr std::array Names`,
// the value names in ordinal order.
template <class E>
struct TEnumNames;

namespace detail {

// The number of names in a comma-separated list.
constexpr std::size_t CountEnumNames(std::string_view List) {
  std::size_t count = 1;
  for (char c : List) count += c == ',' ? 1 : 0;
  return count;
}

constexpr std::string_view TrimBlanks(std::string_view S) {
  while (!S.empty() && (S.front() == ' ' || S.front() == '\n')) S.remove_prefix(1);
  while (!S.empty() && (S.back() == ' ' || S.back() == '\n')) S.remove_suffix(1);
  return S;
}

// The names of a comma-separated list, blanks trimmed.
template <std::size_t N>
constexpr std::array<std::string_view, N> SplitEnumNames(std::string_view List) {
  std::array<std::string_view, N> names{};
  for (std::size_t k = 0; k < N; ++k) {
    const std::size_t comma = List.find(',');
    names[k] = TrimBlanks(List.substr(0, comma));
    List = comma == std::string_view::npos ? std::string_view() : List.substr(comma + 1);
  }
  return names;
}

}  // namespace detail
}  // namespace tessel

#define TESSEL_PUBLISHED_ENUM(Name, ...)                                                                      \
  enum Name : std::uint8_t { __VA_ARGS__ };                                                                   \
  template <>                                                                                                 \
  struct TEnumNames<Name> {                                                                                   \
    static constexpr auto Names = detail::SplitEnumNames<detail::CountEnumNames(#__VA_ARGS__)>(#__VA_ARGS__); \
  };                                                                                                          \
  template <>                                                                                                 \
  inline const TEnumInfo& EnumInfo<Name>() {                                                                  \
    static constexpr TEnumInfo info{#Name, TEnumNames<Name>::Names};                                          \
    return info;                                                                                              \
  }
