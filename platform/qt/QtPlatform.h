// TQtPlatform: the Qt 6 implementation of the platform, installed when the
// library is loaded. Bitmaps are QImages; the default printer is the
// system's (CUPS), or a PDF file printer chosen with UsePdfPrinter.
#pragma once

#include <QString>
#include <memory>

#include "platform/Platform.h"

namespace tessel {

class TQtPrinter;

class TQtPlatform : public TPlatform {
 public:
  std::unique_ptr<TBitmap> CreateBitmap() override;
  TPrinter* Printer() override;
  int ScreenPixelsPerInch() const override;

  // Prints into a PDF file at `dpi` instead of the system printer.
  void UsePdfPrinter(const QString& file, int dpi);
  // Back to the system's default printer.
  void UseSystemPrinter();
  TQtPrinter* QtPrinter();

  static TQtPlatform& Instance();

 private:
  std::unique_ptr<TQtPrinter> printer_;
  bool printerChosen_ = false;
};

// Creates a QGuiApplication when the program has none, so that fonts and
// images work in programs without a window; without a display it uses the
// offscreen platform.
void EnsureGuiApplication();

}  // namespace tessel
