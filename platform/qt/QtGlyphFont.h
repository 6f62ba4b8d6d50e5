// TQtGlyphFont: the ASCII glyphs of a selected font rasterised once, as
// Qt's painter draws them without antialiasing, so that upright text can be
// measured and drawn straight into an image buffer with the same pixels as
// TQtCanvas gives, without a painter or text shaping per call.
#pragma once

#include <QRgb>
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"

class QFont;
class QRawFont;

namespace tessel {

class TQtGlyphFont {
 public:
  // The glyph font of a selected font (its escapement and colour aside),
  // built on first use and shared by all threads; null when text in that
  // font cannot be drawn this way with pixels identical to the painter's
  // (underlined or struck-out fonts, glyphs that are not bilevel, or a font
  // whose drawn text does not match its glyphs drawn one by one).
  static std::shared_ptr<const TQtGlyphFont> For(const TLogFont& font);

  // Whether every character of the text has a glyph here (printable ASCII
  // in the font itself, no fallback font, no control code).
  bool Covers(std::string_view text) const;
  // The painter's measures of a covered text with charExtra pixels after
  // every character.
  int Width(std::string_view text, int charExtra) const;
  int Height() const { return height_; }
  // The natural width of one character (TQtCanvas's advance for characters
  // without a given advance).
  int CharWidth(char c) const { return glyphs_[static_cast<unsigned char>(c)].Width; }

  // Draws a covered text whose cell's top-left corner is at (x, y) into a
  // buffer of RGB32 (QRgb) or 8-bit indexed (uchar) pixels, clipped to it;
  // advances as TCanvas::TextOut takes them.
  template <typename Pixel>
  void Draw(uchar* bits, qsizetype bytesPerLine, int width, int height, int x, int y, std::string_view text,
            int charExtra, std::span<const int> advances, Pixel value) const;

  TQtGlyphFont(const TQtGlyphFont&) = delete;
  TQtGlyphFont& operator=(const TQtGlyphFont&) = delete;

 private:
  TQtGlyphFont() = default;

  // A horizontal run of glyph pixels, relative to the pen position on the
  // cell's top edge.
  struct TRun {
    std::int16_t X, Y, Length;
  };
  struct TGlyph {
    bool Covered = false;
    int Advance = 0;  // in 1/64 pixel, as the painter positions glyphs
    int Width = 0;    // the advance rounded, as a single character measures
    int FirstRun = 0, RunCount = 0;
  };

  bool Build(const TLogFont& font);
  void UncoverJoiningCharacters(const QFont& font, const QRawFont& raw);
  bool Matches(const TLogFont& font) const;
  template <typename Pixel>
  void DrawGlyph(uchar* bits, qsizetype bytesPerLine, int width, int height, int penX, int top, char c,
                 Pixel value) const;

  std::array<TGlyph, 256> glyphs_{};
  std::vector<TRun> runs_;
  int height_ = 0;
};

}  // namespace tessel
