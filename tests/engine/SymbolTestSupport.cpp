#include "engine/SymbolTestSupport.h"

#include <gtest/gtest.h>

namespace tessel::testing {

const char* const SetA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                              "0110001", "0101111", "0111011", "0110111", "0001011"};
const char* const SetB[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                              "0111001", "0000101", "0010001", "0001001", "0010111"};

std::string SetC(int digit) {
  std::string s = SetA[digit];
  for (char& c : s) c = c == '0' ? '1' : '0';
  return s;
}

std::string Modules(const std::string& pattern) {
  std::string bits;
  for (char c : pattern) {
    if (c >= '0' && c <= '3')
      bits.append(c - '0' + 1, '0');
    else if (c >= '5' && c <= '8')
      bits.append(c - '5' + 1, '1');
    else
      bits += '?';
  }
  return bits;
}

TEncoded Encode(TBarcode& bc, const std::string& text, bool autoCheckDigit) {
  TEncoded e;
  e.Pattern = bc.MakeData(text, autoCheckDigit, e.FullEncoded);
  return e;
}

std::string ShownText(TBarcode& bc, TDisplayText display) {
  bc.SetDisplayText(display);
  TRecordingCanvas canvas(900, 200);
  EXPECT_EQ(bc.DrawTo(canvas, 1, 0, 0, 60, 0), 0);
  return canvas.Texts.empty() ? std::string() : canvas.Texts.back().Text;
}

std::vector<TRect> LastBoxes(const TRecordingCanvas& canvas, std::size_t count) {
  std::vector<TRect> boxes;
  for (std::size_t i = canvas.Polygons.size() - count; i < canvas.Polygons.size(); ++i)
    boxes.push_back(canvas.Polygons[i].Box());
  return boxes;
}

namespace {

// The Code 128 symbol characters by value as ISO/IEC 15417 prints them:
// module widths of bar, space, bar, space, bar, space (test data, kept apart
// from the encoder's own table so that a wrong row there shows).
constexpr const char* Code128Widths[107] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",  // 0
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",  // 10
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",  // 20
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",  // 30
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",  // 40
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",  // 50
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",  // 60
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",  // 70
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",  // 80
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",  // 90
    "114131", "311141", "411131", "211412", "211214", "211232", "233111",                                // 100
};

}  // namespace

std::vector<int> PatternValues(const std::string& pattern) {
  // Line characters to module widths: bars '5'..'8' and spaces '0'..'3' are
  // one to four modules; the composite kinds 'f'..'i' and 'a'..'d' as their plain ones.
  std::string widths;
  for (char c : pattern) {
    if (c >= 'a') c = static_cast<char>(c - 'a' + '0');
    widths += static_cast<char>('1' + (c >= '5' ? c - '5' : c - '0'));
  }
  std::vector<int> values;
  for (std::size_t i = 0; i + 6 < widths.size(); i += 6) {
    const std::string character = widths.substr(i, 6);
    int value = -1;
    for (int v = 0; v < 107; ++v)
      if (character == Code128Widths[v]) value = v;
    values.push_back(value);
  }
  return values;
}

}  // namespace tessel::testing
