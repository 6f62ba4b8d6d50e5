// The window's printed size: Save in every format at the print parameters'
// X dimension and resolution, the bar width reduction row on Print, the
// X dimension in the status bar, the preview's zoom and the readable names.
#include <QFile>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "generator/window/PrintParameters.h"
#include "gui/WindowTestSupport.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "qt/QtTestSupport.h"

using namespace tessel;
using namespace tessel::generator;
using namespace tessel::testing;

namespace {

constexpr double MetresPerInch = 0.0254;

}  // namespace

TEST_F(WindowTest, SaveWritesEachFormatByItsExtensionAtThePrintSize) {
  // 0.254 mm at 300 dpi is exactly 3 dots.
  window->prpPrint->EditValue(prModule, "0.254");
  window->prpPrint->EditValue(prDpi, "300");
  struct TCase {
    const char* Extension;
    const char* Magic;
  };
  const TCase cases[] = {{"png", "\x89PNG"}, {"bmp", "BM"},   {"svg", "<?xml"},
                         {"pdf", "%PDF-"},   {"eps", "%!PS"}, {"unknown", "BM"}};
  QTemporaryDir dir;
  for (const TCase& c : cases) {
    recorded.SavePath = dir.filePath(QString("codabar.") + c.Extension);
    window->btnSaveClick();
    QFile file(recorded.SavePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.Extension;
    EXPECT_TRUE(file.readAll().startsWith(c.Magic)) << c.Extension;
  }
  EXPECT_TRUE(recorded.Errors.isEmpty()) << recorded.Errors.join('\n').toStdString();

  const QImage png(dir.filePath("codabar.png"), "PNG");
  EXPECT_EQ(png.dotsPerMeterX(), std::lround(300 / MetresPerInch));
  const std::vector<int> runs = Runs(png, png.height() / 4);
  ASSERT_FALSE(runs.empty());
  EXPECT_EQ(*std::min_element(runs.begin(), runs.end()), 3);
}

TEST_F(WindowTest, StatusBarShowsTheXDimensionInWholeDotsOfTheResolution) {
  struct TCase {
    const char *Module, *Dpi, *Shown;
  };
  const TCase cases[] = {
      {"0.2", "300", "X 0.169 mm"},   // 2.36 dots: 2
      {"0.33", "600", "X 0.339 mm"},  // 7.80 dots: 8
      {"0.01", "300", "X 0.085 mm"},  // at least one dot
      {"0", "300", ""},
      {"0.2", "0", ""},
  };
  for (const TCase& c : cases) {
    window->prpPrint->EditValue(prModule, c.Module);
    window->prpPrint->EditValue(prDpi, c.Dpi);
    EXPECT_EQ(window->StatusText(TfrmDemo::spXDimension), c.Shown) << c.Module << " at " << c.Dpi;
  }
  // The panel shows its text whole in the narrowest window.
  window->prpPrint->EditValue(prModule, "0.2");
  window->prpPrint->EditValue(prDpi, "300");
  window->resize(window->minimumWidth(), window->height());
  const TStatusPanels& bar = *window->staBarcode;
  const QRect panel = bar.PanelRect(TfrmDemo::spXDimension);
  EXPECT_LE(panel.right(), bar.width());
  EXPECT_LT(bar.fontMetrics().horizontalAdvance(bar.Panel(TfrmDemo::spXDimension).Text), panel.width());
}

TEST_F(WindowTest, StatusBarSaysHowThePrintedSymbolReadsBack) {
  constexpr int WaitMs = 10000;  // the panel reads once the changes pause
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->StatusText(TfrmDemo::spReading).isEmpty(); }, WaitMs));
  const QString reads = window->StatusText(TfrmDemo::spReading);
  EXPECT_TRUE(reads.startsWith("reads as TBarcode_Codabar \"")) << reads.toStdString();
  EXPECT_TRUE(reads.endsWith(", grade A")) << reads.toStdString();
  EXPECT_TRUE(window->SymbolReads());
  // Bars as light as the paper, and no text, leave nothing to read: said in red.
  for (int row = 1; row <= window->prpBarcode->DataRowCount(); ++row) {
    if (window->prpBarcode->Name(row) == "BarColor") window->prpBarcode->EditValue(row, "clWhite");
    if (window->prpBarcode->Name(row) == "DisplayText") window->prpBarcode->EditValue(row, "dtNone");
  }
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->SymbolReads(); }, WaitMs));
  EXPECT_EQ(window->StatusText(TfrmDemo::spReading), "does not read");
  EXPECT_FALSE(window->SymbolReads());
}

TEST_F(WindowTest, PrintAppliesTheReductionRowForThePrintOnly) {
  window->prpPrint->EditValue(prReduction, "0.05");
  // Every drawing while the reduction is set shows in the preview's changes.
  std::vector<double> drawnWith;
  window->imgBarcode.OnChange = [this, &drawnWith] { drawnWith.push_back(window->Barcode()->BarWidthReduction()); };
  QTemporaryDir dir;
  TQtPlatform::Instance().UsePdfPrinter(dir.filePath("print.pdf"), 600);
  recorded.Printer = TQtPlatform::Instance().QtPrinter();
  window->btnPrintClick();
  TQtPlatform::Instance().UseSystemPrinter();
  EXPECT_TRUE(recorded.Errors.isEmpty()) << recorded.Errors.join('\n').toStdString();
  EXPECT_NE(std::find(drawnWith.begin(), drawnWith.end(), 0.05), drawnWith.end());
  EXPECT_EQ(window->Barcode()->BarWidthReduction(), 0);
}

TEST_F(WindowTest, ZoomShowsThePreviewPixelsMagnified) {
  // Codabar's first bar is one module (one pixel) wide at row 10.
  for (const int scale : {1, 2, 4}) {
    window->cmbZoom->setCurrentIndex(window->cmbZoom->findData(scale));
    ASSERT_TRUE(window->zoomView->isVisible());
    EXPECT_FALSE(window->imgView->isVisible());
    const QImage shown = window->zoomView->Image()->grab().toImage();
    EXPECT_EQ(shown.size(), window->PreviewImage().size() * scale);
    EXPECT_EQ(Runs(shown, 10 * scale).front(), scale);
  }
  window->cmbZoom->setCurrentIndex(window->cmbZoom->findData(0));
  EXPECT_TRUE(window->imgView->isVisible());
  EXPECT_FALSE(window->zoomView->isVisible());
}

TEST_F(WindowTest, NameColumnShowsEveryPropertyNameWhole) {
  for (const char* name : {"Codabar", "EAN-128", "PharmacodeOneTrack"}) {
    Select(name);
    const TValueGrid& grid = *window->prpBarcode;
    // An item's text keeps the focus frame's margin and one pixel on either side.
    const int margins = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
    for (int row = 1; row <= grid.DataRowCount(); ++row)
      EXPECT_LE(grid.fontMetrics().horizontalAdvance(grid.Name(row)) + margins, grid.columnWidth(0))
          << name << ": " << grid.Name(row).toStdString();
  }
}
