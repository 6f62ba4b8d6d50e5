#include "symbologies/pFourStateRS.h"

#include <algorithm>
#include <array>

namespace tessel {
namespace {

constexpr int BarsPerSymbol = 3;
// A bar value's line: full bar, ascender, descender, tracker.
constexpr std::string_view BarLines = "ITLH";
constexpr std::string_view StartBars = "13", StopBars = "13";
constexpr char BarGap = '0';

int BarValue(char Bar) { return Bar - '0'; }

}  // namespace

TRSParity FourStateParity(std::string_view Bars, int N, const TRSTables& Tables) {
  const std::size_t count = Bars.size() / BarsPerSymbol;
  if (Bars.size() % BarsPerSymbol != 0 || count > RS_MaxCodeword) return {};
  // The encoder takes the lowest-order coefficient first: the last group.
  std::array<std::uint8_t, RS_MaxCodeword> message{};
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view group = Bars.substr(i * BarsPerSymbol, BarsPerSymbol);
    if (!std::all_of(group.begin(), group.end(), [](char b) { return b >= '0' && b <= '3'; })) return {};
    message[count - 1 - i] =
        static_cast<std::uint8_t>(16 * BarValue(group[0]) + 4 * BarValue(group[1]) + BarValue(group[2]));
  }
  return RS_Encode(std::span(message.data(), count), N, Tables);
}

void AppendParityBars(std::string& Bars, const TRSParity& Parity) {
  for (int k = Parity.Count - 1; k >= 0; --k) {
    const int s = Parity.Values[k];
    Bars += BarOf(s >> 4);
    Bars += BarOf(s >> 2);
    Bars += BarOf(s);
  }
}

void AppendParityDigits(std::string& Text, const TRSParity& Parity) {
  for (int k = Parity.Count - 1; k >= 0; --k) {
    const int s = Parity.Values[k] & (RS_FieldSize - 1);
    Text += static_cast<char>('0' + s / 10);
    Text += static_cast<char>('0' + s % 10);
  }
}

std::string FourStatePattern(std::string_view Bars) {
  std::string pattern;
  pattern.reserve(2 * (StartBars.size() + Bars.size() + StopBars.size()));
  for (const std::string_view part : {StartBars, Bars, StopBars})
    for (char bar : part) {
      pattern += BarLines[static_cast<std::size_t>(BarValue(bar) & 3)];
      pattern += BarGap;
    }
  pattern.pop_back();
  return pattern;
}

std::string_view TextRange(std::string_view Text, int From, int To) {
  const int size = static_cast<int>(Text.size());
  From = std::max(From, 1);
  To = std::min(To, size);
  if (From > To) return {};
  return Text.substr(static_cast<std::size_t>(From - 1), static_cast<std::size_t>(To - From + 1));
}

}  // namespace tessel
