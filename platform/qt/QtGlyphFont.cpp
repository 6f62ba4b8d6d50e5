#include "platform/qt/QtGlyphFont.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QString>
#include <QTextLayout>
#include <algorithm>
#include <limits>
#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <utility>

#include "platform/qt/QtCanvas.h"
#include "platform/raster/PixelFill.h"

namespace tessel {
namespace {

// Glyph positions and advances are kept in the painter's fixed point, 1/64
// of a pixel. A glyph is drawn at the whole pixel its position lies in; a
// text measures its width rounded to the nearest pixel.
constexpr int FixedShift = 6;
constexpr int FixedOne = 1 << FixedShift;
constexpr int FixedHalf = FixedOne / 2;
int PixelOf(long long fixed) { return static_cast<int>(fixed >> FixedShift); }
int RoundedPixels(long long fixed) { return static_cast<int>((fixed + FixedHalf) >> FixedShift); }

// Fonts above this pixel size are drawn by the painter: their glyphs would
// take more memory than the time they save.
constexpr int MaxCachedPixelSize = 128;
constexpr QRgb Paper = 0xFFFFFFFF;
constexpr QRgb Ink = 0xFF000000;
// How many characters one validation line holds.
constexpr int ProbeLength = 16;

// The characters the glyphs stand for: printable ASCII, what barcode texts
// are made of. Others (Latin-1 letters, for one) are drawn by the painter,
// which keeps the glyphs few and quick to build and check.
bool PrintableAscii(char c) { return c >= 0x20 && c < 0x7F; }

// Draws a text as TQtCanvas::TextOut does (without advances, transparent).
void PaintText(QImage& image, const QFont& font, int ascent, QPoint at, const QString& text) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setRenderHint(QPainter::TextAntialiasing, false);
  painter.setFont(font);
  painter.setPen(QColor::fromRgb(Ink));
  painter.translate(at.x(), at.y());
  painter.drawText(QPoint(0, ascent), text);
}

// The selected fonts that draw with the same glyphs share one entry.
using TFontKey = std::tuple<std::string, int, int>;
TFontKey KeyOf(const TLogFont& font) {
  int style = 0;
  for (TFontStyle s : {TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline, TFontStyle::fsStrikeOut})
    style = style * 2 + (font.Style.Contains(s) ? 1 : 0);
  return {font.Name, std::max(1, std::abs(font.Height)), style};
}

}  // namespace

std::shared_ptr<const TQtGlyphFont> TQtGlyphFont::For(const TLogFont& font) {
  // Built fonts are immutable; the lock only guards the registry.
  static std::mutex mutex;
  static std::map<TFontKey, std::shared_ptr<const TQtGlyphFont>> fonts;
  const std::lock_guard lock(mutex);
  const TFontKey key = KeyOf(font);
  if (const auto found = fonts.find(key); found != fonts.end()) return found->second;
  std::shared_ptr<TQtGlyphFont> built(new TQtGlyphFont());
  if (!built->Build(font)) built.reset();
  fonts.emplace(key, built);
  return built;
}

bool TQtGlyphFont::Covers(std::string_view text) const {
  return std::all_of(text.begin(), text.end(),
                     [this](char c) { return glyphs_[static_cast<unsigned char>(c)].Covered; });
}

int TQtGlyphFont::Width(std::string_view text, int charExtra) const {
  long long fixed = static_cast<long long>(charExtra) * FixedOne * static_cast<long long>(text.size());
  for (char c : text) fixed += glyphs_[static_cast<unsigned char>(c)].Advance;
  return RoundedPixels(fixed);
}

template <typename Pixel>
void TQtGlyphFont::DrawGlyph(uchar* bits, qsizetype bytesPerLine, int width, int height, int penX, int top, char c,
                             Pixel value) const {
  const TGlyph& glyph = glyphs_[static_cast<unsigned char>(c)];
  for (int i = glyph.FirstRun; i < glyph.FirstRun + glyph.RunCount; ++i) {
    const TRun& run = runs_[i];
    const int y = top + run.Y;
    const int left = std::max(penX + run.X, 0), right = std::min(penX + run.X + run.Length, width);
    if (y < 0 || y >= height || left >= right) continue;
    auto* row = reinterpret_cast<Pixel*>(bits + y * bytesPerLine);
    FillPixels(row + left, right - left, value);
  }
}

template <typename Pixel>
void TQtGlyphFont::Draw(uchar* bits, qsizetype bytesPerLine, int width, int height, int x, int y, std::string_view text,
                        int charExtra, std::span<const int> advances, Pixel value) const {
  if (advances.empty()) {
    long long pen = 0;
    for (char c : text) {
      DrawGlyph(bits, bytesPerLine, width, height, x + PixelOf(pen), y, c, value);
      pen += glyphs_[static_cast<unsigned char>(c)].Advance + static_cast<long long>(charExtra) * FixedOne;
    }
    return;
  }
  // Each character on its own at whole pixels, as TQtCanvas draws them.
  long long pen = x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    DrawGlyph(bits, bytesPerLine, width, height, static_cast<int>(pen), y, text[i], value);
    pen += i < advances.size() ? advances[i] : CharWidth(text[i]);
  }
}

template void TQtGlyphFont::Draw<QRgb>(uchar*, qsizetype, int, int, int, int, std::string_view, int,
                                       std::span<const int>, QRgb) const;
template void TQtGlyphFont::Draw<uchar>(uchar*, qsizetype, int, int, int, int, std::string_view, int,
                                        std::span<const int>, uchar) const;

