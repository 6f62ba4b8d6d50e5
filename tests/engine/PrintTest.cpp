// Physical sizing in millimetres and printing on the (fake) default printer.
#include <gtest/gtest.h>

#include <climits>
#include <numbers>

#include "RecordingCanvas.h"
#include "core/pCore.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

class Print : public ::testing::Test {
 protected:
  static TFakePlatform& Platform() { return TFakePlatform::Instance(); }
  void UsePrinter(int dpiX, int dpiY) { printer_.Use(dpiX, dpiY); }
  TRecordingCanvas& Paper() { return printer_.Paper(); }
  // The box covered by all polygons drawn on the paper (right, bottom inclusive).
  TRect Covered() {
    TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (const TPolygonCall& call : Paper().Polygons) {
      const TRect b = call.Box();
      r = {std::min(r.Left, b.Left), std::min(r.Top, b.Top), std::max(r.Right, b.Right), std::max(r.Bottom, b.Bottom)};
    }
    return r;
  }
  // 95 modules of lines and quiet zones of 11 and 7 modules: 113 in all.
  TBarcodeDefineExtra Ean13Like() {
    symbol.Pattern = std::string(95, '5');
    symbol.QuietZones = true;
    symbol.LeftSpacing = 11;
    symbol.RightSpacing = 7;
    return symbol.Define();
  }

  TScopedPrinter printer_;
  TScriptedSymbol symbol;
};

}  // namespace

TEST_F(Print, MillimetresToPixels) {
  EXPECT_EQ(MillimetresToPixelsX(600, 0.254), 6);
  EXPECT_EQ(MillimetresToPixelsX(600, 0.33), 8);  // Round(7.795)
  EXPECT_EQ(MillimetresToPixelsY(300, 25.4), 300);
  EXPECT_EQ(MillimetresToPixelsX(600, 0), 0);
  EXPECT_DOUBLE_EQ(PixelsToMillimetresX(600, 600), 25.4);
  EXPECT_DOUBLE_EQ(PixelsToMillimetresY(150, 300), 12.7);
  // Resolution 0 stands for the printer's, horizontal or vertical.
  UsePrinter(600, 300);
  EXPECT_EQ(MillimetresToPixelsX(0, 25.4), 600);
  EXPECT_EQ(MillimetresToPixelsY(0, 25.4), 300);
  EXPECT_DOUBLE_EQ(PixelsToMillimetresY(300, 0), 25.4);
  EXPECT_EQ(GetPrinterResolution(Platform().printer.get(), true), 600);
  EXPECT_EQ(GetPrinterResolution(Platform().printer.get(), false), 300);
  EXPECT_EQ(GetPrinterResolution(nullptr, true), 0);
}

TEST_F(Print, ModuleIsFittedToATargetWidth) {
  const TBarcodeDefineExtra d = Ean13Like();
  int module = -1, error = -1;
  // Round(600 x (40 / 113) / 25.4) = 8, and 113 x 8 pixels are 38.27 mm.
  EXPECT_NEAR(ActualPrintWidth("x", 0, d, module, error, 40, 600), 38.27, 0.005);
  EXPECT_EQ(module, 8);
  EXPECT_EQ(error, ecValid);
  // Without a target the module comes from ModuleMM.
  EXPECT_NEAR(ActualPrintWidth("x", 0.33, d, module, error, 0, 600), 38.27, 0.005);
  EXPECT_EQ(module, 8);
  EXPECT_DOUBLE_EQ(ActualPrintWidth("x", 0, d, module, error, 0, 600), 0);
  EXPECT_EQ(module, 0);
  // Resolution 0: the printer's.
  EXPECT_NEAR(ActualPrintWidth("x", 0, d, module, error, 40, 0), 38.27, 0.005);
  EXPECT_EQ(module, 8);
}

TEST_F(Print, SideTextsAreTakenFromTheTargetBeforeFitting) {
  symbol.LeftTextWidth = 236;  // 10 mm at 600 dpi
  const TBarcodeDefineExtra d = Ean13Like();
  int module = -1, error = -1;
  // Round(600 x (30 / 113) / 25.4) = 6; printed: 113 x 6 + 236 pixels.
  EXPECT_NEAR(ActualPrintWidth("x", 0, d, module, error, 40, 600), 914 * 25.4 / 600, 1e-9);
  EXPECT_EQ(module, 6);
}

