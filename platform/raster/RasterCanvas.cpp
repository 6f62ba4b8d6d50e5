#include "platform/raster/RasterCanvas.h"

#include <algorithm>
#include <cstring>

#include "platform/raster/GlyphFont.h"
#include "platform/raster/PixelFill.h"
#include "platform/raster/RasterBitmap.h"
#include "platform/raster/TextInk.h"

namespace tessel {
namespace {

constexpr int RedShift = 16, GreenShift = 8;
constexpr TArgb RgbMask = 0x00FFFFFFu;

TArgb ToArgb(TColor color) {
  return OpaqueAlpha | (TArgb{GetRValue(color)} << RedShift) | (TArgb{GetGValue(color)} << GreenShift) |
         GetBValue(color);
}

// The glyph fonts a canvas remembers before it starts over.
constexpr std::size_t MaxRememberedFonts = 8;

bool SameGlyphs(const TLogFont& a, const TLogFont& b) {
  return a.Height == b.Height && a.Style == b.Style && a.Name == b.Name;
}

// Nearest-neighbour sampling: the source pixel under the centre of
// destination pixel i of n, for a source of size pixels.
int SourceIndex(long long i, long long n, long long size) { return static_cast<int>((2 * i + 1) * size / (2 * n)); }

}  // namespace

bool TRasterCanvas::Start(int width, int height) {
  fills_.clear();
  rowCopy_ = {};
  lastIndex_ = otherIndex_ = 0;
  // Each drawing starts from the state of a new canvas.
  ResetDrawingState(*this);
  return image_.Allocate(width, height, TPixelFormat::Indexed8);
}

const TRasterImage& TRasterCanvas::Image() {
  Flush();
  return image_;
}

void TRasterCanvas::ClearColour(TColor color) {
  Flush();
  const TArgb opaque = ToArgb(color);
  const TArgb clear = opaque & RgbMask;
  if (Indexed()) {
    std::replace(image_.Palette.begin(), image_.Palette.end(), opaque, clear);
    return;
  }
  for (int y = 0; y < image_.Height(); ++y) {
    auto* row = reinterpret_cast<TArgb*>(image_.Row(y));
    std::replace(row, row + image_.Width(), opaque, clear);
  }
}

void TRasterCanvas::Release() {
  fills_.clear();
  rowCopy_ = {};
  image_.Reset();
}

std::uint8_t TRasterCanvas::FindIndex(TArgb color) {
  std::vector<TArgb>& palette = image_.Palette;
  otherIndex_ = lastIndex_;
  lastIndex_ = static_cast<std::size_t>(std::find(palette.begin(), palette.end(), color) - palette.begin());
  if (lastIndex_ == TRasterImage::MaxPaletteSize) {
    ToArgb32();
    return 0;
  }
  if (lastIndex_ == palette.size()) palette.push_back(color);
  return static_cast<std::uint8_t>(lastIndex_);
}

void TRasterCanvas::ToArgb32() {
  if (!Indexed() || image_.Null()) return;
  // The pending copy is written in the pixels it was composed in.
  FinishRowCopy();
  // Without the memory for 32-bit pixels the drawing stays indexed, its
  // further colours drawn as the palette's first.
  if (!image_.ToArgb32()) return;
  lastIndex_ = otherIndex_ = 0;
}

void TRasterCanvas::AddFill(int left, int top, long long farRight, long long farBottom, TColor color) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  const int right = static_cast<int>(std::clamp<long long>(farRight, 0, image_.Width()));
  const int bottom = static_cast<int>(std::clamp<long long>(farBottom, 0, image_.Height()));
  if (left >= right || top >= bottom) return;
  const TArgb argb = ToArgb(color);
  const std::uint8_t index = Indexed() ? IndexOf(argb) : 0;
  fills_.push_back({left, top, right, bottom, argb, index});
  // Rows of the pending copy this fill covers whole (the text's box below
  // the bars) would be copied only to be overwritten: the copy leaves out
  // those at either end of its rows.
  TRowCopy& copy = rowCopy_;
  if (copy.From < copy.To && left <= copy.Left && right >= copy.Right) {
    if (top <= copy.From && bottom > copy.From)
      copy.From = std::min(bottom, copy.To);
    else if (top < copy.To && bottom >= copy.To)
      copy.To = std::max(top, copy.From);
  }
}