bool TQtGlyphFont::Build(const TLogFont& font) {
  if (font.Style.Contains(TFontStyle::fsUnderline) || font.Style.Contains(TFontStyle::fsStrikeOut)) return false;
  const QFont qfont = ToQFont(font, 0);
  const int pixelSize = qfont.pixelSize();
  if (pixelSize > MaxCachedPixelSize) return false;
  const QRawFont raw = QRawFont::fromFont(qfont);
  if (!raw.isValid()) return false;
  const QImage device(1, 1, QImage::Format_RGB32);
  const QFontMetrics metrics(qfont, &device);
  height_ = metrics.height();
  const int ascent = metrics.ascent();

  // Each glyph drawn alone at a known pen position on a blank image; the
  // margin holds bearings and accents outside the cell.
  const int margin = 2 * pixelSize + 4;
  QImage scratch(4 * pixelSize + 2 * margin, height_ + 2 * margin, QImage::Format_RGB32);
  for (int code = 0; code < 256; ++code) {
    const char c = static_cast<char>(code);
    if (!PrintableAscii(c)) continue;
    const QString string(QChar(static_cast<char16_t>(code)));
    const QList<quint32> indexes = raw.glyphIndexesForString(string);
    if (indexes.size() != 1 || indexes[0] == 0) continue;
    TGlyph& glyph = glyphs_[code];
    glyph.Advance = qRound(raw.advancesForGlyphIndexes(indexes, QRawFont::SeparateAdvances)[0].x() * FixedOne);
    glyph.Width = metrics.horizontalAdvance(string[0]);
    glyph.FirstRun = static_cast<int>(runs_.size());
    scratch.fill(Paper);
    PaintText(scratch, qfont, ascent, {margin, margin}, string);
    for (int y = 0; y < scratch.height(); ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
      for (int x = 0; x < scratch.width();) {
        if (row[x] == Paper) {
          ++x;
          continue;
        }
        if (row[x] != Ink) return false;  // an antialiased glyph
        const int start = x;
        while (x < scratch.width() && row[x] == Ink) ++x;
        runs_.push_back({static_cast<std::int16_t>(start - margin), static_cast<std::int16_t>(y - margin),
                         static_cast<std::int16_t>(x - start)});
      }
    }
    glyph.RunCount = static_cast<int>(runs_.size()) - glyph.FirstRun;
    glyph.Covered = true;
  }
  UncoverJoiningCharacters(qfont, raw);
  return Matches(font);
}

// A character that starts a ligature or another contextual form with some
// character after it (the shaped glyphs differ from the characters' own) is
// left to the painter, in every text.
void TQtGlyphFont::UncoverJoiningCharacters(const QFont& font, const QRawFont& raw) {
  QString followers;
  for (int code = 0; code < 256; ++code)
    if (glyphs_[code].Covered) followers += QChar(static_cast<char16_t>(code));
  for (int code = 0; code < 256; ++code) {
    if (!glyphs_[code].Covered) continue;
    QString pairs;
    for (const QChar next : followers) {
      pairs += QChar(static_cast<char16_t>(code));
      pairs += next;
      pairs += u' ';
    }
    QTextLayout layout(pairs, font);
    layout.beginLayout();
    layout.createLine().setLineWidth(std::numeric_limits<int>::max() / 4.0);
    layout.endLayout();
    QList<quint32> shaped;
    for (const QGlyphRun& run : layout.glyphRuns()) shaped += run.glyphIndexes();
    if (shaped != raw.glyphIndexesForString(pairs)) glyphs_[code].Covered = false;
  }
}

// Whether texts drawn and measured by the painter come out exactly as the
// glyphs give them: every covered character in lines of ProbeLength, and
// the pairs that fonts commonly join into ligatures, with and without the
// character spacing the engine uses.
bool TQtGlyphFont::Matches(const TLogFont& font) const {
  std::vector<std::string> probes;
  std::string line;
  for (int code = 0; code < 256; ++code) {
    if (!glyphs_[code].Covered) continue;
    line += static_cast<char>(code);
    if (static_cast<int>(line.size()) == ProbeLength) probes.push_back(std::exchange(line, {}));
  }
  if (!line.empty()) probes.push_back(line);
  for (const char* pair : {"fi", "fl", "ff", "ffi", "ffl", "ft", "Th", "AV", "LT", "To", "11"})
    if (Covers(pair)) probes.emplace_back(pair);

  const int pixelSize = std::max(1, std::abs(font.Height));
  const int margin = 2 * pixelSize + 4;
  QImage painted((ProbeLength + 4) * 2 * pixelSize + 2 * margin, height_ + 2 * margin, QImage::Format_RGB32);
  QImage blitted(painted.size(), QImage::Format_RGB32);
  for (const int extra : {0, 1}) {
    const QFont qfont = ToQFont(font, extra);
    const QFontMetrics metrics(qfont, &painted);
    for (const std::string& probe : probes) {
      const QString text = QString::fromLatin1(probe.data(), static_cast<qsizetype>(probe.size()));
      if (metrics.horizontalAdvance(text) != Width(probe, extra)) return false;
      painted.fill(Paper);
      PaintText(painted, qfont, metrics.ascent(), {margin, margin}, text);
      blitted.fill(Paper);
      Draw(blitted.bits(), blitted.bytesPerLine(), blitted.width(), blitted.height(), margin, margin, probe, extra, {},
           Ink);
      if (painted != blitted) return false;
    }
  }
  return true;
}

}  // namespace tessel