TEST_F(Print, ActualPrintWidthReportsInvalidText) {
  TBarcodeDefineExtra d = Ean13Like();
  symbol.InvalidChar = 4;
  int module = -1, error = 0;
  EXPECT_EQ(ActualPrintWidth("x", 0, d, module, error, 40, 600), 0);
  EXPECT_EQ(error, 4);
  error = 0;
  EXPECT_EQ(ActualPrintWidth("x", 0.33, d, module, error, 0, 600), 0);
  EXPECT_EQ(error, 4);
}

TEST_F(Print, PrintSizeOfATurnedSymbolIsTransposedPlusOnePixel) {
  symbol.Pattern = std::string(10, '5');
  TBarcodeDefineExtra d = symbol.Define();
  int module = -1;
  double width = 0, height = 10;  // bar height 10 mm: 236 pixels
  ASSERT_EQ(PrintSize("x", 0.254, d, module, width, height, 0, 600, 600), ecValid);
  EXPECT_EQ(module, 6);
  EXPECT_DOUBLE_EQ(width, 60 * 25.4 / 600);
  EXPECT_DOUBLE_EQ(height, 236 * 25.4 / 600);

  d.Angle = 90;
  height = 10;
  ASSERT_EQ(PrintSize("x", 0.254, d, module, width, height, 0, 0, 0), ecValid);
  EXPECT_DOUBLE_EQ(width, 237 * 25.4 / 600);
  EXPECT_DOUBLE_EQ(height, 61 * 25.4 / 600);

  symbol.LengthValid = false;
  EXPECT_EQ(PrintSize("x", 0.254, d, module, width, height, 0, 600, 600), ecInvalidLength);
}

TEST_F(Print, PrintSizeMatchesWhatANonSquarePrinterPrints) {
  UsePrinter(600, 300);
  symbol.Pattern = std::string(10, '5');
  TBarcodeDefineExtra d = symbol.Define();
  int module = -1;
  // 10 mm bars print as 118 rows at 300 dpi, 60 pixels wide at 600 dpi.
  double width = 0, height = 10;
  ASSERT_EQ(PrintSize("x", 0.254, d, module, width, height, 0, 0, 0), ecValid);
  EXPECT_DOUBLE_EQ(width, 2.54);
  EXPECT_NEAR(height, 10, 0.1);
  d.Angle = 90;
  height = 10;
  ASSERT_EQ(PrintSize("x", 0.254, d, module, width, height, 0, 600, 300), ecValid);
  EXPECT_NEAR(width, 10, 0.1);
  EXPECT_NEAR(height, 2.54, 0.1);
  // And a text measured on the printer in its own rows.
  TFont font;  // 8 pt at 300 dpi: 33 rows, 36 with the text's margin
  d.Angle = 0;
  d.TextFont = &font;
  d.DisplayText = dtBarcode;
  d.TextPosition = tpTopOut;
  height = 2;  // bars of 24 rows, shorter than the text
  ASSERT_EQ(PrintSize("x", 0.254, d, module, width, height, 0, 600, 300), ecValid);
  EXPECT_NEAR(height, 36 * 25.4 / 300, 0.1);
}

TEST_F(Print, PrintBarcodeDrawsAtLeftTopInMillimetres) {
  symbol.Pattern = std::string(10, '5');
  for (int angle : {0, 90, 180, 270}) {
    Paper().Polygons.clear();
    TBarcodeDefineExtra d = symbol.Define();
    d.Angle = angle;
    ASSERT_EQ(PrintBarcode("x", 0.254, 10, 5, 10, clRed, clBlue, clWhite, d, 0), ecValid);
    // 10 mm and 5 mm are 236 and 118 pixels; the symbol is 60 x 236.
    const bool turned = angle % 180 != 0;
    EXPECT_EQ(Covered(), (TRect{236, 118, 236 + (turned ? 235 : 59), 118 + (turned ? 59 : 235)})) << angle;
    EXPECT_EQ(Paper().Polygons[0].Brush, clRed);
  }
}

