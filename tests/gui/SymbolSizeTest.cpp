// Symbols sized for a printer: the X dimension in whole dots, the bar width
// reduction measured in the written images and documents, and the quiet
// zones, each read back by a real reader.
#include <gtest/gtest.h>

#include <QImage>
#include <QRegularExpression>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "output/Length.h"
#include "output/SymbolOutput.h"
#include "qt/QtTestSupport.h"

namespace {

using tessel::Dots;
using tessel::Millimetres;
using tessel::TFileFormat;
using tessel::TLength;
using tessel::TLengthUnit;
using tessel::TOutputOptions;
using tessel::TWriteFailure;

std::unique_ptr<tessel::TBarcode> Symbol(const char* className, const char* text) {
  std::unique_ptr<tessel::TBarcode> barcode(
      dynamic_cast<tessel::TBarcode*>(tessel::CreateComponent(className, nullptr)));
  barcode->SetLeftMargin(20);
  barcode->SetBarcode(text);
  return barcode;
}

QImage Png(const std::string& contents) { return QImage::fromData(QByteArray::fromStdString(contents), "PNG"); }

// The runs of a row through the bars: bar, space, bar, ... from the first
// bar to the last.
std::vector<int> BarRuns(const QImage& image) { return tessel::testing::Runs(image, image.height() / 4); }

TEST(Lengths, ReadTheirUnitAndConvertAtAResolution) {
  struct TCase {
    const char* Text;
    TLength Expected;
  };
  for (const TCase& c : {TCase{"0.33mm", Millimetres(0.33)}, TCase{" 13 MIL", {13, TLengthUnit::Mils}},
                         TCase{"0.013in", {0.013, TLengthUnit::Inches}}, TCase{"4", Dots(4)}})
    EXPECT_EQ(tessel::ParseLength(c.Text), c.Expected) << c.Text;
  for (const char* invalid : {"", "mm", "0.3cm", "1e999mm", "nan", "0.3 mm x"})
    EXPECT_FALSE(tessel::ParseLength(invalid)) << invalid;
  EXPECT_NEAR(TLength({13, TLengthUnit::Mils}).Dots(300), 3.9, 1e-9);
  EXPECT_NEAR(Dots(4).Millimetres(300), 0.338666, 1e-6);
}

// 0.33 mm is 2.60, 3.90 and 7.80 dots at 203, 300 and 600 dpi; 13 mil is
// 3.9 dots at 300 dpi. The written PNG's narrowest bar is that many pixels.
TEST(SymbolSizes, TheXDimensionBecomesTheNearestWholeNumberOfDots) {
  struct TCase {
    TLength XDimension;
    int Dpi;
    int Dots;
  };
  for (const TCase& c :
       {TCase{Millimetres(0.33), 203, 3}, TCase{Millimetres(0.33), 300, 4}, TCase{Millimetres(0.33), 600, 8},
        TCase{{13, TLengthUnit::Mils}, 300, 4}, TCase{Millimetres(0.01), 300, 1}}) {
    const auto barcode = Symbol("TBarcode_Code128", "TESSEL-42");
    std::string png;
    const tessel::TWriteResult result =
        tessel::EncodeSymbol(*barcode, png, {.Dpi = c.Dpi, .XDimension = c.XDimension, .BarHeight = Millimetres(10)});
    ASSERT_TRUE(result) << result.Message;
    EXPECT_EQ(result.Geometry.ModuleDots, c.Dots) << c.Dpi;
    const QImage image = Png(png);
    const std::vector<int> runs = BarRuns(image);
    EXPECT_EQ(*std::min_element(runs.begin(), runs.end()), c.Dots) << c.Dpi;
    EXPECT_EQ(image.dotsPerMeterX(), qRound(c.Dpi / 0.0254));
    EXPECT_EQ(result.Geometry.BarHeightDots, qRound(10 * c.Dpi / 25.4));
    const auto decoded = tessel::testing::Decode(image, "Code128");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Text, "TESSEL-42");
  }
}

// A reduction of one dot: every bar one dot narrower, every space between
// bars one wider, the image as wide; the bars' trailing edges give the dot.
TEST(SymbolSizes, AOneDotReductionNarrowsEveryBarAndWidensEverySpace) {
  for (const char* className : {"TBarcode_Code39", "TBarcode_EAN13", "TBarcode_PostNet"}) {
    const auto barcode = Symbol(className, "400638133393");
    if (std::string(className) == "TBarcode_Code39") barcode->SetBarcode("CODE 39");
    if (std::string(className) == "TBarcode_PostNet") barcode->SetBarcode("12345");
    const TOutputOptions plain{.Dpi = 300, .XDimension = Dots(3)};
    TOutputOptions reduced = plain;
    reduced.BarWidthReduction = Dots(1);
    std::string before, after;
    const tessel::TWriteResult plainResult = tessel::EncodeSymbol(*barcode, before, plain);
    ASSERT_TRUE(plainResult) << className << ": " << plainResult.Message << " " << plainResult.Error;
    const tessel::TWriteResult result = tessel::EncodeSymbol(*barcode, after, reduced);
    ASSERT_TRUE(result) << result.Message;
    EXPECT_EQ(result.Geometry.ReductionDots, 1);
    const QImage wide = Png(before), narrow = Png(after);
    ASSERT_EQ(narrow.size(), wide.size()) << className;
    std::vector<int> expected = BarRuns(wide);
    for (std::size_t i = 0; i < expected.size(); ++i) expected[i] += i % 2 == 0 ? -1 : 1;
    EXPECT_EQ(BarRuns(narrow), expected) << className;
  }
  const auto barcode = Symbol("TBarcode_Code128", "TESSEL");
  std::string png;
  ASSERT_TRUE(tessel::EncodeSymbol(*barcode, png, {.Dpi = 300, .XDimension = Dots(3), .BarWidthReduction = Dots(1)}));
  const auto decoded = tessel::testing::Decode(Png(png), "Code128");
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Text, "TESSEL");
}

