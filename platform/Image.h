// Image controls: TControl (a sized component) and TImage, which shows the
// bitmap of its Picture. A platform view observes the image through
// OnChange and repaints.
#pragma once

#include <functional>

#include "platform/Bitmap.h"
#include "platform/Reflection.h"

namespace tessel {

class TControl : public TComponent {
  TESSEL_CLASS_INFO
 public:
  using TComponent::TComponent;
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetBounds(int width, int height);
  // The canvas on which the control paints itself (used at design time), or
  // null when the control has none.
  virtual TCanvas* ControlCanvas() { return nullptr; }

 private:
  int width_ = 105;
  int height_ = 105;
};

class TImage : public TControl {
  TESSEL_CLASS_INFO
 public:
  using TControl::TControl;
  TPicture& Picture() { return picture_; }
  // Tells observers that the picture was drawn on.
  void Changed() {
    if (OnChange) OnChange();
  }
  std::function<void()> OnChange;

 private:
  TPicture picture_;
};

}  // namespace tessel
