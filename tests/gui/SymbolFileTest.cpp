// The generator's own PNG, BMP and SVG files read back: as images by Qt (the
// SVG rasterised by Qt's renderer) and as symbols by a real reader.
#include <gtest/gtest.h>

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <atomic>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "output/ImageBudget.h"
#include "output/ImageEncoder.h"
#include "output/SvgCanvas.h"
#include "output/SymbolFile.h"
#include "platform/qt/QtCanvas.h"
#include "qt/QtTestSupport.h"

namespace {

using tessel::generator::TFileFormat;
using tessel::generator::TImageBudget;
using tessel::generator::TImageReservation;
using tessel::generator::TSymbolWriter;
using tessel::generator::TWriteFailure;

std::unique_ptr<tessel::TBarcode> Symbol(const char* className, const char* text) {
  std::unique_ptr<tessel::TBarcode> barcode(
      dynamic_cast<tessel::TBarcode*>(tessel::CreateComponent(className, nullptr)));
  barcode->SetModule(2);
  barcode->SetLeftMargin(20);
  barcode->SetBarcode(text);
  return barcode;
}

// The file as an image: loaded by Qt, or an SVG drawn at its own size.
QImage Loaded(const QByteArray& contents, TFileFormat format) {
  if (format != TFileFormat::Svg) return QImage::fromData(contents, format == TFileFormat::Png ? "PNG" : "BMP");
  QSvgRenderer renderer(contents);
  QImage image(renderer.defaultSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

TEST(SymbolFiles, DecodeToTheirTextInEveryFormat) {
  struct TCase {
    const char* ClassName;
    const char* Text;
    const char* ReaderFormat;
    const char* Expected;
  };
  const TCase cases[] = {
      {"TBarcode_EAN13", "400638133393", "EAN13", "4006381333931"},
      {"TBarcode_Code128", "Tessel-128", "Code128", "Tessel-128"},
      // The mod 43 check character: (12 + 24 + 13 + 14 + 38 + 3 + 9) mod 43 = 27, R.
      {"TBarcode_Code39", "CODE 39", "Code39", "CODE 39R"},
      // Check digit 4 (weights 3, 1 from the right), padded to an even count.
      {"TBarcode_Code25Interleaved", "12345678", "ITF", "0123456784"},
  };
  TSymbolWriter writer;
  for (const TCase& c : cases) {
    const auto barcode = Symbol(c.ClassName, c.Text);
    for (const TFileFormat format : {TFileFormat::Png, TFileFormat::Bmp, TFileFormat::Svg}) {
      const std::string what = std::string(c.ClassName) + " as ." + tessel::generator::Extension(format).toStdString();
      ASSERT_EQ(writer.Encode(*barcode, format, 300).Failure, TWriteFailure::None) << what;
      const QImage image = Loaded(writer.Contents(), format);
      ASSERT_FALSE(image.isNull()) << what;
      const auto decoded = tessel::testing::Decode(image, c.ReaderFormat);
      ASSERT_TRUE(decoded) << what;
      EXPECT_EQ(decoded->Text, c.Expected) << what;
    }
  }
}

TEST(SymbolFiles, PngTakesOneBitForTwoColoursAndKeepsColoursExact) {
  TSymbolWriter writer;
  const auto barcode = Symbol("TBarcode_Code128", "ABC123");
  ASSERT_EQ(writer.Encode(*barcode, TFileFormat::Png, 96).Failure, TWriteFailure::None);
  // IHDR follows the 8-byte signature and the chunk's length and type: bit depth at 24, colour type at 25.
  ASSERT_GT(writer.Contents().size(), 26);
  EXPECT_EQ(writer.Contents()[24], 1);

  // Colours as 0xBBGGRR.
  barcode->SetBarColor(0x563412);
  barcode->SetSpaceColor(0xbadcfe);
  barcode->TextFont().SetColor(0x563412);
  for (const TFileFormat format : {TFileFormat::Png, TFileFormat::Bmp}) {
    ASSERT_EQ(writer.Encode(*barcode, format, 96).Failure, TWriteFailure::None);
    const QImage image = Loaded(writer.Contents(), format).convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    // Bars, spaces and the text in the bar colour: exactly the two colours.
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(0x12, 0x34, 0x56), qRgb(0xfe, 0xdc, 0xba)}))
        << tessel::generator::Extension(format).toStdString();
  }
}

// An 8-bit image is written as its colours say, whatever its table holds:
// the same file as from the image turned into RGB32.
TEST(SymbolFiles, IndexedImagesEncodeAsTheirColours) {
  QImage indexed(40, 6, QImage::Format_Indexed8);
  // Entry 1 unused, entry 3 a second white, index 5 beyond the table.
  indexed.setColorTable({qRgb(255, 255, 255), qRgb(1, 2, 3), qRgb(0, 0, 255), qRgb(255, 255, 255)});
  constexpr uchar Used[] = {0, 2, 3, 5};
  for (int y = 0; y < indexed.height(); ++y)
    for (int x = 0; x < indexed.width(); ++x) indexed.scanLine(y)[x] = Used[(x / 3 + std::min(y, 2)) % 4];
  tessel::generator::TImageEncoder encoder;
  QByteArray fromIndexed, fromRgb;
  ASSERT_TRUE(encoder.Png(indexed, 96, fromIndexed));
  ASSERT_TRUE(encoder.Png(indexed.convertToFormat(QImage::Format_RGB32), 96, fromRgb));
  EXPECT_EQ(fromIndexed, fromRgb);
  ASSERT_TRUE(encoder.Bmp(indexed, 96, fromIndexed));
  ASSERT_TRUE(encoder.Bmp(indexed.convertToFormat(QImage::Format_RGB32), 96, fromRgb));
  EXPECT_EQ(fromIndexed, fromRgb);
}

