#include "generator/cli/RangeSource.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace tessel::generator {
namespace {

constexpr std::string_view RangeForm = "FIRST-LAST or FIRST-LAST/STEP in decimal digits";

// Digits as a number; false when they are none, not digits or too large.
bool ReadNumber(std::string_view digits, std::uint64_t& value) {
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return error == std::errc() && end == digits.data() + digits.size();
}

class TRangeSource : public TRecordSource {
 public:
  explicit TRangeSource(const TSerialRange& range) : range_(range), count_(range.Count()) {}

  std::vector<std::string> FieldNames() const override { return {"serial"}; }

  bool Next(TRecord& Record) override {
    if (number_ >= count_) return false;
    Record = {};
    Record.Number = ++number_;
    std::string serial = std::to_string(range_.First + static_cast<std::uint64_t>(number_ - 1) * range_.Step);
    if (serial.size() < range_.Width) serial.insert(0, range_.Width - serial.size(), '0');
    Record.Label = "record " + std::to_string(number_) + " (serial " + serial + ")";
    Record.Fields = {std::move(serial)};
    return true;
  }

  std::optional<double> FractionRead() const override {
    return static_cast<double>(number_) / static_cast<double>(count_);
  }

 private:
  TSerialRange range_;
  std::int64_t count_;
  std::int64_t number_ = 0;
};

}  // namespace

std::int64_t TSerialRange::Count() const { return static_cast<std::int64_t>((Last - First) / Step) + 1; }

std::string ParseSerialRange(std::string_view Text, TSerialRange& Range) {
  const std::size_t dash = Text.find('-');
  const std::size_t slash = Text.find('/');
  const std::string_view first = Text.substr(0, dash);
  const std::string_view last =
      dash == std::string_view::npos
          ? std::string_view()
          : Text.substr(dash + 1, slash == std::string_view::npos ? std::string_view::npos : slash - dash - 1);
  TSerialRange range;
  if (!ReadNumber(first, range.First) || !ReadNumber(last, range.Last) ||
      (slash != std::string_view::npos && (slash < dash || !ReadNumber(Text.substr(slash + 1), range.Step))))
    return "--range needs " + std::string(RangeForm) + " (each at most " +
           std::to_string(std::numeric_limits<std::uint64_t>::max()) + "), not '" + std::string(Text) + "'";
  if (range.Step == 0) return "--range needs a step of 1 or more, not 0";
  if (range.First > range.Last) return "--range counts up: FIRST must not be above LAST in '" + std::string(Text) + "'";
  if ((range.Last - range.First) / range.Step >= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
    return "--range holds too many numbers: '" + std::string(Text) + "'";
  range.Width = first.size();
  Range = range;
  return {};
}

std::unique_ptr<TRecordSource> OpenRangeSource(const TSerialRange& Range) {
  return std::make_unique<TRangeSource>(Range);
}

}  // namespace tessel::generator
