// Numbers as the full-encoded texts show them: decimal digits, padded on the
// left with zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessel {

// The last Digits decimal digits of Value.
std::string ZeroPadded(std::uint64_t Value, std::size_t Digits);

}  // namespace tessel
