#include "platform/raster/GlyphFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>
#include <mutex>
#include <tuple>

#include "platform/raster/FontResolver.h"

namespace tessel {
namespace {

// Advances are summed in FreeType's fixed point, 1/64 of a pixel, as Qt
// positions glyphs without hinted advances; a text measures its width
// rounded to the nearest pixel and each glyph stands at the whole pixel its
// position lies in.
constexpr int FixedShift = 6;
static_assert(FixedShift == TGlyphFont::FixedShift);
constexpr long FixedOne = 1L << FixedShift;
constexpr long FixedHalf = FixedOne / 2;
constexpr int RoundedPixels(long fixed) { return static_cast<int>((fixed + FixedHalf) >> FixedShift); }
// FreeType's linear advances are 16.16.
constexpr int LinearToFixedShift = 10;

constexpr unsigned char FirstCharacter = 0x20;
// Larger fonts are still rendered, at this size at most: the glyphs of a
// larger one would take more memory than a barcode's text is worth.
constexpr int MaxPixelSize = 1024;
// The OS/2 table's flag for fonts whose typographic metrics are the line's.
constexpr unsigned UseTypoMetrics = 0x80;
// Strike-out sits a third of the ascent above the baseline, as Qt draws it.
constexpr int StrikeOutAscentDivisor = 3;

// font units * pixelSize / unitsPerEm in 1/64 pixel, rounded.
long ScaledFixed(long units, int pixelSize, long unitsPerEm) {
  const long numerator = units * pixelSize * FixedOne * FixedOne;
  const long denominator = unitsPerEm * FixedOne;
  const long half = denominator / 2;
  return numerator >= 0 ? (numerator + half) / denominator : -((-numerator + half) / denominator);
}

// The selected fonts that draw with the same glyphs share one entry.
using TFontKey = std::tuple<std::string, int, int>;
TFontKey KeyOf(const TLogFont& font) {
  int style = 0;
  for (TFontStyle s : {TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline, TFontStyle::fsStrikeOut})
    style = style * 2 + (font.Style.Contains(s) ? 1 : 0);
  // |Height| in 64 bits: the most negative height has no positive int.
  const long long pixelSize = std::clamp(std::llabs(font.Height), 1LL, 1LL * MaxPixelSize);
  return {font.Name, static_cast<int>(pixelSize), style};
}

}  // namespace

// Renders the glyphs of one face into a TGlyphFont.
class TGlyphFontBuilder {
 public:
  TGlyphFontBuilder(FT_Face face, TGlyphFont& font) : face_(face), font_(font) {}

  void Build() {
    SetLineMetrics();
    SetDecorationMetrics();
    for (int code = FirstCharacter; code <= std::numeric_limits<unsigned char>::max(); ++code) AddGlyph(code);
  }