// Vector documents take a reduction in millimetres exactly and give their
// size in physical units: 3 dots at 300 dpi is 0.254 mm, less 0.03 mm.
TEST(SymbolSizes, VectorDocumentsTakeAReductionExactlyAndGiveTheirSizeInMillimetres) {
  const auto barcode = Symbol("TBarcode_Code39", "A");
  barcode->SetDisplayText(tessel::dtNone);
  const TOutputOptions options{
      .Format = TFileFormat::Svg, .Dpi = 300, .XDimension = Dots(3), .BarWidthReduction = Millimetres(0.03)};
  std::string svg;
  const tessel::TWriteResult result = tessel::EncodeSymbol(*barcode, svg, options);
  ASSERT_TRUE(result) << result.Message;
  const double reduction = 0.03 * 300 / 25.4;
  EXPECT_NE(svg.find("width=\"" + std::to_string(result.Geometry.Width * 25.4 / 300).substr(0, 6)), std::string::npos)
      << svg.substr(0, 400);
  // Code 39's narrow bar is one module, its wide bar two: 3 and 6 dots.
  const QRegularExpression rects(R"re(<rect x="[^"]+" y="[^"]+" width="([^"]+)" height="[^"]+" fill="#000000")re");
  std::vector<double> widths;
  for (auto match = rects.globalMatch(QString::fromStdString(svg)); match.hasNext();)
    widths.push_back(match.next().captured(1).toDouble());
  ASSERT_FALSE(widths.empty());
  for (const double width : widths)
    EXPECT_TRUE(std::abs(width - (3 - reduction)) < 1e-9 || std::abs(width - (6 - reduction)) < 1e-9) << width;

  std::string pdf;
  TOutputOptions asPdf = options;
  asPdf.Format = TFileFormat::Pdf;
  ASSERT_TRUE(tessel::EncodeSymbol(*barcode, pdf, asPdf));
  const QRegularExpression mediaBox(R"re(/MediaBox \[ *0 0 ([0-9.]+) ([0-9.]+) *\])re");
  const auto box = mediaBox.match(QString::fromStdString(pdf));
  ASSERT_TRUE(box.hasMatch());
  EXPECT_NEAR(box.captured(1).toDouble(), result.Geometry.Width * 72.0 / 300, 0.01);
}

TEST(SymbolSizes, AReductionThatWouldLeaveABarOfOneDotIsRefused) {
  const auto barcode = Symbol("TBarcode_Code128", "TESSEL");
  std::string contents;
  const tessel::TWriteResult result =
      tessel::EncodeSymbol(*barcode, contents, {.Dpi = 300, .XDimension = Dots(2), .BarWidthReduction = Dots(1)});
  EXPECT_EQ(result.Failure, TWriteFailure::InvalidOption);
  EXPECT_EQ(result.Message,
            "a bar width reduction of 1 dot would leave the narrowest bar, 2 dots wide, with one dot or less");
  EXPECT_TRUE(
      tessel::EncodeSymbol(*barcode, contents, {.Dpi = 300, .XDimension = Dots(3), .BarWidthReduction = Dots(1)}));
}

// Standard quiet zones in modules, counted from the outermost bars: Code 128
// and Code 39 ten a side; EAN-13 eleven before and seven after, its own
// layout included.
TEST(SymbolSizes, StandardQuietZonesLeaveEachSymbologysMinimum) {
  struct TCase {
    const char* ClassName;
    const char* Text;
    int Left, Right;
  };
  constexpr int Module = 3;
  for (const TCase& c : {TCase{"TBarcode_Code128", "TESSEL", 10, 10}, TCase{"TBarcode_Code39", "TESSEL", 10, 10},
                         TCase{"TBarcode_EAN13", "400638133393", 11, 7}}) {
    const auto barcode = Symbol(c.ClassName, c.Text);
    barcode->SetDisplayText(tessel::dtNone);
    std::string png;
    ASSERT_TRUE(tessel::EncodeSymbol(
        *barcode, png,
        {.Dpi = 300, .XDimension = Dots(Module), .QuietZone = {.Kind = tessel::TQuietZone::TKind::Standard}}));
    const QImage image = Png(png);
    const std::vector<int> runs = BarRuns(image);
    const int symbol = std::accumulate(runs.begin(), runs.end(), 0);
    int first = 0;
    while (qGray(image.pixel(first, image.height() / 4)) >= 128) ++first;
    const int after = image.width() - first - symbol;
    EXPECT_GE(first, c.Left * Module) << c.ClassName;
    EXPECT_GE(after, c.Right * Module) << c.ClassName;
    EXPECT_TRUE(first == c.Left * Module || after == c.Right * Module) << c.ClassName << " " << first << " " << after;
  }
}

}  // namespace
