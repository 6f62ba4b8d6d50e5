#include "platform/qt/QtCanvas.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPolygon>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtPlatform.h"

namespace tessel {

QColor ToQColor(TColor color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

TQtCanvas::TQtCanvas(QPaintDevice* device) : device_(device) {}

TQtCanvas::~TQtCanvas() { End(); }

void TQtCanvas::SetDevice(QPaintDevice* device) {
  End();
  device_ = device;
}

bool TQtCanvas::Begin() {
  if (painter_.isActive()) return true;
  if (!device_ || !painter_.begin(device_)) return false;
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, false);
  painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
  return true;
}

void TQtCanvas::End() {
  if (painter_.isActive()) painter_.end();
}

QPainter* TQtCanvas::Painter() {
  if (painter_.isActive()) return &painter_;
  return autoBegin_ && Begin() ? &painter_ : nullptr;
}

void TQtCanvas::ApplyPen(QPainter& painter) const {
  if (Pen.Style == TPenStyle::psClear) {
    painter.setPen(Qt::NoPen);
    return;
  }
  QPen pen(ToQColor(Pen.Color));
  pen.setCosmetic(true);
  pen.setWidth(Pen.Width > 1 ? Pen.Width : 0);
  painter.setPen(pen);
}

void TQtCanvas::ApplyBrush(QPainter& painter) const {
  if (Brush.Style == TBrushStyle::bsClear)
    painter.setBrush(Qt::NoBrush);
  else
    painter.setBrush(ToQColor(Brush.Color));
}

void TQtCanvas::Polygon(const TPoint (&points)[4]) {
  QPainter* painter = Painter();
  if (!painter) return;
  if (const std::optional<TRect> box = SolidUprightBox(*this, points)) {
    painter->fillRect(box->Left, box->Top, box->Width() + 1, box->Height() + 1, ToQColor(Brush.Color));
    return;
  }
  ApplyPen(*painter);
  ApplyBrush(*painter);
  QPolygon polygon;
  for (const TPoint& p : points) polygon << QPoint(p.X, p.Y);
  painter->drawPolygon(polygon);
}

void TQtCanvas::Rectangle(const TRect& rect) {
  QPainter* painter = Painter();
  if (!painter || rect.Width() <= 0 || rect.Height() <= 0) return;
  if (Brush.Style == TBrushStyle::bsSolid)
    painter->fillRect(rect.Left, rect.Top, rect.Width(), rect.Height(), ToQColor(Brush.Color));
  if (Pen.Style != TPenStyle::psClear) {
    // The outline lies inside the rectangle, as the fill does.
    ApplyPen(*painter);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
  }
}

void TQtCanvas::SetPixel(int x, int y, TColor color) {
  if (QPainter* painter = Painter()) painter->fillRect(x, y, 1, 1, ToQColor(color));
}

QFont ToQFont(const TLogFont& font, int charExtra) {
  EnsureGuiApplication();
  QFont f(QString::fromStdString(font.Name));
  // The height's magnitude; the most negative int has none as an int.
  const long long height = std::llabs(static_cast<long long>(font.Height));
  f.setPixelSize(static_cast<int>(std::clamp<long long>(height, 1, std::numeric_limits<int>::max())));
  f.setBold(font.Style.Contains(TFontStyle::fsBold));
  f.setItalic(font.Style.Contains(TFontStyle::fsItalic));
  f.setUnderline(font.Style.Contains(TFontStyle::fsUnderline));
  f.setStrikeOut(font.Style.Contains(TFontStyle::fsStrikeOut));
  f.setStyleHint(QFont::SansSerif);
  f.setStyleStrategy(QFont::NoAntialias);
  f.setKerning(false);
  f.setLetterSpacing(QFont::AbsoluteSpacing, charExtra);
  return f;
}

const QFont& TQtCanvas::CurrentFont() {
  if (fontExtra_ == CharExtra && fontKey_ == Font) return font_;
  font_ = ToQFont(Font, CharExtra);
  fontKey_ = Font;
  fontExtra_ = CharExtra;
  return font_;
}

int TQtCanvas::TextWidth(std::string_view text) {
  const QFontMetrics metrics(CurrentFont(), device_);
  return metrics.horizontalAdvance(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

int TQtCanvas::TextHeight(std::string_view) {
  const QFontMetrics metrics(CurrentFont(), device_);
  return metrics.height();
}

void TQtCanvas::TextOut(TPoint at, std::string_view text, std::span<const int> advances) {
  QPainter* painter = Painter();
  if (!painter || text.empty()) return;
  const QFont& font = CurrentFont();
  const QString string = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  painter->save();
  painter->setFont(font);
  painter->translate(at.X, at.Y);
  painter->rotate(-Font.Escapement / 10.0);
  const QFontMetrics metrics(font, device_);
  if (!Transparent) painter->fillRect(0, 0, metrics.horizontalAdvance(string), metrics.height(), ToQColor(Brush.Color));
  painter->setPen(ToQColor(TextColor));
  if (advances.empty()) {
    painter->drawText(QPoint(0, metrics.ascent()), string);
  } else {
    int x = 0;
    for (qsizetype i = 0; i < string.size(); ++i) {
      painter->drawText(QPoint(x, metrics.ascent()), QString(string[i]));
      x += static_cast<std::size_t>(i) < advances.size() ? advances[i] : metrics.horizontalAdvance(string[i]);
    }
  }
  painter->restore();
}

// A device that reports no resolution (an empty image, such as a scratch
// bitmap before it is sized) measures as a screen bitmap does.
constexpr int ScreenDpi = 96;

int TQtCanvas::PixelsPerInchX() const {
  if (pixelsPerInch_ > 0) return pixelsPerInch_;
  const int dpi = device_ ? device_->logicalDpiX() : 0;
  return dpi > 0 ? dpi : ScreenDpi;
}

int TQtCanvas::PixelsPerInchY() const {
  if (pixelsPerInch_ > 0) return pixelsPerInch_;
  const int dpi = device_ ? device_->logicalDpiY() : 0;
  return dpi > 0 ? dpi : ScreenDpi;
}

void TQtCanvas::StretchDraw(const TRect& dest, const TBitmap& source) {
  const auto* bitmap = dynamic_cast<const TQtBitmap*>(&source);
  QPainter* painter = Painter();
  if (!bitmap || !painter) return;
  painter->drawImage(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), bitmap->Image());
}

}  // namespace tessel
