// Code 39's and Code 93's full ASCII forms: every code from 0 to 127
// written as one character or a shift character and its partner.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessel {

// Data read through Table, the one or two characters that stand for each
// code; none when one of Shifts is not followed by a character it pairs
// with.
std::optional<std::string> ExpandFullAscii(std::string_view Data, std::span<const std::string_view, 128> Table,
                                           std::string_view Shifts);

}  // namespace tessel
