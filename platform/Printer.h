// TPrinter: the default printer's drawing surface.
#pragma once

#include "platform/Canvas.h"

namespace tessel {

class TPrinter {
 public:
  virtual ~TPrinter() = default;
  virtual TCanvas& Canvas() = 0;
  int PixelsPerInchX() { return Canvas().PixelsPerInchX(); }
  int PixelsPerInchY() { return Canvas().PixelsPerInchY(); }
};

}  // namespace tessel
