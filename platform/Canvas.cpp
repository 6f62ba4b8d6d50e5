#include "platform/Canvas.h"

#include <cstdint>
#include <cstdlib>

namespace tessel {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t p = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = std::llabs(c) / 2;
  const std::int64_t q = ((p < 0) != (c < 0)) ? (p - half) / c : (p + half) / c;
  return static_cast<int>(q);
}

void TCanvas::SelectFont(const TFont& font, int escapement) {
  Font.Name = font.Name();
  Font.Height = -MulDiv(font.Size(), PixelsPerInchY(), 72);
  Font.Escapement = escapement;
  Font.Style = font.Style();
  Font.Charset = font.Charset();
  Font.Color = font.Color();
}

}  // namespace tessel
