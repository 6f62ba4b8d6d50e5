#include "engine/SymbolTestSupport.h"

#include <gtest/gtest.h>

#include "symbologies/pCode128.h"

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

std::vector<int> PatternValues(std::string pattern) {
  for (char& c : pattern)
    if (c >= 'a') c = static_cast<char>(c - 49);
  std::vector<int> values;
  for (std::size_t i = 0; i + 6 < pattern.size(); i += 6) {
    std::string widths;
    for (std::size_t k = i; k < i + 6; ++k) widths += static_cast<char>(k % 2 == 0 ? pattern[k] - 4 : pattern[k] + 1);
    int value = -1;
    for (int v = 0; v < 107; ++v)
      if (Tabelle_Code128[v] == widths) value = v;
    values.push_back(value);
  }
  return values;
}

}  // namespace tessel::testing
