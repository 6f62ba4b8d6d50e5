#include "reader/decoders/Code128.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reader/decoders/ModuleReader.h"

namespace tessel {
namespace {

// ISO/IEC 15417, the symbol character table: the six elements of values 0
// to 105 in modules, bar first.
constexpr std::array<std::string_view, 106> Characters{
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",  // 0-9
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",  // 10-19
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",  // 20-29
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",  // 30-39
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",  // 40-49
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",  // 50-59
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",  // 60-69
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",  // 70-79
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",  // 80-89
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",  // 90-99
    "114131", "311141", "411131", "211412", "211214", "211232",                                          // 100-105
};
// ISO/IEC 15417, the stop pattern: the stop character and the final bar.
constexpr std::array<std::string_view, 1> Stop{"2331112"};
constexpr int CharacterModules = PatternModules(Characters.front()), StopModules = PatternModules(Stop.front());
constexpr std::size_t CharacterElements = 6;
constexpr int StartA = 103;  // Start A, B and C are 103 to 105
constexpr int CheckModulus = 103;
constexpr std::size_t StartAndCheck = 2;  // characters besides the data

enum TCodeSet : std::size_t { CodeSetA, CodeSetB, CodeSetC };
enum TFunction : std::size_t { Fnc1, Fnc2, Fnc3, Fnc4, Shift, CodeA, CodeB, CodeC };

// ISO/IEC 15417: the meaning of values 96 to 102 in code sets A and B, and
// of values 100 to 102 in code set C (below 100 a pair of digits).
constexpr int FirstFunctionAB = 96, FirstFunctionC = 100;
constexpr std::array<std::array<TFunction, 7>, 2> FunctionsAB{{
    {Fnc3, Fnc2, Shift, CodeC, CodeB, Fnc4, Fnc1},
    {Fnc3, Fnc2, Shift, CodeC, Fnc4, CodeA, Fnc1},
}};
constexpr std::array<TFunction, 3> FunctionsC{CodeB, CodeA, Fnc1};
// ISO/IEC 15417: code set A's characters are ASCII 32 to 95 for values 0
// to 63 and ASCII 0 to 31 for values 64 to 95; code set B's are ASCII 32
// to 127 for values 0 to 95.
constexpr int AsciiOffset = 32, FirstControlValue = 64;
constexpr int ExtendedBit = 0x80;  // FNC4 adds 128 to a character

// How the class writes each function in its text, in TFunction's order.
constexpr std::array<std::string_view, 8> Escapes{"\\1", "\\2", "\\3", "\\4", "\\s", "\\a", "\\b", "\\c"};
constexpr char Backslash = '\\';
constexpr int Decimal = 10;

// The values of a symbol from start character to check character, and the
// lowest margin of its characters.
struct TValues {
  std::vector<std::size_t> Values;
  double Decodability = 0;
};

std::optional<TValues> ReadValues(std::span<const double> widths, bool checked) {
  const std::size_t stopElements = Stop.front().size();
  if (widths.size() < stopElements || (widths.size() - stopElements) % CharacterElements != 0) return std::nullopt;
  const std::size_t characters = (widths.size() - stopElements) / CharacterElements;
  if (characters < (checked ? StartAndCheck : StartAndCheck - 1)) return std::nullopt;
  TModuleReader reader(widths, static_cast<int>(characters) * CharacterModules + StopModules);
  TValues symbol;
  symbol.Values.reserve(characters);
  for (std::size_t k = 0; k < characters; ++k) {
    const auto value = reader.Character(Characters, CharacterModules);
    if (!value || (k == 0) != (*value >= StartA)) return std::nullopt;
    symbol.Values.push_back(*value);
  }
  if (!reader.Character(Stop, StopModules) || !reader.AtEnd()) return std::nullopt;
  std::size_t sum = symbol.Values.front();
  for (std::size_t k = 1; k + 1 < characters; ++k) sum += k * symbol.Values[k];
  if (checked && sum % CheckModulus != symbol.Values.back()) return std::nullopt;
  symbol.Decodability = reader.Decodability();
  return symbol;
}

// A character of the text, a backslash written twice.
std::string Written(int character) {
  const char c = static_cast<char>(character);
  return c == Backslash ? std::string(2, Backslash) : std::string(1, c);
}

int AsciiOf(std::size_t value, TCodeSet set) {
  const int v = static_cast<int>(value);
  return set == CodeSetA && v >= FirstControlValue ? v - FirstControlValue : v + AsciiOffset;
}

std::string DigitPair(std::size_t value) {
  return {static_cast<char>('0' + value / Decimal), static_cast<char>('0' + value % Decimal)};
}

// The function a value below 103 (ReadValues allows no other after the
// start character) stands for in a code set; none for data.
std::optional<TFunction> FunctionOf(std::size_t value, TCodeSet set) {
  if (set == CodeSetC) {
    if (value < FirstFunctionC) return std::nullopt;
    return FunctionsC[value - FirstFunctionC];
  }
  if (value < FirstFunctionAB) return std::nullopt;
  return FunctionsAB[set][value - FirstFunctionAB];
}

// The data values read as text from the start character's code set; and
// the code set in force after them.
struct TText {
  std::string Text;
  TCodeSet Final = CodeSetA;
};

class TInterpreter {
 public:
  explicit TInterpreter(TCodeSet start) { text_.Final = start; }

