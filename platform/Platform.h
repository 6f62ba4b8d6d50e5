// The one installed platform object through which the engine obtains bitmaps,
// the default printer and the screen's metrics. The Qt implementation installs
// itself; tests install a fake one. Without one, the headless platform
// answers: bitmaps in plain memory (TRasterBitmap), no printer, a 96 dpi
// screen.
#pragma once

#include <memory>

#include "platform/Bitmap.h"
#include "platform/Printer.h"

namespace tessel {

class TPlatform {
 public:
  virtual ~TPlatform() = default;
  // A new empty bitmap, or null when the platform has none.
  virtual std::unique_ptr<TBitmap> CreateBitmap() = 0;
  // The default printer, or null when none is available.
  virtual TPrinter* Printer() = 0;
  virtual int ScreenPixelsPerInch() const = 0;
};

// The installed platform (never null). Install(nullptr) restores the headless one.
TPlatform& Platform();
void InstallPlatform(TPlatform* platform);

}  // namespace tessel