void TRasterCanvas::FinishRowCopy() {
  if (rowCopy_.From >= rowCopy_.To) return;
  const TRowCopy copy = rowCopy_;
  rowCopy_ = {};
  CopyRowDown(copy.Top, copy.From, copy.To, copy.Left, copy.Right);
}

// Rows as wide as the image lie one after another in memory (their padding
// included): the rows already copied are copied again in one call, so that
// the block doubles with each call, up to a block that stays in the cache.
void TRasterCanvas::CopyRowDown(int source, int from, int to, int left, int right) {
  constexpr std::size_t BlockBytes = std::size_t{16} << 10;
  if (from >= to || left >= right) return;
  if (left == 0 && right == image_.Width()) {
    const std::size_t stride = image_.Stride();
    const int blockRows = static_cast<int>(std::max<std::size_t>(BlockBytes / stride, 1));
    std::memcpy(image_.Row(from), image_.Row(source), stride);
    for (int done = 1; done < to - from;) {
      const int rows = std::min({done, blockRows, to - from - done});
      std::memcpy(image_.Row(from + done), image_.Row(from), static_cast<std::size_t>(rows) * stride);
      done += rows;
    }
    return;
  }
  const std::size_t pixelBytes = Indexed() ? sizeof(std::uint8_t) : sizeof(TArgb);
  const std::size_t offset = static_cast<std::size_t>(left) * pixelBytes,
                    bytes = static_cast<std::size_t>(right - left) * pixelBytes;
  const std::uint8_t* first = image_.Row(source) + offset;
  for (int y = from; y < to; ++y) std::memcpy(image_.Row(y) + offset, first, bytes);
}

void TRasterCanvas::Flush() {
  FinishRowCopy();
  if (fills_.empty()) return;
  // Fills mostly come in runs of one height: their edges are taken once.
  edges_.clear();
  const TFill* previous = nullptr;
  for (const TFill& f : fills_) {
    if (!previous || f.Top != previous->Top || f.Bottom != previous->Bottom) {
      edges_.push_back(f.Top);
      edges_.push_back(f.Bottom);
    }
    previous = &f;
  }
  std::sort(edges_.begin(), edges_.end());
  edges_.erase(std::unique(edges_.begin(), edges_.end()), edges_.end());
  for (std::size_t i = 0; i + 1 < edges_.size(); ++i) {
    if (Indexed())
      FlushBand<std::uint8_t>(edges_[i], edges_[i + 1]);
    else
      FlushBand<TArgb>(edges_[i], edges_[i + 1]);
  }
  fills_.clear();
}

void TRasterCanvas::DropFillsUnder(int left, int top, int right, int bottom) {
  keptFills_.clear();
  for (const TFill& f : fills_) {
    if (f.Right <= left || f.Left >= right || f.Bottom <= top || f.Top >= bottom) {
      keptFills_.push_back(f);
      continue;
    }
    // The parts above, below, left and right of the box, in that order.
    const int middleTop = std::max(f.Top, top), middleBottom = std::min(f.Bottom, bottom);
    if (f.Top < top) keptFills_.push_back({f.Left, f.Top, f.Right, top, f.Color, f.Index});
    if (f.Bottom > bottom) keptFills_.push_back({f.Left, bottom, f.Right, f.Bottom, f.Color, f.Index});
    if (f.Left < left) keptFills_.push_back({f.Left, middleTop, left, middleBottom, f.Color, f.Index});
    if (f.Right > right) keptFills_.push_back({right, middleTop, f.Right, middleBottom, f.Color, f.Index});
  }
  fills_.swap(keptFills_);
}

