#include "reader/decoders/IntelligentMail.h"

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "reader/decoders/BarStates.h"
#include "reader/decoders/DecimalText.h"

namespace tessel {
namespace {

// USPS-B-3200, the bar-to-character table: for each of the 65 bars from
// the left, the character (0 to 9 for A to J) and bit (hexadecimal) of its
// descender, then those of its ascender.
constexpr std::array<std::string_view, 65> BarTable{
    "7243", "1A00", "9C28", "556B", "8931", "015C", "2518", "449B", "638A", "3976", "5B14", "852C", "9A02",
    "7167", "3649", "0386", "6427", "1199", "7A52", "4038", "6204", "8B10", "983C", "2677", "514A", "1C69",
    "7380", "5897", "462A", "3405", "8457", "7B19", "6096", "0648", "2132", "598C", "4B61", "9574", "3312",
    "0720", "1341", "6A35", "8794", "2B56", "087C", "4281", "5A30", "9309", "6524", "7817", "5045", "230A",
    "6C92", "3B16", "8879", "540B", "1522", "914C", "8366", "7037", "4775", "0C1B", "2990", "6853", "3A82",
};
constexpr std::size_t Characters = 10;
constexpr int CharacterBits = 13;
constexpr unsigned CharacterMask = (1U << CharacterBits) - 1;

// USPS-B-3200, the character tables: 1287 characters of 5 bits set (table
// I) and 78 of 2 (table II), ordered by the standard's construction.
constexpr int TableIBits = 5, TableIIBits = 2;
constexpr int TableISize = 1287, TableIISize = 78;

// USPS-B-3200, the codewords: A 0 to 658 (plus 659 for the check
// sequence's bit 10), B to I 0 to 1364, J even, 0 to 1270.
constexpr int CodewordBase = 1365, LastBase = 636, FirstLimit = 659;
constexpr int CheckBitInFirst = 10;

// USPS-B-3200, the frame check sequence: 11 bits over the 102 bits of the
// binary data value, generator polynomial 0x0F35, initial value 0x07FF.
constexpr unsigned FcsPolynomial = 0x0F35, FcsInitial = 0x07FF, FcsMask = 0x07FF, FcsTopBit = 0x0400;
constexpr int DataBits = 102;

// USPS-B-3200, the routing code: its digits and the offset added to its
// value for 5, 9 and 11 digits; the tracking code: 20 digits, the second
// one in base 5.
struct TRoutingForm {
  std::size_t Digits;
  std::uint64_t Offset;
};
constexpr std::array<TRoutingForm, 3> RoutingForms{TRoutingForm{5, 1}, TRoutingForm{9, 100001},
                                                   TRoutingForm{11, 1000100001}};
constexpr std::size_t TrackingDigits = 20;
constexpr int SecondDigitBase = 5, Decimal = 10;

// A character with its 13 bits in reverse order.
unsigned Reversed(unsigned v) {
  unsigned r = 0;
  for (int k = 0; k < CharacterBits; ++k) r |= ((v >> k) & 1U) << (CharacterBits - 1 - k);
  return r;
}

// Each 13-bit character's codeword: table I's entries at 0 to 1286, table
// II's from 1287; -1 for other values.
std::array<int, 1U << CharacterBits> BuildCodewords() {
  std::array<int, 1U << CharacterBits> codewords{};
  codewords.fill(-1);
  const auto fill = [&](int bits, int size, int offset) {
    int low = 0, high = size - 1;
    for (unsigned v = 0; v <= CharacterMask; ++v) {
      if (std::popcount(v) != bits) continue;
      const unsigned r = Reversed(v);
      if (r < v) continue;
      if (r == v) {
        codewords[v] = offset + high--;
      } else {
        codewords[v] = offset + low++;
        codewords[r] = offset + low++;
      }
    }
  };
  fill(TableIBits, TableISize, 0);
  fill(TableIIBits, TableIISize, TableISize);
  return codewords;
}

// The binary data value: at most 102 bits in 32-bit limbs, the most
// significant first.
class TDataValue {
 public:
  static constexpr int LimbBits = 32;
  static constexpr std::size_t Limbs = 4;

  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::size_t k = Limbs; k-- > 0;) {
      const std::uint64_t t = std::uint64_t{limbs_[k]} * factor + carry;
      limbs_[k] = static_cast<std::uint32_t>(t);
      carry = t >> LimbBits;
    }
  }
  // Divides by Divisor, giving the remainder.
  std::uint32_t DivideBy(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t t = (remainder << LimbBits) | limb;
      limb = static_cast<std::uint32_t>(t / divisor);
      remainder = t % divisor;
    }
    return static_cast<std::uint32_t>(remainder);
  }
  // Bit Index, 0 the least significant.
  unsigned Bit(int index) const {
    return (limbs_[Limbs - 1 - static_cast<std::size_t>(index / LimbBits)] >> (index % LimbBits)) & 1U;
  }
  bool Below(int bits) const {
    for (int k = bits; k < static_cast<int>(Limbs) * LimbBits; ++k)
      if (Bit(k) != 0) return false;
    return true;
  }
  std::uint64_t Low64() const { return (std::uint64_t{limbs_[Limbs - 2]} << LimbBits) | limbs_[Limbs - 1]; }

 private:
  std::array<std::uint32_t, Limbs> limbs_{};
};

