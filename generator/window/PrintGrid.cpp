// The "Print parameters:" grid of the window, its spinner, and printing.
#include <cmath>

#include "generator/window/MainWindow.h"
#include "generator/window/PrintParameters.h"
#include "platform/qt/QtPrinter.h"

namespace tessel::generator {
namespace {

QString PrintErrorMessage(int error) {
  switch (error) {
    case ecNoPrinter: return "No printer is installed: nothing was printed.";
    case ecModuleTooSmall: return "The module is smaller than one printer pixel: nothing was printed.";
    default: return "The barcode text is not valid for this symbology: nothing was printed.";
  }
}

}  // namespace

void TfrmDemo::prpPrintStringsChange() {
  if (!FUpdating) UpdatePrintUpDown(prpPrint->CurrentRow());
  labWidth->clear();
}

void TfrmDemo::prpPrintSelectCell(int Col, int Row) {
  if (Col == 0) return;
  updPrint->hide();
  DisplayPrintUpDown(Row);
}

void TfrmDemo::DisplayPrintUpDown(int Row) {
  if (Row < prModule || Row > prAngle) return;
  const TPrintParameterLimit& limit = PrintLimit(Row);
  updPrint->SetRange(limit.SpinMin, limit.SpinMax);
  updPrint->Tag = Row;
  UpdatePrintUpDown(Row);
  updPrint->show();
  PlaceUpDowns();
}

void TfrmDemo::UpdatePrintUpDown(int Row) {
  if (Row != updPrint->Tag || Row < prModule || Row > prAngle) return;
  const double position = TenPower(PrintLimit(Row).Digits) * PrintValue(Row, prpPrint->Value(Row));
  updPrint->SetPosition(std::abs(position) < 1e9 ? static_cast<int>(std::lround(position)) : 0);
}

void TfrmDemo::updPrintClick() {
  const int row = updPrint->Tag;
  if (row < prModule || row > prAngle) return;
  prpPrint->SetValue(row, SpinnerText(updPrint->Position(), PrintLimit(row).Digits));
}

void TfrmDemo::btnPrintClick() {
  if (!FBarcode) return;
  TQtPrinter* printer = services_.DefaultPrinter ? services_.DefaultPrinter() : nullptr;
  if (!printer) {
    services_.ShowError(this,
                        "No printer is installed. Install a printer, make it the default printer and print again.");
    return;
  }
  printer->Device().setDocName(cmbBarcode->currentText() + " (" + windowTitle() + ")");
  if (!printer->BeginDoc()) {
    services_.ShowError(this,
                        QString("The printer %1 did not accept the print job.").arg(printer->Device().printerName()));
    return;
  }
  const auto cell = [this](int row) { return PrintValue(row, prpPrint->Value(row)); };
  const int error = FBarcode->Print(cell(prModule), cell(prLeft), cell(prTop), cell(prHeight),
                                    PrintAngle(prpPrint->Value(prAngle)), cell(prWidth));
  const double width =
      FBarcode->ActualPrintWidth(cell(prModule), PrintAngle(prpPrint->Value(prAngle)), cell(prWidth), 0);
  labWidth->setText(QString::asprintf("Width: %.2f mm", width));
  printer->EndDoc();
  if (error != ecValid) services_.ShowError(this, PrintErrorMessage(error));
}

}  // namespace tessel::generator
