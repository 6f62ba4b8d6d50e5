// The base names of a batch's files: record numbers, or names made from
// data that are safe in any folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessel::generator {

// The longest base name made from data; a longer one fails its record.
inline constexpr std::size_t MaxBaseNameLength = 200;

// "000042": a record number as the base name of its file.
std::string NumberedName(std::int64_t Number);

// Bytes as a file's base name: letters, digits, '-', '_' and '.' stay,
// every other byte (and a leading '.') is written %XX, so different byte
// strings never share a name and no name is hidden or leaves its folder.
std::string SafeFileName(std::string_view Bytes);

}  // namespace tessel::generator
