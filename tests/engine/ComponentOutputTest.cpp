// TBarcode output operations: drawing on image controls, on any canvas and
// on the printer, clearing and measuring.
#include <gtest/gtest.h>

#include <cmath>

#include "RecordingCanvas.h"
#include "platform/Image.h"
#include "symbologies/pCode25Int.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// Image controls of other libraries, recognised by class name only.
class TQRImage : public TControl {
  TESSEL_CLASS_INFO
 public:
  using TControl::TControl;
  TPicture& Picture() { return picture_; }
  TCanvas* ControlCanvas() override { return &Surface; }
  TRecordingCanvas Surface{100, 50};

 private:
  TPicture picture_;
};

class TQRImageWithoutPicture : public TControl {
  TESSEL_CLASS_INFO
 public:
  using TControl::TControl;
};

class TPanel : public TImage {
  TESSEL_CLASS_INFO
 public:
  using TImage::TImage;
};

const TPropInfo qrImageProperties[] = {PublishedObject<&TQRImage::Picture>("Picture", "TPicture")};

}  // namespace

const TClassInfo TQRImage::ClassInfo{"TQRImage", &TControl::ClassInfo, qrImageProperties, nullptr};
const TClassInfo TQRImageWithoutPicture::ClassInfo{"TQRImage", &TControl::ClassInfo, {}, nullptr};
const TClassInfo TPanel::ClassInfo{"TPanel", &TImage::ClassInfo, {}, nullptr};

namespace {

TRecordingCanvas& CanvasOf(TPicture& picture) { return static_cast<TRecordingBitmap*>(picture.Bitmap())->Recording(); }

// Interleaved 2 of 5 "12" without check digit: 17 lines, 22 modules.
class Output : public ::testing::Test {
 protected:
  Output() {
    bc.SetAutoCheckDigit(false);
    bc.SetBarcode("12");
    bc.OnInvalidChar = [this](TObject*, int index, char) { invalid.push_back(index); };
    bc.OnInvalidLength = [this](TObject*, const std::string&) { invalid.push_back(-1); };
  }
  void Attach(int width, int height) {
    image.SetBounds(width, height);
    bc.SetImage(&image);
  }
  TRecordingCanvas& Canvas() { return CanvasOf(image.Picture()); }
  TRecordingCanvas& Paper() { return printer.Paper(); }

  TScopedPrinter printer;
  TImage image{nullptr};
  TBarcode_Code25Interleaved bc{nullptr};
  std::vector<int> invalid;
};

const std::vector<int> kRuns12 = {1, 1, 1, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 2, 1, 1};

}  // namespace

TEST_F(Output, BarHeightFillsTheImageBelowTheTopMargin) {
  Attach(300, 100);
  bc.SetTopMargin(10);
  EXPECT_EQ(Canvas().Width(), 300);  // the empty bitmap was sized to the control
  EXPECT_EQ(Canvas().Height(), 100);
  EXPECT_EQ(Canvas().ColumnRuns(0), std::vector<int>{90});
  EXPECT_EQ(Canvas().Pixel(0, 9), clWhite);
  EXPECT_EQ(Canvas().Pixel(0, 10), clBlack);
  EXPECT_EQ(Canvas().RowRuns(50), kRuns12);
  // A negative height leaves that much free at the bottom.
  bc.SetBarcodeHeight(-20);
  EXPECT_EQ(Canvas().ColumnRuns(0), std::vector<int>{70});
  EXPECT_EQ(Canvas().Pixel(0, 79), clBlack);
  EXPECT_EQ(Canvas().Pixel(0, 80), clWhite);
  bc.SetBarcodeHeight(25);
  EXPECT_EQ(Canvas().ColumnRuns(0), std::vector<int>{25});
  EXPECT_TRUE(invalid.empty());
}

