// TQtPrinter: TPrinter on a QPrinter, either the system's default printer
// (through CUPS) or a PDF file. Drawing reaches the page only between
// BeginDoc and EndDoc, which the caller opens and closes.
#pragma once

#include <QPrinter>
#include <memory>

#include "platform/Printer.h"
#include "platform/qt/QtCanvas.h"

class QPrinterInfo;

namespace tessel {

class TQtPrinter : public TPrinter {
 public:
  // The system's default printer.
  explicit TQtPrinter(const QPrinterInfo& info);
  // A printer that writes a PDF file at the given resolution.
  TQtPrinter(const QString& pdfFile, int dpi);
  ~TQtPrinter() override;

  TCanvas& Canvas() override { return canvas_; }
  QPrinter& Device() { return printer_; }
  bool BeginDoc();
  void NewPage();
  void EndDoc();
  bool Printing() const { return canvas_.Active(); }

 private:
  QPrinter printer_;
  TQtCanvas canvas_;
};

}  // namespace tessel
