// TQtImageView: a Qt widget that shows a TImage's picture and keeps the
// image control's size equal to its own.
#pragma once

#include <QWidget>

#include "platform/Image.h"

namespace tessel {

class TQtImageView : public QWidget {
 public:
  // The view does not own the image; the image must outlive it or be
  // detached with SetImage(nullptr).
  explicit TQtImageView(TImage* image, QWidget* parent = nullptr);
  ~TQtImageView() override;
  void SetImage(TImage* image);
  TImage* Image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TImage* image_ = nullptr;
};

}  // namespace tessel
