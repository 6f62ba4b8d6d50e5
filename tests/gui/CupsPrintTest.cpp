// Printing from the window through a real CUPS server: the fixture starts a
// server of its own (support/CupsServer.h) with a cups-pdf queue as the
// default printer, the window prints, and the PDF is rasterised at 600 dpi
// to check where and how wide the symbol came out.
#include <QImageReader>
#include <cmath>

#include "generator/window/PrintParameters.h"
#include "gui/WindowTestSupport.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/QtPrinter.h"
#include "qt/QtTestSupport.h"
#include "support/CupsServer.h"

using namespace tessel;
using namespace tessel::generator;
using namespace tessel::testing;

namespace {

constexpr int RasterDpi = 600;

}  // namespace

class CupsPrinting : public WindowTest {
 protected:
  void SetUp() override {
    cups_.Start();
    if (HasFatalFailure() || IsSkipped()) return;
    WindowTest::SetUp();
  }

  void TearDown() override {
    WindowTest::TearDown();
    TQtPlatform::Instance().UseSystemPrinter();
    cups_.Stop();
  }

  TCupsServer cups_;
};

TEST_F(CupsPrinting, PrintsTheSymbolAtItsPlaceAndWidth) {
  // The window asks for the system's default printer itself.
  recorded.Printer = nullptr;
  window = std::make_unique<TfrmDemo>([this] {
    TWindowServices services = DesktopServices();
    services.ShowError = [this](QWidget*, const QString& message) { recorded.Errors << message; };
    return services;
  }());
  window->show();
  window->btnPrint->click();
  ASSERT_TRUE(recorded.Errors.isEmpty()) << recorded.Errors.join('\n').toStdString();
  const QString label = window->labWidth->text();
  ASSERT_TRUE(label.startsWith("Width: ")) << label.toStdString();
  const double widthMM = label.mid(7).chopped(3).toDouble();

  TQtPrinter* printer = TQtPlatform::Instance().QtPrinter();
  ASSERT_NE(printer, nullptr);
  EXPECT_EQ(printer->Device().printerName(), TCupsServer::Queue);
  const QMarginsF margins = printer->Device().pageLayout().margins(QPageLayout::Millimeter);
  const double devicePixel = RasterDpi / double(printer->Device().resolution());

  const QString pdf = cups_.WaitForPdf();
  ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the cups-pdf queue";
  const QString png = cups_.Folder() + "/page";
  const QString rasterised =
      RunCommand("pdftoppm", {"-r", QString::number(RasterDpi), "-gray", "-png", "-singlefile", pdf, png});
  ASSERT_TRUE(rasterised.isEmpty()) << rasterised.toStdString();
  QImageReader reader(png + ".png");
  reader.setAllocationLimit(0);  // a page at 600 dpi is larger than the default limit
  const QImage page = reader.read();
  ASSERT_FALSE(page.isNull()) << reader.errorString().toStdString();

  const auto toPixels = [](double mm) { return mm * RasterDpi / MillimetresPerInch; };
  const QRect ink = InkBox(page);
  // Left and Top (20 mm) from the printable area's corner.
  EXPECT_NEAR(ink.left(), toPixels(margins.left() + 20), devicePixel + 1);
  EXPECT_NEAR(ink.top(), toPixels(margins.top() + 20), devicePixel + 1);
  // The bars, measured across their middle, are as wide as the label says.
  const int y = ink.top() + 10;
  int first = -1, last = -1;
  for (int x = 0; x < page.width(); ++x)
    if (qGray(page.pixel(x, y)) < 128) (first < 0 ? first : last) = x, last = x;
  EXPECT_NEAR(last - first + 1, toPixels(widthMM), devicePixel + 1);
  const auto decoded = Decode(page, "Codabar");
  ASSERT_TRUE(decoded);
  EXPECT_NE(decoded->Text.find("1234567890"), std::string::npos) << decoded->Text;
}
