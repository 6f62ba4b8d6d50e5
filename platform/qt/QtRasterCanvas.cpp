#include "platform/qt/QtRasterCanvas.h"

#include <algorithm>
#include <cstring>

#include "platform/qt/QtGlyphFont.h"
#include "platform/raster/PixelFill.h"

namespace tessel {
namespace {

QRgb ToRgb(TColor color) { return qRgb(GetRValue(color), GetGValue(color), GetBValue(color)); }

// The glyph fonts a canvas remembers before it starts over.
constexpr std::size_t MaxRememberedFonts = 8;
constexpr std::size_t MaxIndexedColours = 256;

bool SameGlyphs(const TLogFont& a, const TLogFont& b) {
  return a.Height == b.Height && a.Style == b.Style && a.Name == b.Name;
}

}  // namespace

TQtRasterCanvas::TQtRasterCanvas() : general_(&image_) {}

TQtRasterCanvas::~TQtRasterCanvas() { general_.End(); }

bool TQtRasterCanvas::Start(int width, int height) {
  general_.End();
  fills_.clear();
  colours_.clear();
  // Each drawing starts from the state of a new canvas.
  ResetDrawingState(*this);
  if (image_.isNull() || image_.width() != width || image_.height() != height || !image_.isDetached() ||
      image_.format() != QImage::Format_Indexed8)
    image_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_Indexed8);
  width_ = image_.width();
  height_ = image_.height();
  indexed_ = !image_.isNull();
  general_.SetDevice(&image_);
  return !image_.isNull();
}

QImage TQtRasterCanvas::Image() {
  Flush();
  general_.End();
  if (Indexed()) image_.setColorTable(QList<QRgb>(colours_.begin(), colours_.end()));
  return image_;
}

void TQtRasterCanvas::Release() {
  general_.End();
  image_ = QImage();
}

uchar TQtRasterCanvas::FindIndex(QRgb color) {
  otherIndex_ = lastIndex_;
  lastIndex_ = static_cast<std::size_t>(std::find(colours_.begin(), colours_.end(), color) - colours_.begin());
  if (lastIndex_ == MaxIndexedColours) {
    ToRgb32();
    return 0;
  }
  if (lastIndex_ == colours_.size()) colours_.push_back(color);
  return static_cast<uchar>(lastIndex_);
}

void TQtRasterCanvas::ToRgb32() {
  if (!Indexed()) return;
  general_.End();
  image_.setColorTable(QList<QRgb>(colours_.begin(), colours_.end()));
  image_ = image_.convertToFormat(QImage::Format_RGB32);
  indexed_ = false;
  general_.SetDevice(&image_);
}

void TQtRasterCanvas::AddFill(int left, int top, int right, int bottom, TColor color) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, width_);
  bottom = std::min(bottom, height_);
  if (left >= right || top >= bottom) return;
  const QRgb rgb = ToRgb(color);
  const uchar index = Indexed() ? IndexOf(rgb) : 0;
  fills_.push_back({left, top, right, bottom, rgb, index});
}

void TQtRasterCanvas::Flush() {
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
      FlushBand<uchar>(edges_[i], edges_[i + 1]);
    else
      FlushBand<QRgb>(edges_[i], edges_[i + 1]);
  }
  fills_.clear();
}

