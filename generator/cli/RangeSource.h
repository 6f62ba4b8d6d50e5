// Serial numbers as records: FIRST, FIRST+STEP, ... up to LAST, each padded
// with leading zeros to the width FIRST is written with; one field,
// "serial".
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "generator/cli/RecordSource.h"

namespace tessel::generator {

struct TSerialRange {
  std::uint64_t First = 0;
  std::uint64_t Last = 0;
  std::uint64_t Step = 1;
  std::size_t Width = 1;  // digits of every value at least

  // How many serial numbers the range holds.
  std::int64_t Count() const;
};

// Parses "FIRST-LAST[/STEP]" (decimal digits only) into Range; returns why
// it is not a range (a step of 0, FIRST above LAST, a number too large),
// else an empty string.
std::string ParseSerialRange(std::string_view Text, TSerialRange& Range);

std::unique_ptr<TRecordSource> OpenRangeSource(const TSerialRange& Range);

}  // namespace tessel::generator