// Every fill covers a band whole or not at all, so the band's rows are
// alike where the fills reach: its first row is composed in drawing order
// and copied down over the spans the fills cover.
template <typename Pixel>
void TRasterCanvas::FlushBand(int top, int bottom) {
  auto* first = reinterpret_cast<Pixel*>(image_.Row(top));
  // The covered spans, merged as they come while the fills run left to
  // right (as bars do); sorted and merged afterwards otherwise.
  bandSpans_.clear();
  bool ordered = true;
  for (const TFill& f : fills_) {
    if (f.Top > top || f.Bottom < bottom) continue;
    if constexpr (sizeof(Pixel) == 1)
      FillPixels(first + f.Left, f.Right - f.Left, f.Index);
    else
      FillPixels(first + f.Left, f.Right - f.Left, f.Color);
    if (!bandSpans_.empty() && f.Left >= bandSpans_.back().Left && f.Left <= bandSpans_.back().Right) {
      bandSpans_.back().Right = std::max(bandSpans_.back().Right, f.Right);
    } else {
      ordered = ordered && (bandSpans_.empty() || f.Left > bandSpans_.back().Right);
      bandSpans_.push_back({top, f.Left, f.Right});
    }
  }
  if (bandSpans_.empty() || bottom - top < 2) return;
  if (!ordered) MergeSpans(bandSpans_);
  for (const TSpan& span : bandSpans_) CopyRowDown(top, top + 1, bottom, span.Left, span.Right);
}

template <typename Pixel>
void TRasterCanvas::PaintSpans(const std::vector<TSpan>& spans, Pixel value) {
  for (const TSpan& s : spans) FillPixels(reinterpret_cast<Pixel*>(image_.Row(s.Y)) + s.Left, s.Right - s.Left, value);
}

void TRasterCanvas::Paint(std::vector<TSpan>& spans, TColor color, TPenMode mode) {
  if (spans.empty() || image_.Null()) return;
  Flush();
  const TArgb argb = ToArgb(color);
  if (mode == TPenMode::pmCopy) {
    const std::uint8_t index = Indexed() ? IndexOf(argb) : 0;
    if (Indexed())
      PaintSpans<std::uint8_t>(spans, index);
    else
      PaintSpans<TArgb>(spans, argb);
  } else {
    // Inverting or combining colours needs the colours in the pixels; a
    // pixel covered twice by one shape changes once.
    ToArgb32();
    MergeSpans(spans);
    const TArgb flip = mode == TPenMode::pmNot ? RgbMask : (argb & RgbMask);
    if (!Indexed())
      for (const TSpan& s : spans) {
        auto* row = reinterpret_cast<TArgb*>(image_.Row(s.Y));
        for (int x = s.Left; x < s.Right; ++x) row[x] ^= flip;
      }
  }
  spans.clear();
}

void TRasterCanvas::DrawShape(std::span<const TPoint> outline, bool fill) {
  spans_.clear();
  outlineSpans_.clear();
  if (fill && Brush.Style == TBrushStyle::bsSolid) {
    std::vector<TPointF> corners;
    corners.reserve(outline.size());
    for (const TPoint& p : outline) corners.push_back({static_cast<double>(p.X), static_cast<double>(p.Y)});
    FillPolygon(corners, Clip(), spans_);
  }
  if (Pen.Style != TPenStyle::psClear) OutlinePolygon(outline, Pen.Width, Clip(), outlineSpans_);
  if (Pen.Mode != TPenMode::pmCopy && Brush.Color == Pen.Color) {
    // One colour: each pixel of the shape changes once.
    spans_.insert(spans_.end(), outlineSpans_.begin(), outlineSpans_.end());
    outlineSpans_.clear();
  }
  Paint(spans_, Brush.Color, Pen.Mode);
  Paint(outlineSpans_, Pen.Color, Pen.Mode);
}

const TGlyphFont* TRasterCanvas::Glyphs() {
  for (const auto& [font, glyphs] : fonts_)
    if (SameGlyphs(font, Font)) return glyphs.get();
  if (fonts_.size() == MaxRememberedFonts) fonts_.clear();
  fonts_.emplace_back(Font, TGlyphFont::For(Font));
  return fonts_.back().second.get();
}

