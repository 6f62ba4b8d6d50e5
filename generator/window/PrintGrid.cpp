// The "Print parameters:" grid of the window, its spinner, printing, and
// the sizes Save takes from it.
#include <cmath>

#include "generator/PropertyApply.h"
#include "generator/cli/Verify.h"
#include "generator/window/MainWindow.h"
#include "generator/window/PrintParameters.h"
#include "platform/qt/QtPrinter.h"
#include "reader/ImageFile.h"
#include "reader/Verify.h"

namespace tessel::generator {
namespace {

QString PrintErrorMessage(int error) {
  switch (error) {
    case ecNoPrinter: return "No printer is installed: nothing was printed.";
    case ecModuleTooSmall: return "The module is smaller than one printer pixel: nothing was printed.";
    default: return "The barcode text is not valid for this symbology: nothing was printed.";
  }
}

// The component's bar width reduction for one print, put back afterwards.
class TPrintReduction {
 public:
  TPrintReduction(TBarcode& barcode, double millimetres) : barcode_(barcode), previous_(barcode.BarWidthReduction()) {
    barcode_.SetBarWidthReduction(millimetres);
  }
  ~TPrintReduction() { barcode_.SetBarWidthReduction(previous_); }
  TPrintReduction(const TPrintReduction&) = delete;
  TPrintReduction& operator=(const TPrintReduction&) = delete;

 private:
  TBarcode& barcode_;
  double previous_;
};

}  // namespace

void TfrmDemo::prpPrintStringsChange() {
  if (!FUpdating) UpdatePrintUpDown(prpPrint->CurrentRow());
  labWidth->clear();
  ShowXDimension();
  ReadSoon();
}

TOutputOptions TfrmDemo::SaveOptions(TFileFormat Format) const {
  const auto cell = [this](int row) { return PrintValue(row, prpPrint->Value(row)); };
  return {.Format = Format,
          .Dpi = PrintDpi(prpPrint->Value(prDpi)),
          .XDimension = Millimetres(cell(prModule)),
          .BarHeight = Millimetres(cell(prHeight)),
          .BarWidthReduction = Millimetres(cell(prReduction)),
          .LeftMargin = 0,
          .TopMargin = 0};
}

int TfrmDemo::SaveWidthDots(int Dpi) const {
  return DotsWithin(PrintValue(prWidth, prpPrint->Value(prWidth)), Dpi, MaxExtent).value_or(0);
}

// The module Save writes: whole dots at the resolution, in millimetres.
// Nothing when the writers would refuse the module or the resolution.
void TfrmDemo::ShowXDimension() {
  const int dpi = PrintDpi(prpPrint->Value(prDpi));
  const std::optional<int> dots = DotsWithin(PrintValue(prModule, prpPrint->Value(prModule)), dpi, MaxModule);
  const TSymbolGeometry geometry{.Dpi = dpi, .ModuleDots = dots.value_or(0)};
  staBarcode->SetText(spXDimension, dots ? QString::asprintf("X %.3f mm", geometry.XDimensionMm()) : QString());
}

void TfrmDemo::ReadSoon() {
  if (timReading) timReading->start();
}

// Read from a component of its own, set up from the grid as the window's
// is: writing the window's component at the print sizes would redraw the
// preview.
void TfrmDemo::ShowReading() {
  FReads = false;
  if (!staBarcode) return;  // while the window is being built
  const std::unique_ptr<TBarcode> copy = FBarcode && entry_ ? CreateCatalogueBarcode(*entry_) : nullptr;
  std::string png;
  TGreyImage image;
  TOutputOptions options = SaveOptions(TFileFormat::Png);
  options.QuietZone = {TQuietZone::TKind::Standard};  // a reader needs them, whatever Save leaves round the symbol
  if (copy) ApplyRowsTo(*copy);
  if (!copy || !EncodeSymbol(*copy, png, options) || !DecodeImageFile(png, image).empty()) {
    staBarcode->SetText(spReading, QString());
    return;
  }
  const std::string className(copy->ClassName());
  const TReadResult read =
      VerifySymbol(image, {.PreferredClass = className, .WithoutCheckCharacters = !copy->AutoCheckDigit()});
  FReads = read.Found && read.ClassName == className;
  staBarcode->SetText(spReading, QString::fromStdString(ReadSummary(read)));
}

void TfrmDemo::prpPrintSelectCell(int Col, int Row) {
  if (Col == 0) return;
  updPrint->hide();
  DisplayPrintUpDown(Row);
}

void TfrmDemo::DisplayPrintUpDown(int Row) {
  if (Row < prModule || Row > prLast) return;
  const TPrintParameterLimit& limit = PrintLimit(Row);
  updPrint->SetRange(limit.SpinMin, limit.SpinMax);
  updPrint->Tag = Row;
  UpdatePrintUpDown(Row);
  updPrint->show();
  PlaceUpDowns();
}

void TfrmDemo::UpdatePrintUpDown(int Row) {
  if (Row != updPrint->Tag || Row < prModule || Row > prLast) return;
  const double position = TenPower(PrintLimit(Row).Digits) * PrintValue(Row, prpPrint->Value(Row));
  updPrint->SetPosition(std::abs(position) < 1e9 ? static_cast<int>(std::lround(position)) : 0);
}

void TfrmDemo::updPrintClick() {
  const int row = updPrint->Tag;
  if (row < prModule || row > prLast) return;
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
  const TPrintReduction reduction(*FBarcode, cell(prReduction));
  const int error = FBarcode->Print(cell(prModule), cell(prLeft), cell(prTop), cell(prHeight),
                                    PrintAngle(prpPrint->Value(prAngle)), cell(prWidth));
  const double width =
      FBarcode->ActualPrintWidth(cell(prModule), PrintAngle(prpPrint->Value(prAngle)), cell(prWidth), 0);
  labWidth->setText(QString::asprintf("Width: %.2f mm", width));
  printer->EndDoc();
  if (error != ecValid) services_.ShowError(this, PrintErrorMessage(error));
}

}  // namespace tessel::generator
