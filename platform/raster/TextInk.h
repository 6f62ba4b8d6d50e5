// The pixels of a line of text in an image: the glyphs of a TGlyphFont laid
// out from the top-left corner of the text cell, underlined and struck out
// as the font says, turned counter-clockwise around that corner by an
// escapement in tenths of a degree. Right angles turn the glyph pixels
// exactly; other angles sample the text's pixel mask at each image pixel's
// centre.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "platform/raster/ScanConvert.h"

namespace tessel {

class TGlyphFont;

struct TTextLine {
  const TGlyphFont& Glyphs;
  std::string_view Text;  // Latin-1
  int CharExtra = 0;
  std::span<const int> Advances;  // as TCanvas::TextOut takes them
  bool Underline = false, StrikeOut = false;
};

// Appends the ink pixels of the text whose cell's top-left corner is at.
void TextInk(const TTextLine& line, TPoint at, int escapement, TClip clip, std::vector<TSpan>& spans);
// Appends the pixels of a text cell width x height pixels at the same place.
void TextCell(int width, int height, TPoint at, int escapement, TClip clip, std::vector<TSpan>& spans);

}  // namespace tessel