void TQtRasterCanvas::DropFillsUnder(int left, int top, int right, int bottom) {
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
void TQtRasterCanvas::FlushBand(int top, int bottom) {
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  auto* first = reinterpret_cast<Pixel*>(bits + top * stride);
  // The covered spans, merged as they come while the fills run left to
  // right (as bars do); sorted and merged afterwards otherwise.
  spans_.clear();
  bool ordered = true;
  for (const TFill& f : fills_) {
    if (f.Top > top || f.Bottom < bottom) continue;
    if constexpr (sizeof(Pixel) == 1)
      FillPixels(first + f.Left, f.Right - f.Left, f.Index);
    else
      FillPixels(first + f.Left, f.Right - f.Left, f.Color);
    if (!spans_.empty() && f.Left >= spans_.back().first && f.Left <= spans_.back().second) {
      spans_.back().second = std::max(spans_.back().second, f.Right);
    } else {
      ordered = ordered && (spans_.empty() || f.Left > spans_.back().second);
      spans_.emplace_back(f.Left, f.Right);
    }
  }
  if (spans_.empty() || bottom - top < 2) return;
  if (!ordered) MergeSpans();
  for (int y = top + 1; y < bottom; ++y) {
    auto* row = reinterpret_cast<Pixel*>(bits + y * stride);
    for (const auto& [left, right] : spans_)
      std::memcpy(row + left, first + left, static_cast<std::size_t>(right - left) * sizeof(Pixel));
  }
}

void TQtRasterCanvas::MergeSpans() {
  std::sort(spans_.begin(), spans_.end());
  std::size_t merged = 0;
  for (const auto& span : spans_) {
    if (merged > 0 && span.first <= spans_[merged - 1].second)
      spans_[merged - 1].second = std::max(spans_[merged - 1].second, span.second);
    else
      spans_[merged++] = span;
  }
  spans_.resize(merged);
}

TQtCanvas& TQtRasterCanvas::General() {
  CopyDrawingState(*this, general_);
  return general_;
}

TQtCanvas& TQtRasterCanvas::Painter() {
  Flush();
  ToRgb32();
  return General();
}

const TQtGlyphFont* TQtRasterCanvas::Glyphs() {
  for (const auto& [font, glyphs] : fonts_)
    if (SameGlyphs(font, Font)) return glyphs.get();
  if (fonts_.size() == MaxRememberedFonts) fonts_.clear();
  fonts_.emplace_back(Font, TQtGlyphFont::For(Font));
  return fonts_.back().second.get();
}

void TQtRasterCanvas::Polygon(const TPoint (&points)[4]) {
  // The cases TQtCanvas fills as a box.
  if (const std::optional<TRect> box = SolidUprightBox(*this, points)) {
    AddFill(box->Left, box->Top, box->Right + 1, box->Bottom + 1, Brush.Color);
    return;
  }
  Painter().Polygon(points);
}

void TQtRasterCanvas::UprightBox(int left, int top, int right, int bottom) {
  // The box TQtCanvas fills for these corners (see SolidUprightBox).
  if (SolidPenAndBrush(*this)) {
    AddFill(std::min(left, right), std::min(top, bottom), std::max(left, right) + 1, std::max(top, bottom) + 1,
            Brush.Color);
    return;
  }
  TCanvas::UprightBox(left, top, right, bottom);
}

// The boxes share their rows: their first row is written and copied down.
void TQtRasterCanvas::SolidColumns(int top, int bottom, std::span<const TColumnBox> columns) {
  if (columns.empty()) return;
  UseSolidColor(*this, columns.back().Color);
  top = std::max(top, 0);
  bottom = std::min(bottom + 1, height_);
  const int left = std::max(columns.front().Left, 0), right = std::min(columns.back().Right + 1, width_);
  if (top >= bottom || left >= right) return;
  // The background under the bars would be written only to be overwritten.
  DropFillsUnder(left, top, right, bottom);
  Flush();
  const std::size_t written = Indexed() ? FillColumns<uchar>(top, columns) : 0;
  if (written < columns.size()) FillColumns<QRgb>(top, columns.subspan(written));
  const std::size_t pixelBytes = Indexed() ? sizeof(uchar) : sizeof(QRgb);
  uchar* bits = image_.bits();
  const qsizetype stride = image_.bytesPerLine();
  const uchar* first = bits + top * stride + left * pixelBytes;
  for (int y = top + 1; y < bottom; ++y)
    std::memcpy(bits + y * stride + left * pixelBytes, first, static_cast<std::size_t>(right - left) * pixelBytes);
}

template <typename Pixel>
std::size_t TQtRasterCanvas::FillColumns(int y, std::span<const TColumnBox> columns) {
  auto* row = reinterpret_cast<Pixel*>(image_.bits() + y * image_.bytesPerLine());
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const int left = std::max(columns[i].Left, 0), right = std::min(columns[i].Right + 1, width_);
    if (left >= right) continue;
    const QRgb color = ToRgb(columns[i].Color);
    if constexpr (sizeof(Pixel) == 1) {
      const uchar index = IndexOf(color);
      if (!Indexed()) return i;
      FillPixels(row + left, right - left, index);
    } else {
      FillPixels(row + left, right - left, color);
    }
  }
  return columns.size();
}

void TQtRasterCanvas::Rectangle(const TRect& rect) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  // An outline of one pixel in the fill colour lies inside the fill.
  const bool plainFill = Brush.Style == TBrushStyle::bsSolid && Pen.Style == TPenStyle::psSolid && Pen.Width <= 1 &&
                         Pen.Color == Brush.Color;
  if (Pen.Style == TPenStyle::psClear || plainFill) {
    if (Brush.Style == TBrushStyle::bsSolid) AddFill(rect.Left, rect.Top, rect.Right, rect.Bottom, Brush.Color);
    return;
  }
  Painter().Rectangle(rect);
}

void TQtRasterCanvas::SetPixel(int x, int y, TColor color) { AddFill(x, y, x + 1, y + 1, color); }

int TQtRasterCanvas::TextWidth(std::string_view text) {
  const TQtGlyphFont* glyphs = Glyphs();
  return glyphs && glyphs->Covers(text) ? glyphs->Width(text, CharExtra) : General().TextWidth(text);
}

int TQtRasterCanvas::TextHeight(std::string_view text) {
  const TQtGlyphFont* glyphs = Glyphs();
  return glyphs ? glyphs->Height() : General().TextHeight(text);
}

void TQtRasterCanvas::TextOut(TPoint at, std::string_view text, std::span<const int> advances) {
  if (text.empty()) return;
  const TQtGlyphFont* glyphs = Font.Escapement == 0 ? Glyphs() : nullptr;
  if (!glyphs || !glyphs->Covers(text)) {
    Painter().TextOut(at, text, advances);
    return;
  }
  if (!Transparent) AddFill(at.X, at.Y, at.X + glyphs->Width(text, CharExtra), at.Y + glyphs->Height(), Brush.Color);
  const QRgb color = ToRgb(TextColor);
  const uchar index = Indexed() ? IndexOf(color) : 0;
  Flush();
  if (Indexed())
    glyphs->Draw(image_.bits(), image_.bytesPerLine(), width_, height_, at.X, at.Y, text, CharExtra, advances, index);
  else
    glyphs->Draw(image_.bits(), image_.bytesPerLine(), width_, height_, at.X, at.Y, text, CharExtra, advances, color);
}

int TQtRasterCanvas::PixelsPerInchX() const { return general_.PixelsPerInchX(); }

int TQtRasterCanvas::PixelsPerInchY() const { return general_.PixelsPerInchY(); }

void TQtRasterCanvas::StretchDraw(const TRect& dest, const TBitmap& source) { Painter().StretchDraw(dest, source); }

}  // namespace tessel