TEST_F(Print, PrintBarcodeCorrectsTheAspectOfTheDevice) {
  UsePrinter(600, 300);
  symbol.Pattern = std::string(10, '5');
  ASSERT_EQ(PrintBarcode("x", 0.254, 10, 5, 10, clBlack, clWhite, clWhite, symbol.Define(), 0), ecValid);
  // Top at 300 dpi is 59; 236 bar rows in horizontal pixels are 118 device rows.
  EXPECT_EQ(Covered(), (TRect{236, 59, 295, 59 + 118}));
}

TEST_F(Print, PrintBarcodeFitsTheModuleToWidthMM) {
  const TBarcodeDefineExtra d = Ean13Like();
  ASSERT_EQ(PrintBarcode("x", 0.1, 0, 0, 10, clBlack, clWhite, clWhite, d, 40), ecValid);
  // 11 quiet-zone modules of 8 pixels, then bars 8 wide.
  EXPECT_EQ(Paper().Polygons[0].Box(), (TRect{88, 0, 95, 235}));
  EXPECT_EQ(Covered().Right, 88 + 95 * 8 - 1);
}

TEST_F(Print, PrintBarcodeFailures) {
  TBarcodeDefineExtra d = Ean13Like();
  // Less than one printer pixel per module prints nothing.
  EXPECT_EQ(PrintBarcode("x", 0.01, 0, 0, 10, clBlack, clWhite, clWhite, d, 0), ecModuleTooSmall);
  EXPECT_EQ(PrintBarcode("x", 0, 0, 0, 10, clBlack, clWhite, clWhite, d, 1), ecModuleTooSmall);
  // Invalid text, with and without a target width.
  symbol.InvalidChar = 1;
  EXPECT_EQ(PrintBarcode("x", 0.254, 0, 0, 10, clBlack, clWhite, clWhite, d, 0), 1);
  EXPECT_EQ(PrintBarcode("x", 0, 0, 0, 10, clBlack, clWhite, clWhite, d, 40), 1);
  EXPECT_EQ(PrintBarcode("x", 0.01, 0, 0, 10, clBlack, clWhite, clWhite, d, 0), 1);  // the text's error comes first
  EXPECT_TRUE(Paper().Polygons.empty());
  // No default printer.
  symbol.InvalidChar = 0;
  printer_.Remove();
  EXPECT_EQ(PrintBarcode("x", 0.254, 0, 0, 10, clBlack, clWhite, clWhite, d, 0), ecNoPrinter);
}

TEST_F(Print, SizingWithoutAPrinterUsesTheGivenResolution) {
  printer_.Remove();
  symbol.Pattern = std::string(10, '5');
  int module = -1, error = -1;
  EXPECT_DOUBLE_EQ(ActualPrintWidth("x", 0.254, symbol.Define(), module, error, 0, 600), 2.54);
  EXPECT_EQ(error, ecValid);
  // Nothing to take a resolution from: zero, not a crash.
  EXPECT_DOUBLE_EQ(ActualPrintWidth("x", 0.254, symbol.Define(), module, error, 0, 0), 0);
}

TEST_F(Print, DrawSizeMeasuresOnAScratchBitmap) {
  symbol.Pattern = std::string(10, '5');
  TBarcodeDefineExtra d = symbol.Define();
  int width = 0, height = 20;
  ASSERT_EQ(DrawSize("x", d, width, height), ecValid);
  EXPECT_EQ(width, 10);
  EXPECT_EQ(height, 20);
  // Turned: one pixel more in each direction than the transposed size.
  d.Angle = 90;
  height = 20;
  ASSERT_EQ(DrawSize("x", d, width, height), ecValid);
  EXPECT_EQ(width, 21);
  EXPECT_EQ(height, 11);
  // A text is measured too: 2 characters of 7 pixels, 14 high.
  TFont font;
  d.Angle = 0;
  d.TextFont = &font;
  d.DisplayText = dtBarcode;
  d.TextPosition = tpTopOut;
  height = 5;
  ASSERT_EQ(DrawSize("AB", d, width, height), ecValid);
  EXPECT_EQ(width, 14);
  EXPECT_EQ(height, 14);

  symbol.InvalidChar = 2;
  height = 20;
  EXPECT_EQ(DrawSize("AB", d, width, height), 2);
  EXPECT_EQ(width, 0);
  EXPECT_EQ(height, 0);
}