 private:
  // Ascent and descent as Qt takes them: the OS/2 table's (typographic
  // when the font asks for them, else Windows'), else the horizontal
  // header's, else FreeType's; each rounded to whole pixels.
  void SetLineMetrics() {
    long ascent = face_->size->metrics.ascender, descent = -face_->size->metrics.descender;
    const long unitsPerEm = face_->units_per_EM;
    const int px = font_.pixelSize_;
    if (FT_IS_SFNT(face_) && unitsPerEm > 0) {
      const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face_, FT_SFNT_HHEA));
      if (hhea && (hhea->Ascender != 0 || hhea->Descender != 0)) {
        ascent = ScaledFixed(hhea->Ascender, px, unitsPerEm);
        descent = -ScaledFixed(hhea->Descender, px, unitsPerEm);
      }
      const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
      if (os2 && os2->version != 0xFFFF) {
        if (os2->fsSelection & UseTypoMetrics) {
          if (os2->sTypoAscender != 0 || os2->sTypoDescender != 0) {
            ascent = ScaledFixed(os2->sTypoAscender, px, unitsPerEm);
            descent = -ScaledFixed(os2->sTypoDescender, px, unitsPerEm);
          }
        } else if (os2->usWinAscent != 0 || os2->usWinDescent != 0) {
          ascent = ScaledFixed(os2->usWinAscent, px, unitsPerEm);
          descent = ScaledFixed(os2->usWinDescent, px, unitsPerEm);
        }
      }
    }
    font_.ascent_ = RoundedPixels(ascent);
    font_.descent_ = RoundedPixels(descent);
  }

  // Underline and strike-out bars: FreeType's underline position and
  // thickness scaled, at least one pixel thick.
  void SetDecorationMetrics() {
    const FT_Fixed scale = face_->size->metrics.y_scale;
    const int thickness = std::max(1, RoundedPixels(FT_MulFix(face_->underline_thickness, scale)));
    const int below = std::max(1, RoundedPixels(-FT_MulFix(face_->underline_position, scale)));
    font_.lineThickness_ = thickness;
    font_.underlineTop_ = font_.ascent_ + below - thickness / 2;
    font_.strikeOutTop_ = font_.ascent_ - font_.ascent_ / StrikeOutAscentDivisor - thickness / 2;
  }

  void AddGlyph(int code) {
    const FT_UInt index = FT_Get_Char_Index(face_, static_cast<FT_ULong>(code));
    if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_TARGET_MONO) != 0) return;
    FT_GlyphSlot slot = face_->glyph;
    if (font_.syntheticItalic_) FT_GlyphSlot_Oblique(slot);
    if (font_.syntheticBold_) FT_GlyphSlot_Embolden(slot);
    TGlyphFont::TGlyph& glyph = font_.glyphs_[code];
    glyph.Advance = slot->linearHoriAdvance >> LinearToFixedShift;
    if (font_.syntheticBold_) glyph.Advance = static_cast<int>(std::max<long>(glyph.Advance, slot->advance.x));
    glyph.Width = RoundedPixels(glyph.Advance);
    glyph.FirstRun = static_cast<int>(font_.runs_.size());
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) == 0) AddRuns(slot->bitmap, slot->bitmap_left, slot->bitmap_top);
    glyph.RunCount = static_cast<int>(font_.runs_.size()) - glyph.FirstRun;
  }

  // The set bits of a bilevel bitmap, row by row, as runs.
  void AddRuns(const FT_Bitmap& bitmap, int left, int top) {
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return;
    constexpr int BitsPerByte = 8, HighBit = 0x80;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      const unsigned char* bits = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
      const auto set = [bits](unsigned x) { return (bits[x / BitsPerByte] & (HighBit >> (x % BitsPerByte))) != 0; };
      for (unsigned x = 0; x < bitmap.width;) {
        if (!set(x)) {
          ++x;
          continue;
        }
        const unsigned start = x;
        while (x < bitmap.width && set(x)) ++x;
        font_.runs_.push_back({static_cast<std::int16_t>(left + static_cast<int>(start)),
                               static_cast<std::int16_t>(font_.ascent_ - top + static_cast<int>(row)),
                               static_cast<std::int16_t>(x - start)});
      }
    }
  }

  FT_Face face_;
  TGlyphFont& font_;
};

namespace {

// One FreeType library for every build, used under the registry's lock.
FT_Library Library() {
  static FT_Library library = [] {
    FT_Library made = nullptr;
    return FT_Init_FreeType(&made) == 0 ? made : nullptr;
  }();
  return library;
}

}  // namespace

std::shared_ptr<const TGlyphFont> TGlyphFont::For(const TLogFont& font) {
  // Built fonts are immutable; the lock guards the registry and FreeType.
  static std::mutex mutex;
  static std::map<TFontKey, std::shared_ptr<const TGlyphFont>> fonts;
  const std::lock_guard lock(mutex);
  const TFontKey key = KeyOf(font);
  if (const auto found = fonts.find(key); found != fonts.end()) return found->second;

  const bool bold = font.Style.Contains(TFontStyle::fsBold), italic = font.Style.Contains(TFontStyle::fsItalic);
  const std::optional<TFontFace> resolved = ResolveFontFace(font.Name, bold, italic);
  FT_Face face = nullptr;
  if (!resolved || !Library() || FT_New_Face(Library(), resolved->File.c_str(), resolved->Index, &face) != 0) {
    fonts.emplace(key, nullptr);
    return nullptr;
  }
  std::shared_ptr<TGlyphFont> built(new TGlyphFont());
  built->file_ = resolved->File;
  built->faceIndex_ = resolved->Index;
  built->family_ = resolved->Family;
  built->pixelSize_ = std::get<1>(key);
  built->syntheticBold_ = bold && !resolved->Bold;
  built->syntheticItalic_ = italic && !resolved->Italic;
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(built->pixelSize_)) == 0)
    TGlyphFontBuilder(face, *built).Build();
  FT_Done_Face(face);
  fonts.emplace(key, built);
  return built;
}

int TGlyphFont::Width(std::string_view latin1, int charExtra) const {
  long fixed = static_cast<long>(charExtra) * FixedOne * static_cast<long>(latin1.size());
  for (char c : latin1) fixed += glyphs_[static_cast<unsigned char>(c)].Advance;
  // A width beyond the integer range (absurd spacing) is cut at its end.
  constexpr long Limit = static_cast<long>(std::numeric_limits<int>::max()) << FixedShift;
  return RoundedPixels(std::clamp(fixed, -Limit, Limit - FixedOne));
}

}  // namespace tessel
