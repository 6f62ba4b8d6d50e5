// The preview at a fixed magnification: the preview image with one image
// pixel per device pixel, or magnified without smoothing, in a scroll area.
#pragma once

#include <QImage>
#include <QScrollArea>
#include <functional>

namespace tessel::generator {

class TZoomView : public QScrollArea {
 public:
  // Source gives the preview image as drawn at the moment of painting.
  explicit TZoomView(std::function<QImage()> Source, QWidget* parent);

  int Scale() const { return scale_; }
  // Image pixels shown as Scale x Scale device pixels.
  void SetScale(int Scale);
  // Takes the source's image again: its size and its pixels.
  void Refresh();
  // The magnified image as shown, scrolled out of sight or not.
  QWidget* Image() const { return widget(); }

 private:
  std::function<QImage()> source_;
  int scale_ = 1;
};

}  // namespace tessel::generator