unsigned FrameCheckSequence(const TDataValue& value) {
  unsigned fcs = FcsInitial;
  for (int k = DataBits; k-- > 0;) {
    const bool feedback = ((fcs & FcsTopBit) != 0) != (value.Bit(k) != 0);
    fcs = ((fcs << 1) ^ (feedback ? FcsPolynomial : 0)) & FcsMask;
  }
  return fcs;
}

int HexDigit(char c) {
  constexpr int HexA = 10;
  return c <= '9' ? c - '0' : c - 'A' + HexA;
}

// The ten characters the bars carry.
std::array<unsigned, Characters> CharactersOf(const std::string& states) {
  std::array<unsigned, Characters> characters{};
  for (std::size_t bar = 0; bar < BarTable.size(); ++bar) {
    const std::string_view entry = BarTable[bar];
    if (HasDescender(states[bar])) characters[static_cast<std::size_t>(HexDigit(entry[0]))] |= 1U << HexDigit(entry[1]);
    if (HasAscender(states[bar])) characters[static_cast<std::size_t>(HexDigit(entry[2]))] |= 1U << HexDigit(entry[3]);
  }
  return characters;
}

// The codewords A to J and the check sequence's bits 0 to 9 that the
// characters carry (a character drawn inverted for a set bit); none when a
// character is in neither table.
std::optional<std::pair<std::array<int, Characters>, unsigned>> Codewords(
    const std::array<unsigned, Characters>& characters) {
  static const std::array<int, 1U << CharacterBits> table = BuildCodewords();
  std::array<int, Characters> codewords{};
  unsigned fcs = 0;
  for (std::size_t k = 0; k < Characters; ++k) {
    int codeword = table[characters[k]];
    if (codeword < 0) {
      codeword = table[characters[k] ^ CharacterMask];
      fcs |= 1U << k;
    }
    if (codeword < 0) return std::nullopt;
    codewords[k] = codeword;
  }
  return std::make_pair(codewords, fcs);
}

// The routing code of a routing value: the form whose offsets it reaches.
std::optional<std::string> RoutingCode(std::uint64_t value) {
  if (value == 0) return std::string();
  for (std::size_t k = 0; k < RoutingForms.size(); ++k) {
    std::uint64_t limit = 1;
    for (std::size_t d = 0; d < RoutingForms[k].Digits; ++d) limit *= Decimal;
    if (value >= RoutingForms[k].Offset && value - RoutingForms[k].Offset < limit)
      return ZeroPadded(value - RoutingForms[k].Offset, RoutingForms[k].Digits);
  }
  return std::nullopt;
}

}  // namespace

std::optional<TDecoded> DecodeIntelligentMail(std::span<const TBar> Bars) {
  const auto states = ClassifyBars(Bars);
  if (!states || states->States.size() != BarTable.size()) return std::nullopt;
  const auto read = Codewords(CharactersOf(states->States));
  if (!read) return std::nullopt;
  auto [codewords, fcs] = *read;
  if (codewords[0] >= FirstLimit) {
    codewords[0] -= FirstLimit;
    fcs |= 1U << CheckBitInFirst;
  }
  if (codewords[0] >= FirstLimit || codewords[Characters - 1] % 2 != 0 || codewords[Characters - 1] / 2 >= LastBase)
    return std::nullopt;
  codewords[Characters - 1] /= 2;
  TDataValue value;  // A, then each codeword in its place
  value.MultiplyAdd(0, static_cast<std::uint32_t>(codewords[0]));
  for (std::size_t k = 1; k + 1 < Characters; ++k)
    value.MultiplyAdd(CodewordBase, static_cast<std::uint32_t>(codewords[k]));
  value.MultiplyAdd(LastBase, static_cast<std::uint32_t>(codewords[Characters - 1]));
  if (!value.Below(DataBits) || FrameCheckSequence(value) != fcs) return std::nullopt;
  std::string tracking(TrackingDigits, '0');
  for (std::size_t k = TrackingDigits; k-- > 2;) tracking[k] = static_cast<char>('0' + value.DivideBy(Decimal));
  tracking[1] = static_cast<char>('0' + value.DivideBy(SecondDigitBase));
  tracking[0] = static_cast<char>('0' + value.DivideBy(Decimal));
  if (!value.Below(2 * TDataValue::LimbBits)) return std::nullopt;
  const auto routing = RoutingCode(value.Low64());
  if (!routing) return std::nullopt;
  return TDecoded{tracking + *routing, states->Decodability};
}

}  // namespace tessel
