#include "platform/qt/QtPrinter.h"

#include <QPrinterInfo>

namespace tessel {

TQtPrinter::TQtPrinter(const QPrinterInfo& info) : printer_(info, QPrinter::HighResolution), canvas_(&printer_) {
  canvas_.SetAutoBegin(false);
}

TQtPrinter::TQtPrinter(const QString& pdfFile, int dpi) : printer_(QPrinter::HighResolution), canvas_(&printer_) {
  printer_.setOutputFormat(QPrinter::PdfFormat);
  printer_.setOutputFileName(pdfFile);
  printer_.setResolution(dpi);
  printer_.setFullPage(true);
  canvas_.SetAutoBegin(false);
}

TQtPrinter::~TQtPrinter() { EndDoc(); }

bool TQtPrinter::BeginDoc() { return canvas_.Begin(); }

void TQtPrinter::NewPage() {
  if (Printing()) printer_.newPage();
}

void TQtPrinter::EndDoc() { canvas_.End(); }

}  // namespace tessel
