#include "reader/decoders/AustraliaPost.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "reader/decoders/BarStates.h"
#include "reader/decoders/FourStateCodes.h"
#include "reader/decoders/ReedSolomon64.h"

namespace tessel {
namespace {

// Australia Post customer barcoding: the format
// control code and delivery point identifier (ten digits), the customer
// information field of each format, four parity symbols.
constexpr std::size_t LeadingDigits = 10;
constexpr int ParitySymbols = 4;

constexpr int Filler = 3;  // a tracker fills the information field
constexpr std::size_t BarsPerDigit = 2, BarsPerCharacter = 3;
constexpr std::size_t ParityBars = BarsPerCharacter * ParitySymbols;

std::optional<std::size_t> InformationBars(std::string_view formatControlCode) {
  for (const std::string_view code : {"11", "45", "87", "92"})
    if (formatControlCode == code) return 1;                              // the standard customer barcode's filler
  if (formatControlCode == "59") return 16;                               // customer barcode 2
  if (formatControlCode == "62" || formatControlCode == "44") return 31;  // customer barcode 3
  return std::nullopt;
}

using TReadOne = std::optional<char> (TBarCursor::*)();

// The characters of Width bars each up to the filler that ends the field.
std::optional<std::string> Information(std::span<const int> field, std::size_t width, TReadOne read) {
  std::size_t count = 0;
  while (count * width < field.size() && !std::all_of(field.begin() + static_cast<std::ptrdiff_t>(count * width),
                                                      field.end(), [](int v) { return v == Filler; }))
    ++count;
  if (count * width > field.size()) return std::nullopt;
  TBarCursor cursor(field.first(count * width));
  std::string text;
  text.reserve(count);
  for (std::size_t k = 0; k < count; ++k) {
    const auto character = (cursor.*read)();
    if (!character) return std::nullopt;
    text.push_back(*character);
  }
  return text;
}

std::optional<TDecoded> Decode(std::span<const TBar> bars, std::size_t width, TReadOne read) {
  const auto states = ClassifyBars(bars);
  if (!states) return std::nullopt;
  const auto values = BarValues(states->States);
  if (!values) return std::nullopt;
  const auto inner = Unframed(*values);
  if (!inner || inner->size() % BarsPerCharacter != 0 || !IsCodeword64(Symbols(*inner), ParitySymbols))
    return std::nullopt;
  TBarCursor cursor(*inner);
  TDecoded decoded{"", states->Decodability};
  for (std::size_t k = 0; k < LeadingDigits; ++k) {
    const auto digit = cursor.Digit();
    if (!digit) return std::nullopt;
    decoded.Text.push_back(*digit);
  }
  const auto field = InformationBars(std::string_view(decoded.Text).substr(0, 2));
  if (!field || cursor.Left() != *field + ParityBars) return std::nullopt;
  const auto information = Information(*cursor.Take(*field), width, read);
  if (!information) return std::nullopt;
  decoded.Text += *information + TwoDigits(Symbols(*cursor.Take(ParityBars)));
  return decoded;
}

}  // namespace

std::optional<TDecoded> DecodeAustraliaPost(std::span<const TBar> Bars) {
  return Decode(Bars, BarsPerCharacter, &TBarCursor::Character);
}

std::optional<TDecoded> DecodeAustraliaPostNumeric(std::span<const TBar> Bars) {
  return Decode(Bars, BarsPerDigit, &TBarCursor::Digit);
}

}  // namespace tessel