TEST_F(Output, StretchWidthFillsTheImageRightOfTheLeftMargin) {
  Attach(300, 100);
  bc.SetLeftMargin(10);
  bc.SetStretchWidth(true);
  ASSERT_FALSE(Canvas().Stretches.empty());
  // Drawn off screen at its natural size, then stretched to 290 pixels.
  EXPECT_EQ(Canvas().Stretches.back(), (TRect{10, 0, 300, 100}));
  EXPECT_EQ(Canvas().StretchSources.back(), (TPoint{22, 100}));
  EXPECT_EQ(Canvas().Rectangles.back(), (TRect{10, 0, 300, 100}));
  bc.SetModule(3);
  EXPECT_EQ(Canvas().Stretches.back(), (TRect{10, 0, 300, 100}));
  EXPECT_EQ(Canvas().StretchSources.back(), (TPoint{66, 100}));
  // A negative width leaves that much free on the right.
  bc.SetBarcodeWidth(-40);
  EXPECT_EQ(Canvas().Stretches.back(), (TRect{10, 0, 260, 100}));
}

TEST_F(Output, VerticalOrientationExchangesWidthAndHeight) {
  Attach(100, 300);
  bc.SetLeftMargin(10);
  bc.SetTopMargin(5);
  bc.SetOrientation(boTopBottom);
  // The bars run across the image, 90 long; the symbol reads top to bottom.
  EXPECT_EQ(Canvas().RowRuns(5), std::vector<int>{90});
  EXPECT_EQ(Canvas().Pixel(10, 5), clBlack);
  EXPECT_EQ(Canvas().Pixel(9, 5), clWhite);
  EXPECT_EQ(Canvas().ColumnRuns(50), kRuns12);
  EXPECT_EQ(Canvas().Pixel(50, 4), clWhite);

  bc.SetStretchWidth(true);
  EXPECT_EQ(Canvas().Stretches.back(), (TRect{10, 5, 100, 300}));
  EXPECT_EQ(Canvas().StretchSources.back(), (TPoint{90, 22}));
  EXPECT_EQ(Canvas().Rectangles.back(), (TRect{10, 5, 100, 300}));
}

TEST_F(Output, OtherImageControlsAreNotDrawnOn) {
  TPanel panel(nullptr);
  bc.SetImage(&panel);
  bc.SetBarcode("12A");
  bc.Draw();
  bc.Clear(true);
  EXPECT_EQ(bc.GetCanvas(), nullptr);
  EXPECT_FALSE(panel.Picture().HasBitmap());
  EXPECT_TRUE(invalid.empty());

  TQRImageWithoutPicture noPicture(nullptr);
  bc.SetImage(&noPicture);
  EXPECT_EQ(bc.GetCanvas(), nullptr);
  bc.Draw();
  EXPECT_TRUE(invalid.empty());
}

TEST_F(Output, QuickReportImageIsDrawnThroughItsPictureProperty) {
  TQRImage report(nullptr);
  report.SetBounds(80, 30);
  bc.SetImage(&report);
  ASSERT_NE(bc.GetCanvas(), nullptr);
  TRecordingCanvas& canvas = CanvasOf(report.Picture());
  EXPECT_EQ(canvas.Width(), 80);
  EXPECT_EQ(canvas.RowRuns(15), kRuns12);
  EXPECT_EQ(canvas.ColumnRuns(0), std::vector<int>{30});
}

TEST_F(Output, AtDesignTimeTheControlsOwnSurfaceIsDrawnOn) {
  TQRImage report(nullptr);
  bc.SetDesigning(true);
  bc.SetImage(&report);
  EXPECT_EQ(report.Surface.RowRuns(15), kRuns12);
  EXPECT_FALSE(report.Picture().HasBitmap());
  // Other classes show nothing at design time either.
  TPanel panel(nullptr);
  bc.SetImage(&panel);
  EXPECT_EQ(bc.GetCanvas(), nullptr);
}

TEST_F(Output, DrawAndClearReportInvalidText) {
  Attach(100, 50);
  bc.SetBarcode("1A2");
  EXPECT_EQ(invalid, std::vector<int>{2});
  bc.Draw();
  bc.Clear(false);
  EXPECT_EQ(invalid, (std::vector<int>{2, 2, 2}));
  EXPECT_EQ(Canvas().RowRuns(20), std::vector<int>{});  // erased, nothing drawn
}

TEST_F(Output, ClearPaintsTheRegion) {
  Attach(100, 50);
  bc.SetSpaceColor(clRed);
  Canvas().Polygons.clear();
  bc.Clear(true);
  ASSERT_EQ(Canvas().Polygons.size(), 1u);
  EXPECT_EQ(Canvas().Polygons[0].Box(), (TRect{0, 0, 21, 49}));
  EXPECT_EQ(Canvas().Polygons[0].Brush, clRed);
  Canvas().Brush.Color = clBlue;
  bc.Clear(false);
  EXPECT_EQ(Canvas().Polygons[1].Brush, clBlue);
}