  void Read(std::size_t value) {
    const TCodeSet set = shifted_ ? (text_.Final == CodeSetA ? CodeSetB : CodeSetA) : text_.Final;
    shifted_ = false;
    const auto function = FunctionOf(value, set);
    if (!function) {
      if (set == CodeSetC) {
        text_.Text += DigitPair(value);
      } else {
        const bool extended = extended_ != fnc4_;
        text_.Text += Written(AsciiOf(value, set) | (extended ? ExtendedBit : 0));
        fnc4_ = false;
      }
      return;
    }
    if (*function != Fnc4) FlushFnc4();
    switch (*function) {
      case CodeA: text_.Final = CodeSetA; break;
      case CodeB: text_.Final = CodeSetB; break;
      case CodeC: text_.Final = CodeSetC; break;
      case Shift: shifted_ = true; break;
      case Fnc4:
        // Two in a row latch or unlatch characters 128 to 255.
        if (fnc4_) extended_ = !extended_;
        fnc4_ = !fnc4_;
        break;
      default: text_.Text += Escapes[*function];
    }
  }

  TText Finish() {
    FlushFnc4();
    return text_;
  }

 private:
  // An FNC4 that changed no character stays in the text as written.
  void FlushFnc4() {
    if (fnc4_) text_.Text += Escapes[Fnc4];
    fnc4_ = false;
  }

  TText text_;
  bool shifted_ = false, fnc4_ = false, extended_ = false;
};

TText Interpret(std::span<const std::size_t> data, std::size_t start) {
  TInterpreter interpreter(static_cast<TCodeSet>(start - StartA));
  for (const std::size_t value : data) interpreter.Read(value);
  return interpreter.Finish();
}

// The check character as the class writes it in the final code set.
std::string CheckText(std::size_t check, TCodeSet set) {
  if (const auto function = FunctionOf(check, set)) return std::string(Escapes[*function]);
  return set == CodeSetC ? DigitPair(check) : Written(AsciiOf(check, set));
}

// The data values: after the start character, before the check character
// when there is one.
std::span<const std::size_t> DataOf(const TValues& symbol, bool checked) {
  return std::span(symbol.Values).subspan(1, symbol.Values.size() - (checked ? StartAndCheck : StartAndCheck - 1));
}

std::optional<TDecoded> ReadCode128(std::span<const double> widths, bool checked) {
  const auto symbol = ReadValues(widths, checked);
  if (!symbol) return std::nullopt;
  const TText text = Interpret(DataOf(*symbol, checked), symbol->Values.front());
  if (!checked) return TDecoded{text.Text, symbol->Decodability};
  return TDecoded{text.Text + CheckText(symbol->Values.back(), text.Final), symbol->Decodability};
}

}  // namespace

std::optional<TDecoded> DecodeCode128(std::span<const double> Widths) { return ReadCode128(Widths, true); }
std::optional<TDecoded> DecodeCode128Unchecked(std::span<const double> Widths) { return ReadCode128(Widths, false); }

std::optional<TDecoded> DecodeEan128(std::span<const double> Widths) {
  const auto symbol = ReadValues(Widths, true);
  if (!symbol) return std::nullopt;
  const auto data = DataOf(*symbol, true);
  // FNC1 has the same value in every code set.
  if (data.empty() || FunctionOf(data.front(), CodeSetC) != Fnc1) return std::nullopt;
  return TDecoded{Interpret(data.subspan(1), symbol->Values.front()).Text, symbol->Decodability};
}

}  // namespace tessel
