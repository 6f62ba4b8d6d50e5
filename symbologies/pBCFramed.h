// The frame BC309 and BC412 share: a start bar, every character opened by a
// bar and closed by a space around its table entry, and a stop.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tessel {

// The pattern of FullEncoded, whose characters are looked up in CharSet and
// spelled by the entry of the same position in Table; characters outside the
// set are skipped (validation rejects them beforehand).
std::string MakeBCFramedPattern(std::string_view FullEncoded, std::string_view CharSet,
                                std::span<const std::string_view> Table);

}  // namespace tessel
