// The pixels of a line of text in an image: the glyphs of a TGlyphFont laid
// out from the top-left corner of the text cell, underlined and struck out
// as the font says, turned counter-clockwise around that corner by an
// escapement in tenths of a degree. Right angles turn the glyph pixels
// exactly; other angles sample the text's pixel mask at each image pixel's
// centre.
#pragma once

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "platform/raster/GlyphFont.h"
#include "platform/raster/ScanConvert.h"

namespace tessel {

struct TTextLine {
  const TGlyphFont& Glyphs;
  std::string_view Text;  // Latin-1
  int CharExtra = 0;
  std::span<const int> Advances;  // as TCanvas::TextOut takes them
  bool Underline = false, StrikeOut = false;
};

// A run of ink in text space: columns U0..U1-1 of row V, from the cell's
// top-left corner (V grows downwards).
struct TInkRun {
  long long U0, U1;
  int V;
};

// Visits the glyph runs of the text, then the underline and strike-out bars.
template <typename Visit>
void ForEachInkRun(const TTextLine& line, Visit visit) {
  long long end = 0;  // where the last character's advance ends
  line.Glyphs.Layout(line.Text, line.CharExtra, line.Advances, [&](unsigned char c, long long x) {
    for (const TGlyphFont::TRun& r : line.Glyphs.Runs(c)) visit(TInkRun{x + r.X, x + r.X + r.Length, r.Y});
    end = x + line.Glyphs.CharWidth(c) + (line.Advances.empty() ? line.CharExtra : 0);
  });
  const auto bar = [&](int top) {
    for (int v = top; v < top + line.Glyphs.LineThickness(); ++v) visit(TInkRun{0, end, v});
  };
  if (line.Underline) bar(line.Glyphs.UnderlineTop());
  if (line.StrikeOut) bar(line.Glyphs.StrikeOutTop());
}

// Whether text at this escapement is upright (a whole number of turns).
inline bool UprightText(int escapement) { return escapement % 3600 == 0; }

// Calls fill(y, left, right) for the pixels left..right-1 of row y, clipped,
// of every run of ink of upright text whose cell's top-left corner is at:
// the pixels TextInk gives at escapement 0, without collecting them.
template <typename Fill>
void ForEachUprightInk(const TTextLine& line, TPoint at, TClip clip, Fill fill) {
  ForEachInkRun(line, [&](const TInkRun& r) {
    const long long y = 1LL * at.Y + r.V;
    if (y < 0 || y >= clip.Height) return;
    const long long left = std::max<long long>(at.X + r.U0, 0), right = std::min<long long>(at.X + r.U1, clip.Width);
    if (left < right) fill(static_cast<int>(y), static_cast<int>(left), static_cast<int>(right));
  });
}

// Appends the ink pixels of the text whose cell's top-left corner is at.
void TextInk(const TTextLine& line, TPoint at, int escapement, TClip clip, std::vector<TSpan>& spans);
// Appends the pixels of a text cell width x height pixels at the same place.
void TextCell(int width, int height, TPoint at, int escapement, TClip clip, std::vector<TSpan>& spans);

}  // namespace tessel
