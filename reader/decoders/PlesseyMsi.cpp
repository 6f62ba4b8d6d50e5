#include "reader/decoders/PlesseyMsi.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "reader/Grade.h"
#include "reader/decoders/TwoWidth.h"

namespace tessel {
namespace {

// Plessey: a start of the bits 1101, four bits a character, least
// significant first, and one of three terminations. A bit is a bar and a
// space: a 0 a narrow bar and a double-wide space, a 1 a bar one and a half
// wide and a wide space.
constexpr std::string_view HexDigits = "0123456789ABCDEF";
constexpr std::string_view PlesseyStart = "1101";
constexpr std::size_t BitsPerHexDigit = 4, CheckCharacters = 2;
// The unidirectional termination: a 1 bit and a bar one and a half wide,
// read as the bit and the last space and bar taken as a 1 bit drawn space
// first.
constexpr std::size_t PlainEndElements = 3;
constexpr std::string_view PlainEndBits = "11";
// The bidirectional terminations: a bar (of either width), then space-bar
// pairs reading 0011, the start mirrored.
constexpr std::size_t MirroredEndElements = 9;
constexpr std::string_view MirroredEndBits = "0011";
// The check: the remainder of the bits, in the order drawn, divided by
// x^8 + x^7 + x^6 + x^5 + x^3 + 1 (x^8 left out below) is zero when the
// last eight bits are the remainder of the others.
constexpr unsigned CrcPolynomial = 0xE9, CrcTopBit = 0x80, CrcMask = 0xFF;

// MSI: a start (a 1 bit), four bits a digit, most significant first, and a
// stop (a 0 bit and a narrow bar). A bit is a bar and a space, a 1 a wide
// bar and a narrow space, a 0 the other way round.
constexpr std::size_t MsiStartElements = 2, MsiStopElements = 3;
constexpr std::size_t ElementsPerDigit = 8, BitsPerDigit = 4;
constexpr int WidesPerDigit = 4;                      // one in every bit
constexpr std::string_view MsiEndsPattern = "wnnwn";  // the start's bit, the stop's bit and bar
constexpr int Mod10 = 10, Mod11 = 11;
constexpr int IbmTopWeight = 7, NcrTopWeight = 9, FirstWeight = 2;
constexpr std::string_view Mod11TenDrawn = "10";

// One bit of a bar and a space: the share of the bar in the pair.
double BarShare(double bar, double space) { return bar / (bar + space); }

// Plessey's bits, start and termination included: each pair's bar share,
// a 1 above the threshold halfway between the start's 0 and 1 bits. The
// margin is the two-width margin of the shares (the 1 bits' the wide): how
// far they stay from the threshold relative to half the distance between
// the mean shares of the 0 and 1 bits.
struct TPlesseyBits {
  std::vector<double> Shares;
  std::string Bits;
  std::size_t DataBits = 0;
  double Decodability = 0;
};

std::optional<TPlesseyBits> ReadPlesseyBits(std::span<const double> widths) {
  const std::size_t count = widths.size();
  const bool plain = count % (2 * BitsPerHexDigit) == PlainEndElements;
  const bool mirrored = count % (2 * BitsPerHexDigit) == MirroredEndElements % (2 * BitsPerHexDigit);
  const std::size_t endElements = plain ? PlainEndElements : MirroredEndElements;
  if ((!plain && !mirrored) || count < 2 * PlesseyStart.size() + endElements) return std::nullopt;
  TPlesseyBits read;
  const std::size_t end = count - endElements;
  read.DataBits = end / 2 - PlesseyStart.size();
  read.Shares.reserve(end / 2 + MirroredEndBits.size());
  for (std::size_t k = 0; k + 1 < end; k += 2) read.Shares.push_back(BarShare(widths[k], widths[k + 1]));
  if (plain) read.Shares.push_back(BarShare(widths[end], widths[end + 1]));
  for (std::size_t k = end + 1; k + 1 < count; k += 2) read.Shares.push_back(BarShare(widths[k + 1], widths[k]));
  double one = 0, zero = 0;
  for (std::size_t k = 0; k < PlesseyStart.size(); ++k) (PlesseyStart[k] == '1' ? one : zero) += read.Shares[k];
  one /= static_cast<double>(std::count(PlesseyStart.begin(), PlesseyStart.end(), '1'));
  zero /= static_cast<double>(std::count(PlesseyStart.begin(), PlesseyStart.end(), '0'));
  if (!(one > zero)) return std::nullopt;
  const double threshold = (one + zero) / 2;
  std::string pattern;
  pattern.reserve(read.Shares.size());
  read.Bits.reserve(read.Shares.size());
  for (const double share : read.Shares) {
    read.Bits += share > threshold ? '1' : '0';
    pattern += share > threshold ? 'w' : 'n';
  }
  const std::string_view endBits = plain ? PlainEndBits : MirroredEndBits;
  if (!read.Bits.starts_with(PlesseyStart) || !read.Bits.ends_with(endBits)) return std::nullopt;
  read.Decodability = TwoWidthDecodability(read.Shares, pattern);
  if (!(read.Decodability > 0)) return std::nullopt;
  return read;
}

bool CrcHolds(std::string_view bits) {
  unsigned remainder = 0;
  for (const char bit : bits) {
    const bool top = (remainder & CrcTopBit) != 0;
    remainder = ((remainder << 1) | (bit == '1' ? 1U : 0U)) & CrcMask;
    if (top) remainder ^= CrcPolynomial;
  }
  return remainder == 0;
}

// The modulo 10 check digit: from the rightmost digit, every second one
// (the rightmost first) adds the digit sum of its double, the others their
// value.
int Mod10Check(std::string_view digits) {
  int sum = 0;
  bool doubled = true;
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit, doubled = !doubled) {
    const int value = *digit - '0';
    sum += doubled ? (2 * value > 9 ? 2 * value - 9 : 2 * value) : value;
  }
  return (Mod10 - sum % Mod10) % Mod10;
}

// The modulo 11 check value: weights from 2 up to TopWeight and round
// again, from the rightmost digit.
int Mod11Check(std::string_view digits, int topWeight) {
  int sum = 0, weight = FirstWeight;
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    sum += (*digit - '0') * weight;
    weight = weight == topWeight ? FirstWeight : weight + 1;
  }
  return (Mod11 - sum % Mod11) % Mod11;
}

