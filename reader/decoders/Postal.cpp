#include "reader/decoders/Postal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "reader/decoders/BarStates.h"

namespace tessel {
namespace {

// USPS Publication 25, the POSTNET digit codes: '1' a full bar, '0' a half
// bar, indexed by the digit; PLANET draws each code inverted.
constexpr std::array<std::string_view, 10> PostNetCodes{"11000", "00011", "00101", "00110", "01001",
                                                        "01010", "01100", "10001", "10010", "10100"};
constexpr std::size_t BarsPerDigit = 5;
constexpr std::size_t FrameBars = 2;  // a full bar before and after the digits

// USPS DMM 708, the Facing Identification Marks: nine bar positions each,
// '1' where a bar stands, for the letters A to D.
constexpr std::array<std::string_view, 4> FimMarks{"110010011", "101101101", "110101011", "111010111"};
constexpr char FirstFim = 'A';
constexpr int FimPositions = 9;

// The digits of full and half bars between two frame bars; Tall is the
// code character a full bar stands for.
std::optional<TDecoded> DecodeHalfBars(std::span<const TBar> bars, char tall) {
  const auto states = ClassifyBars(bars);
  if (!states || bars.size() < FrameBars + BarsPerDigit || (bars.size() - FrameBars) % BarsPerDigit != 0)
    return std::nullopt;
  const std::string& s = states->States;
  if (s.front() != FullBar || s.back() != FullBar) return std::nullopt;
  const char shortBar = tall == '1' ? '0' : '1';
  std::string code;
  code.reserve(s.size());
  for (const char state : s) {
    if (state != FullBar && state != Descender) return std::nullopt;  // half bars stand on the baseline
    code.push_back(state == FullBar ? tall : shortBar);
  }
  TDecoded decoded{"", states->Decodability};
  for (std::size_t at = 1; at + FrameBars <= code.size(); at += BarsPerDigit) {
    const auto digit = std::find(PostNetCodes.begin(), PostNetCodes.end(), code.substr(at, BarsPerDigit));
    if (digit == PostNetCodes.end()) return std::nullopt;
    decoded.Text.push_back(static_cast<char>('0' + (digit - PostNetCodes.begin())));
  }
  return decoded;
}

}  // namespace

std::optional<TDecoded> DecodePostNet(std::span<const TBar> Bars) { return DecodeHalfBars(Bars, '1'); }

std::optional<TDecoded> DecodePlanet(std::span<const TBar> Bars) { return DecodeHalfBars(Bars, '0'); }

// The bars stand on FimPositions positions from the first to the last, one
// pitch apart; the margin is how far a centre stays from halfway between
// two positions, relative to half a pitch.
std::optional<TDecoded> DecodeFim(std::span<const TBar> Bars) {
  const auto states = ClassifyBars(Bars);
  if (!states || Bars.size() < 2 || states->States.find_first_not_of(FullBar) != std::string::npos) return std::nullopt;
  const double pitch = (Bars.back().Centre - Bars.front().Centre) / (FimPositions - 1);
  if (!(pitch > 0)) return std::nullopt;
  std::string mark(FimPositions, '0');
  double margin = 1;
  for (const TBar& bar : Bars) {
    const double position = (bar.Centre - Bars.front().Centre) / pitch;
    const long nearest = std::lround(position);
    if (nearest < 0 || nearest >= FimPositions || mark[static_cast<std::size_t>(nearest)] == '1') return std::nullopt;
    mark[static_cast<std::size_t>(nearest)] = '1';
    margin = std::min(margin, 1 - 2 * std::abs(position - static_cast<double>(nearest)));
  }
  const auto found = std::find(FimMarks.begin(), FimMarks.end(), mark);
  if (found == FimMarks.end()) return std::nullopt;
  return TDecoded{std::string(1, static_cast<char>(FirstFim + (found - FimMarks.begin()))), margin};
}

}  // namespace tessel