TEST_F(Output, DrawToShortFormUsesTheOrientationOrTheGivenAngle) {
  TRecordingCanvas canvas(200, 200);
  bc.SetOrientation(boBottomTop);
  ASSERT_EQ(bc.DrawTo(canvas, 2, 10, 20, 40, -1), ecValid);
  const std::vector<int> reversed2 = {2, 2, 4, 4, 4, 2, 2, 2, 2, 4, 2, 2, 4, 2, 2, 2, 2};
  EXPECT_EQ(canvas.ColumnRuns(30), reversed2);  // 90 degrees: read bottom to top
  EXPECT_EQ(canvas.RowRuns(20), std::vector<int>{40});
  EXPECT_EQ(canvas.Pixel(10, 20), clBlack);

  TRecordingCanvas turned(200, 200);
  ASSERT_EQ(bc.DrawTo(turned, 2, 100, 100, 40, 45), ecValid);
  // The first bar, 2 wide and 40 high, turned by 45 degrees counter-clockwise.
  const TPolygonCall& bar = turned.Polygons[0];
  const auto edge = [](TPoint a, TPoint b) { return TPoint{b.X - a.X, b.Y - a.Y}; };
  EXPECT_EQ(edge(bar.Points[0], bar.Points[1]), (TPoint{1, -1}));
  EXPECT_EQ(edge(bar.Points[0], bar.Points[3]), (TPoint{28, 28}));
  // DrawTo returns the code and raises nothing.
  EXPECT_EQ(
      bc.DrawTo(turned, "9X", false, 2.0, 1, 0, 0, 10, clBlack, clWhite, dtNone, tpBottomOut, taCenter, nullptr, 0, 0),
      2);
  EXPECT_TRUE(invalid.empty());
}

TEST_F(Output, DrawToFullFormUsesItsArguments) {
  TRecordingCanvas canvas(200, 100);
  TFont font;
  font.SetName("Courier");
  font.SetColor(clBlue);
  ASSERT_EQ(
      bc.DrawTo(canvas, "123", true, 3.0, 1, 5, 6, 50, clRed, 0x00FF00, dtFullEncoded, tpTopOut, taLeft, &font, 0, 0),
      ecValid);
  // "123" with check digit 6 is "1236": four digits, 4 + 2 x 20 + 3 lines.
  EXPECT_EQ(canvas.Polygons.front().Brush, clRed);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Text, "1236");
  EXPECT_EQ(canvas.Texts[0].Font.Name, "Courier");
  EXPECT_EQ(canvas.Texts[0].Color, clBlue);
  EXPECT_EQ(canvas.Texts[0].At, (TPoint{5, 6}));
  EXPECT_EQ(canvas.Pixel(5, 30), clRed);
  EXPECT_EQ(canvas.Pixel(6, 30), 0x00FF00u);
  // Ratio 3: the first wide bar, after the start, is 3 pixels.
  const std::vector<int> runs = canvas.RowRuns(40);
  EXPECT_EQ(std::vector<int>(runs.begin(), runs.begin() + 6), (std::vector<int>{1, 1, 1, 1, 3, 1}));
}

TEST_F(Output, DefaultDisplayWidth) {
  Attach(100, 50);
  EXPECT_EQ(bc.DefaultDisplayWidth(3, -1), 66);
  EXPECT_EQ(bc.DefaultDisplayWidth(0, -1), 22);  // 0 keeps the component's module
  bc.SetDisplayText(dtBarcode);
  bc.SetTextFont([] {
    TFont f;
    f.SetSize(24);  // 32 pixels: 17 per character
    return TFont(f);
  }());
  EXPECT_EQ(bc.DefaultDisplayWidth(0, -1), 34);
  bc.SetBarcode("1A");
  EXPECT_EQ(bc.DefaultDisplayWidth(0, -1), 0);
  EXPECT_EQ(invalid.back(), 2);

  // The full form reports through ErrorCode only.
  invalid.clear();
  TRecordingCanvas canvas;
  int error = -7;
  EXPECT_EQ(bc.DefaultDisplayWidth(&canvas, "12", false, 2.0, 2, dtNone, taCenter, error, nullptr, 0, 0), 44);
  EXPECT_EQ(error, ecValid);
  EXPECT_EQ(bc.DefaultDisplayWidth(&canvas, "1x", false, 2.0, 2, dtNone, taCenter, error, nullptr, 0, 0), 0);
  EXPECT_EQ(error, 2);
  EXPECT_TRUE(invalid.empty());
}

