#include "platform/qt/QtImageView.h"

#include <QPainter>
#include <QResizeEvent>

#include "platform/qt/QtBitmap.h"

namespace tessel {

TQtImageView::TQtImageView(TImage* image, QWidget* parent) : QWidget(parent) { SetImage(image); }

TQtImageView::~TQtImageView() { SetImage(nullptr); }

void TQtImageView::SetImage(TImage* image) {
  if (image_) image_->OnChange = nullptr;
  image_ = image;
  if (image_) {
    image_->OnChange = [this] { update(); };
    image_->SetBounds(width(), height());
  }
  update();
}

void TQtImageView::paintEvent(QPaintEvent*) {
  if (!image_ || !image_->Picture().HasBitmap()) return;
  const auto* bitmap = dynamic_cast<const TQtBitmap*>(image_->Picture().Bitmap());
  if (!bitmap) return;
  QPainter painter(this);
  painter.drawImage(0, 0, bitmap->Image());
}

void TQtImageView::resizeEvent(QResizeEvent* event) {
  if (image_) {
    image_->SetBounds(event->size().width(), event->size().height());
    if (TBitmap* bitmap = image_->Picture().Bitmap()) bitmap->SetSize(event->size().width(), event->size().height());
  }
  QWidget::resizeEvent(event);
}

}  // namespace tessel
