#include "symbologies/pBCFramed.h"

namespace tessel {
namespace {

constexpr std::string_view StartPattern = "5000";  // bar, three spaces
constexpr std::string_view CharLead = "50";        // the bar that opens a character
constexpr std::string_view CharTail = "0";         // the space that closes it
constexpr std::string_view StopPattern = "5050";

}  // namespace

std::string MakeBCFramedPattern(std::string_view FullEncoded, std::string_view CharSet,
                                std::span<const std::string_view> Table) {
  const std::size_t charLength = CharLead.size() + (Table.empty() ? 0 : Table[0].size()) + CharTail.size();
  std::string pattern;
  pattern.reserve(StartPattern.size() + FullEncoded.size() * charLength + StopPattern.size());
  pattern += StartPattern;
  for (char c : FullEncoded) {
    const std::size_t value = CharSet.find(c);
    if (value >= Table.size()) continue;
    pattern += CharLead;
    pattern += Table[value];
    pattern += CharTail;
  }
  pattern += StopPattern;
  return pattern;
}

}  // namespace tessel