TEST_F(Output, DrawToSizeOfATurnedSymbolIsOnePixelLarger) {
  int width = 0, height = 0;
  ASSERT_EQ(bc.DrawToSize(width, height, 2, 30, 0), ecValid);
  EXPECT_EQ(width, 44);
  EXPECT_EQ(height, 30);
  ASSERT_EQ(bc.DrawToSize(width, height, 2, 30, 90), ecValid);
  EXPECT_EQ(width, 31);
  EXPECT_EQ(height, 45);
  bc.SetOrientation(boTopBottom);
  ASSERT_EQ(bc.DrawToSize(width, height, 2, 30, -1), ecValid);
  EXPECT_EQ(width, 31);
  EXPECT_EQ(height, 45);
  bc.SetBarcode("x");
  EXPECT_EQ(bc.DrawToSize(width, height, 2, 30, -1), 1);
  EXPECT_EQ(width, 0);
  EXPECT_EQ(height, 0);
  EXPECT_EQ(invalid, std::vector<int>{});
}

TEST_F(Output, PrintShortFormUsesTheComponentsSettings) {
  bc.SetBarColor(clRed);
  bc.SetOrientation(boBottomTop);
  ASSERT_EQ(bc.Print(0.254, 10, 5, 10, -1, 0), ecValid);
  EXPECT_EQ(Paper().Polygons[0].Brush, clRed);
  // Turned: 236 high bars become the width; 22 modules of 6 pixels the height.
  EXPECT_EQ(Paper().Pixel(236, 118), clRed);
  EXPECT_EQ(Paper().RowRuns(120, clWhite), std::vector<int>{236});
  EXPECT_EQ(Paper().Pixel(236, 118 + 22 * 6), clWhite);
}

TEST_F(Output, PrintFullFormUsesTheGivenColoursAndFont) {
  TFont font;
  font.SetName("Courier");
  font.SetSize(10);
  font.SetColor(clBlue);
  ASSERT_EQ(
      bc.Print("12", false, 2.0, 0.254, 10, 5, 10, clRed, 0x00FF00, dtBarcode, tpBottomOut, taCenter, &font, 0, 0, 0),
      ecValid);
  EXPECT_EQ(Paper().Polygons[0].Brush, clRed);
  EXPECT_EQ(Paper().Polygons[1].Brush, 0x00FF00u);
  ASSERT_EQ(Paper().Texts.size(), 1u);
  EXPECT_EQ(Paper().Texts[0].Font.Name, "Courier");
  EXPECT_EQ(Paper().Texts[0].Font.Height, -83);  // 10 pt at 600 dpi
  EXPECT_EQ(Paper().Texts[0].Color, clBlue);
  EXPECT_EQ(Paper().Pixel(236, 118), clRed);
}

TEST_F(Output, PrintedSizes) {
  // 22 modules of 6 pixels at 600 dpi.
  EXPECT_NEAR(bc.ActualPrintWidth(0.254, -1, 0, 600), 132 * 25.4 / 600, 1e-9);
  EXPECT_NEAR(bc.ActualPrintWidth(0, -1, 10, 600), 22 * 11 * 25.4 / 600, 1e-9);
  double width = 0, height = 0;
  ASSERT_EQ(bc.PrintSize(width, height, 0.254, 10, 90, 0, 600, 600), ecValid);
  EXPECT_NEAR(width, 237 * 25.4 / 600, 1e-9);
  EXPECT_NEAR(height, 133 * 25.4 / 600, 1e-9);
  int error = 0;
  EXPECT_EQ(bc.ActualPrintWidth("1y", false, 2.0, 0.254, dtNone, taCenter, nullptr, error, 0, 0, 600, 0), 0);
  EXPECT_EQ(error, 2);
  EXPECT_TRUE(invalid.empty());
}
