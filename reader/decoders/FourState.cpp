#include "reader/decoders/FourState.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "reader/decoders/BarStates.h"

namespace tessel {
namespace {

// Royal Mail, the RM4SCC character table: the 36 characters stand in a six
// by six arrangement in this order; a character's row gives its four bars'
// ascenders and its column their descenders, each one of the six ways of
// choosing two bars of four, in this order ('1' where the bar has the part).
constexpr std::string_view Characters = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::array<std::string_view, 6> TwoOfFour{"0011", "0101", "0110", "1001", "1010", "1100"};
constexpr std::size_t BarsPerCharacter = 4;
// RM4SCC frames the characters with an ascender before and a full bar after.
constexpr char Rm4sccStart = Ascender, Rm4sccStop = FullBar;

std::optional<char> CharacterOf(std::string_view states) {
  std::string ascenders, descenders;
  for (const char state : states) {
    ascenders.push_back(HasAscender(state) ? '1' : '0');
    descenders.push_back(HasDescender(state) ? '1' : '0');
  }
  const auto row = std::find(TwoOfFour.begin(), TwoOfFour.end(), ascenders);
  const auto column = std::find(TwoOfFour.begin(), TwoOfFour.end(), descenders);
  if (row == TwoOfFour.end() || column == TwoOfFour.end()) return std::nullopt;
  return Characters[static_cast<std::size_t>((row - TwoOfFour.begin()) * TwoOfFour.size() +
                                             (column - TwoOfFour.begin()))];
}

std::optional<std::string> CharactersOf(std::string_view states) {
  if (states.empty() || states.size() % BarsPerCharacter != 0) return std::nullopt;
  std::string text;
  text.reserve(states.size() / BarsPerCharacter);
  for (std::size_t at = 0; at < states.size(); at += BarsPerCharacter) {
    const auto character = CharacterOf(states.substr(at, BarsPerCharacter));
    if (!character) return std::nullopt;
    text.push_back(*character);
  }
  return text;
}

}  // namespace

std::optional<TDecoded> DecodeKix(std::span<const TBar> Bars) {
  const auto states = ClassifyBars(Bars);
  if (!states) return std::nullopt;
  auto text = CharactersOf(states->States);
  if (!text) return std::nullopt;
  return TDecoded{std::move(*text), states->Decodability};
}

std::optional<TDecoded> DecodeRm4scc(std::span<const TBar> Bars) {
  const auto states = ClassifyBars(Bars);
  if (!states || states->States.size() < 2 || states->States.front() != Rm4sccStart ||
      states->States.back() != Rm4sccStop)
    return std::nullopt;
  auto text = CharactersOf(std::string_view(states->States).substr(1, states->States.size() - 2));
  if (!text) return std::nullopt;
  return TDecoded{std::move(*text), states->Decodability};
}

}  // namespace tessel