// A palette holds 256 colours; one more and the file is written in true
// colour, every pixel kept either way.
TEST(SymbolFiles, ImagesBeyondAPaletteAreWrittenInTrueColour) {
  for (const int colours : {256, 257}) {
    QImage image(colours, 3, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < colours; ++x) image.setPixel(x, y, qRgb(x % 256, x / 256, 7));
    tessel::generator::TImageEncoder encoder;
    for (const TFileFormat format : {TFileFormat::Png, TFileFormat::Bmp}) {
      QByteArray file;
      ASSERT_TRUE(format == TFileFormat::Png ? encoder.Png(image, 96, file) : encoder.Bmp(image, 96, file));
      EXPECT_TRUE(Loaded(file, format).convertToFormat(QImage::Format_RGB32) == image) << colours;
      // PNG colour type (byte 25): 3 with a palette, 2 in true colour.
      if (format == TFileFormat::Png) {
        EXPECT_EQ(file[25], colours == 256 ? 3 : 2) << colours;
      }
    }
  }
}

// An SVG leaves out the spaces of a row drawn where only the background
// lies, and keeps every box drawn over anything else: rendered, it gives
// the general canvas's pixels.
TEST(SymbolFiles, SvgLeavesOutOnlySpacesTheBackgroundShows) {
  using tessel::TColumnBox;
  constexpr int Width = 40, Height = 12;
  constexpr tessel::TColor Back = 0x3060c0, Bar = 0x102030, Third = 0x00ff00;
  const auto row = [](int left) {
    return std::vector<TColumnBox>{{left, left + 1, Bar}, {left + 2, left + 3, Back}, {left + 4, left + 4, Bar}};
  };
  const auto draw = [&](tessel::TCanvas& canvas) {
    tessel::UseSolidColor(canvas, Back);
    canvas.Rectangle({0, 0, Width, Height});
    canvas.SolidColumns(1, 8, row(2));   // on the background: its space left out
    canvas.SolidColumns(1, 8, row(20));  // beside it: likewise
    tessel::UseSolidColor(canvas, Third);
    canvas.Rectangle({0, 6, Width, Height});  // over both rows' feet
    canvas.SolidColumns(4, 10, row(4));       // over the first row and that fill: all kept
    canvas.SolidColumns(7, 10, row(12));      // over that fill only: all kept
    canvas.SolidColumns(2, 3, std::vector<TColumnBox>{{30, 33, Third}, {34, 35, Back}});  // space left out
  };
  QByteArray svg;
  tessel::generator::TImageEncoder encoder;
  tessel::generator::TSvgCanvas svgCanvas(svg, encoder);
  svgCanvas.Begin(Width, Height, 96);
  draw(svgCanvas);
  svgCanvas.End();
  QImage expected(Width, Height, QImage::Format_RGB32);
  tessel::TQtCanvas general(&expected);
  draw(general);
  general.End();
  EXPECT_TRUE(Loaded(svg, TFileFormat::Svg) == expected);
  // Background, 2 + 2 bars, the second fill, 3 + 3 boxes over it, 1 box beside.
  EXPECT_EQ(svg.count("<rect"), 1 + 2 + 2 + 1 + 3 + 3 + 1);
}

}  // namespace

// An image that would be empty is refused with its cause: a valid text that
// draws nothing, or margins that swallow the symbol.
TEST(SymbolFiles, EmptyImagesAreRefusedWithTheirCause) {
  struct TCase {
    const char* ClassName;
    const char* Text;
    int Margin;
    const char* Cause;
  };
  for (const TCase& c : {TCase{"TBarcode_KIX4S", "", 0, "the symbol draws nothing"},
                         TCase{"TBarcode_FIM", "", 0, "the symbol draws nothing"},
                         TCase{"TBarcode_Code39", "AB", -1000, "margins larger than the symbol"}}) {
    const auto barcode = Symbol(c.ClassName, c.Text);
    barcode->SetLeftMargin(c.Margin);
    barcode->SetTopMargin(c.Margin);
    TSymbolWriter writer;
    const auto result = writer.Encode(*barcode, TFileFormat::Png, 96);
    EXPECT_EQ(result.Failure, TWriteFailure::TooLarge) << c.ClassName;
    EXPECT_TRUE(result.Message.contains(c.Cause)) << result.Message.toStdString();
  }
}

// Threads taking shares of one budget never hold more than its capacity
// together, and a share larger than the budget takes the whole budget
// rather than waiting forever.
TEST(ImageBudget, ThreadsTogetherStayWithinTheCapacity) {
  TImageBudget budget(100);
  std::atomic<std::int64_t> held{0}, most{0};
  const auto work = [&] {
    for (int i = 0; i < 200; ++i) {
      const std::int64_t asked = i % 10 == 0 ? 1000 : 40;
      const TImageReservation share(budget, asked);
      const std::int64_t granted = std::min(asked, budget.Capacity());
      const std::int64_t now = held += granted;
      std::int64_t seen = most;
      while (now > seen && !most.compare_exchange_weak(seen, now)) {
      }
      held -= granted;
    }
  };
  constexpr int Threads = 6;
  std::vector<std::jthread> threads;
  threads.reserve(Threads);
  for (int t = 0; t < Threads; ++t) threads.emplace_back(work);
  threads.clear();
  EXPECT_LE(most, 100);
  EXPECT_GT(most, 40);  // shares were held side by side
}
