// TGlyphFont: the Latin-1 glyphs (0x20..0xFF) of a selected font, rendered
// once by FreeType as bilevel hinted bitmaps (what Qt draws without
// antialiasing), with the metrics Qt gives the same font: the face is the
// one fontconfig resolves for the name and style (sans-serif fallback), at a
// pixel size of |Height|. Text is measured and drawn without kerning or
// shaping, one glyph after another, with CharExtra pixels after each.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"

namespace tessel {

class TGlyphFont {
 public:
  // Glyph advances are kept in 1/64 pixel.
  static constexpr int FixedShift = 6;

  // A horizontal run of ink pixels of one glyph: columns X..X+Length-1 of
  // row Y, relative to the glyph's pen position on the top edge of the
  // text cell (Y grows downwards; the baseline is row Ascent()).
  struct TRun {
    std::int16_t X, Y, Length;
  };

  // The glyph font of a selected font (escapement and colour aside), built
  // on first use and shared by all threads. Null only when no font file at
  // all can be found.
  static std::shared_ptr<const TGlyphFont> For(const TLogFont& font);

  // The width of a Latin-1 text with charExtra pixels after every
  // character, as TCanvas::TextWidth measures it.
  int Width(std::string_view latin1, int charExtra) const;
  // Ascent plus descent, as the text cell is high.
  int Height() const { return ascent_ + descent_; }
  int Ascent() const { return ascent_; }
  int Descent() const { return descent_; }
  // The advance of one character alone, in whole pixels (0 for characters
  // below 0x20 or without a glyph in the face).
  int CharWidth(unsigned char c) const { return glyphs_[c].Width; }
  // The ink of one character, in runs (empty for blanks).
  std::span<const TRun> Runs(unsigned char c) const {
    return std::span<const TRun>(runs_).subspan(glyphs_[c].FirstRun, glyphs_[c].RunCount);
  }
  // Calls place(c, x) for every character of the text, x (a long, which
  // any text's advances fit) being the column of its pen position from the
  // text's start: natural advances summed in
  // 1/64 pixel with charExtra after each; or, with advances, character i
  // followed by advances[i] whole pixels (its CharWidth past their end), as
  // TCanvas::TextOut takes them.
  template <typename Place>
  void Layout(std::string_view latin1, int charExtra, std::span<const int> advances, Place&& place) const {
    long pen = 0;
    for (std::size_t i = 0; i < latin1.size(); ++i) {
      const auto c = static_cast<unsigned char>(latin1[i]);
      if (advances.empty()) {
        place(c, pen >> FixedShift);
        pen += glyphs_[c].Advance + (static_cast<long>(charExtra) << FixedShift);
      } else {
        place(c, pen);
        pen += i < advances.size() ? advances[i] : CharWidth(c);
      }
    }
  }

  // Underline and strike-out bars: the first row below the cell's top edge
  // and the thickness in rows.
  int UnderlineTop() const { return underlineTop_; }
  int StrikeOutTop() const { return strikeOutTop_; }
  int LineThickness() const { return lineThickness_; }

  // The face file and its index in the file (collections), for writers that
  // embed or outline it.
  const std::string& File() const { return file_; }
  int FaceIndex() const { return faceIndex_; }
  // The family name of the resolved face.
  const std::string& Family() const { return family_; }
  // The em size in pixels (|Height| of the selected font, at least 1).
  int PixelSize() const { return pixelSize_; }
  // Whether bold or italic was asked for and the resolved face lacks it, so
  // that the glyphs here are emboldened or slanted synthetically (as Qt
  // does it); a writer that uses the face must do the same.
  bool Bold() const { return syntheticBold_; }
  bool Italic() const { return syntheticItalic_; }

  TGlyphFont(const TGlyphFont&) = delete;
  TGlyphFont& operator=(const TGlyphFont&) = delete;

 private:
  friend class TGlyphFontBuilder;
  TGlyphFont() = default;

  struct TGlyph {
    int Advance = 0;  // in 1/64 pixel
    int Width = 0;    // Advance rounded to whole pixels
    int FirstRun = 0, RunCount = 0;
  };

  std::array<TGlyph, 256> glyphs_{};
  std::vector<TRun> runs_;
  int ascent_ = 0, descent_ = 0;
  int underlineTop_ = 0, strikeOutTop_ = 0, lineThickness_ = 1;
  std::string file_;
  int faceIndex_ = 0;
  std::string family_;
  int pixelSize_ = 1;
  bool syntheticBold_ = false, syntheticItalic_ = false;
};

}  // namespace tessel
