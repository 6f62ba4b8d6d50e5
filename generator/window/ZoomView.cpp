#include "generator/window/ZoomView.h"

#include <QPainter>
#include <utility>

namespace tessel::generator {
namespace {

// Paints the source's image over its whole area; the painter's default
// transformation keeps each image pixel a sharp block.
class TZoomedImage : public QWidget {
 public:
  TZoomedImage(std::function<QImage()> Source, QWidget* parent) : QWidget(parent), source_(std::move(Source)) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), source_());
  }

 private:
  std::function<QImage()> source_;
};

}  // namespace

TZoomView::TZoomView(std::function<QImage()> Source, QWidget* parent)
    : QScrollArea(parent), source_(std::move(Source)) {
  setFrameShape(QFrame::NoFrame);
  setWidget(new TZoomedImage(source_, this));
}

void TZoomView::SetScale(int Scale) {
  scale_ = Scale;
  Refresh();
}

void TZoomView::Refresh() {
  // Logical pixels: one image pixel per device pixel at scale 1.
  const QSizeF size = QSizeF(source_().size()) * scale_ / devicePixelRatioF();
  widget()->resize(size.toSize());
  widget()->update();
}

}  // namespace tessel::generator