// Whether the digits end in a check digit of those before: modulo 10, or
// modulo 11 with either weighting, whose value 10 is drawn as the digits 10.
bool MsiCheckHolds(std::string_view digits) {
  const std::string_view data = digits.substr(0, digits.size() - 1);
  const int check = digits.back() - '0';
  if (check == Mod10Check(data) || check == Mod11Check(data, IbmTopWeight) || check == Mod11Check(data, NcrTopWeight))
    return true;
  if (digits.size() <= Mod11TenDrawn.size() || !digits.ends_with(Mod11TenDrawn)) return false;
  const std::string_view before = digits.substr(0, digits.size() - Mod11TenDrawn.size());
  return Mod11Check(before, IbmTopWeight) == Mod10 || Mod11Check(before, NcrTopWeight) == Mod10;
}

// The characters, their check required or not.
std::optional<TDecoded> ReadPlessey(std::span<const double> widths, bool checked) {
  const auto read = ReadPlesseyBits(widths);
  if (!read || read->DataBits % BitsPerHexDigit != 0 ||
      read->DataBits / BitsPerHexDigit <= (checked ? CheckCharacters : 0))
    return std::nullopt;
  const std::string_view data = std::string_view(read->Bits).substr(PlesseyStart.size(), read->DataBits);
  if (checked && !CrcHolds(data)) return std::nullopt;
  std::string text;
  text.reserve(data.size() / BitsPerHexDigit);
  for (std::size_t c = 0; c < data.size(); c += BitsPerHexDigit) {
    std::size_t value = 0;
    for (std::size_t b = 0; b < BitsPerHexDigit; ++b) value |= static_cast<std::size_t>(data[c + b] == '1') << b;
    text += HexDigits[value];
  }
  return TDecoded{text, read->Decodability};
}

std::optional<TDecoded> ReadMsi(std::span<const double> widths, bool checked) {
  const std::size_t frame = MsiStartElements + MsiStopElements;
  if (widths.size() < frame + 2 * ElementsPerDigit || (widths.size() - frame) % ElementsPerDigit != 0)
    return std::nullopt;
  const std::size_t stop = widths.size() - MsiStopElements;
  const std::vector<double> ends{widths[0], widths[1], widths[stop], widths[stop + 1], widths[stop + 2]};
  TDecoded decoded{"", TwoWidthDecodability(ends, MsiEndsPattern)};
  if (!(decoded.Decodability > 0)) return std::nullopt;
  for (std::size_t d = MsiStartElements; d < stop; d += ElementsPerDigit) {
    const auto digit = ClassifyTwoWidth(widths.subspan(d, ElementsPerDigit), WidesPerDigit);
    if (!digit) return std::nullopt;
    int value = 0;
    for (std::size_t b = 0; b < BitsPerDigit; ++b) {
      const std::string_view bit = std::string_view(digit->Pattern).substr(2 * b, 2);
      if (bit != "wn" && bit != "nw") return std::nullopt;
      value = 2 * value + (bit == "wn" ? 1 : 0);
    }
    if (value >= Mod10) return std::nullopt;
    decoded.Text += static_cast<char>('0' + value);
    decoded.Decodability = std::min(decoded.Decodability, digit->Decodability);
  }
  if (checked && !MsiCheckHolds(decoded.Text)) return std::nullopt;
  return decoded;
}

}  // namespace

std::optional<TDecoded> DecodePlessey(std::span<const double> widths) { return ReadPlessey(widths, true); }
std::optional<TDecoded> DecodePlesseyUnchecked(std::span<const double> widths) { return ReadPlessey(widths, false); }
std::optional<TDecoded> DecodeMsi(std::span<const double> widths) { return ReadMsi(widths, true); }
std::optional<TDecoded> DecodeMsiUnchecked(std::span<const double> widths) { return ReadMsi(widths, false); }

}  // namespace tessel