void TRasterCanvas::Polygon(const TPoint (&points)[4]) {
  if (const std::optional<TRect> box = SolidUprightBox(*this, points)) {
    AddFill(box->Left, box->Top, box->Right + 1LL, box->Bottom + 1LL, Brush.Color);
    return;
  }
  DrawShape(points, true);
}

void TRasterCanvas::UprightBox(int left, int top, int right, int bottom) {
  // The box a polygon with these corners covers (see SolidUprightBox).
  if (SolidPenAndBrush(*this)) {
    AddFill(std::min(left, right), std::min(top, bottom), std::max(left, right) + 1LL, std::max(top, bottom) + 1LL,
            Brush.Color);
    return;
  }
  TCanvas::UprightBox(left, top, right, bottom);
}

// The boxes share their rows: their first row is written now and copied
// down later (see TRowCopy).
void TRasterCanvas::SolidColumns(int top, int bottom, std::span<const TColumnBox> columns) {
  if (columns.empty()) return;
  UseSolidColor(*this, columns.back().Color);
  top = std::max(top, 0);
  bottom = static_cast<int>(std::min<long long>(bottom + 1LL, image_.Height()));
  const int left = std::max(columns.front().Left, 0),
            right = static_cast<int>(std::min<long long>(columns.back().Right + 1LL, image_.Width()));
  if (top >= bottom || left >= right) return;
  // The background under the bars would be written only to be overwritten.
  DropFillsUnder(left, top, right, bottom);
  // A row on the same rows that touches the pending copy, with nothing
  // drawn since, joins it; anything else is drawn after the copy.
  TRowCopy& copy = rowCopy_;
  const bool joins = fills_.empty() && copy.From == top + 1 && copy.To == bottom && copy.Top == top &&
                     left <= copy.Right && right >= copy.Left;
  if (!joins) Flush();
  const std::size_t written = Indexed() ? FillColumns<std::uint8_t>(top, columns) : 0;
  if (written < columns.size() && !Indexed()) FillColumns<TArgb>(top, columns.subspan(written));
  // Turning the image into 32-bit pixels on the way wrote the copy.
  if (copy.From < copy.To) {
    copy.Left = std::min(copy.Left, left);
    copy.Right = std::max(copy.Right, right);
  } else {
    copy = {top, top + 1, bottom, left, right};
  }
}

template <typename Pixel>
std::size_t TRasterCanvas::FillColumns(int y, std::span<const TColumnBox> columns) {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int left = std::max(columns[i].Left, 0),
              right = static_cast<int>(std::min<long long>(columns[i].Right + 1LL, image_.Width()));
    if (left >= right) continue;
    const TArgb color = ToArgb(columns[i].Color);
    // The row is looked up anew: turning the image into 32-bit pixels moves it.
    auto* row = reinterpret_cast<Pixel*>(image_.Row(y));
    if constexpr (sizeof(Pixel) == 1) {
      const std::uint8_t index = IndexOf(color);
      if (!Indexed()) return i;
      FillPixels(row + left, right - left, index);
    } else {
      FillPixels(row + left, right - left, color);
    }
  }
  return columns.size();
}

void TRasterCanvas::Rectangle(const TRect& rect) {
  // Compared, not subtracted: any coordinates are taken without overflow.
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  const bool fill = Brush.Style == TBrushStyle::bsSolid, outline = Pen.Style != TPenStyle::psClear;
  // An outline of one pixel in the fill colour lies inside the fill.
  if (Pen.Mode == TPenMode::pmCopy && (!outline || SolidPenAndBrush(*this))) {
    if (fill) AddFill(rect.Left, rect.Top, rect.Right, rect.Bottom, Brush.Color);
    return;
  }
  if (fill) {
    const TPointF box[] = {{1.0 * rect.Left, 1.0 * rect.Top},
                           {1.0 * rect.Right, 1.0 * rect.Top},
                           {1.0 * rect.Right, 1.0 * rect.Bottom},
                           {1.0 * rect.Left, 1.0 * rect.Bottom}};
    spans_.clear();
    FillPolygon(box, Clip(), spans_);
    Paint(spans_, Brush.Color, Pen.Mode);
  }
  // The outline runs through the rectangle's outer pixels.
  const TPoint corners[] = {{rect.Left, rect.Top},
                            {rect.Right - 1, rect.Top},
                            {rect.Right - 1, rect.Bottom - 1},
                            {rect.Left, rect.Bottom - 1}};
  if (outline) DrawShape(corners, false);
}

void TRasterCanvas::SetPixel(int x, int y, TColor color) { AddFill(x, y, x + 1LL, y + 1LL, color); }

int TRasterCanvas::TextWidth(std::string_view text) {
  const TGlyphFont* glyphs = Glyphs();
  return glyphs ? glyphs->Width(text, CharExtra) : 0;
}

int TRasterCanvas::TextHeight(std::string_view) {
  const TGlyphFont* glyphs = Glyphs();
  return glyphs ? glyphs->Height() : 0;
}

void TRasterCanvas::TextOut(TPoint at, std::string_view text, std::span<const int> advances) {
  const TGlyphFont* glyphs = Glyphs();
  if (text.empty() || !glyphs || image_.Null()) return;
  if (!Transparent) {
    const int width = glyphs->Width(text, CharExtra);
    if (Font.Escapement == 0) {
      AddFill(at.X, at.Y, 1LL * at.X + width, 1LL * at.Y + glyphs->Height(), Brush.Color);
    } else {
      spans_.clear();
      TextCell(width, glyphs->Height(), at, Font.Escapement, Clip(), spans_);
      Paint(spans_, Brush.Color, TPenMode::pmCopy);
    }
  }
  const TTextLine line{*glyphs,
                       text,
                       CharExtra,
                       advances,
                       Font.Style.Contains(TFontStyle::fsUnderline),
                       Font.Style.Contains(TFontStyle::fsStrikeOut)};
  if (UprightText(Font.Escapement)) {
    PaintUprightText(line, at);
    return;
  }
  spans_.clear();
  TextInk(line, at, Font.Escapement, Clip(), spans_);
  Paint(spans_, TextColor, TPenMode::pmCopy);
}

// Upright text's runs are written as they come, as Paint would write them
// (the pending drawing first, the colour looked up at the first pixel).
void TRasterCanvas::PaintUprightText(const TTextLine& line, TPoint at) {
  const TArgb argb = ToArgb(TextColor);
  std::uint8_t index = 0;
  bool started = false;
  ForEachUprightInk(line, at, Clip(), [&](int y, int left, int right) {
    if (!started) {
      started = true;
      Flush();
      if (Indexed()) index = IndexOf(argb);
    }
    if (Indexed())
      FillPixels(image_.Row(y) + left, right - left, index);
    else
      FillPixels(reinterpret_cast<TArgb*>(image_.Row(y)) + left, right - left, argb);
  });
}

void TRasterCanvas::StretchDraw(const TRect& dest, const TBitmap& source) {
  const auto* bitmap = dynamic_cast<const TRasterBitmap*>(&source);
  // The size in 64 bits: any coordinates are taken without overflow.
  const long long destWidth = 1LL * dest.Right - dest.Left, destHeight = 1LL * dest.Bottom - dest.Top;
  if (!bitmap || destWidth <= 0 || destHeight <= 0 || image_.Null()) return;
  const TRasterImage& from = bitmap->Image();
  if (from.Null() || &from == &image_) return;
  Flush();
  ToArgb32();
  if (Indexed()) return;
  const int left = std::max(dest.Left, 0), right = std::min(dest.Right, image_.Width());
  const int top = std::max(dest.Top, 0), bottom = std::min(dest.Bottom, image_.Height());
  for (int y = top; y < bottom; ++y) {
    const int sy = SourceIndex(y - static_cast<long long>(dest.Top), destHeight, from.Height());
    auto* row = reinterpret_cast<TArgb*>(image_.Row(y));
    for (int x = left; x < right; ++x)
      row[x] = from.Pixel(SourceIndex(x - static_cast<long long>(dest.Left), destWidth, from.Width()), sy);
  }
}

}  // namespace tessel
