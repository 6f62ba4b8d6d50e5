// The library's PNG, BMP, SVG, PDF and EPS files read back: as images (the
// SVG rasterised by Qt's renderer, the PDF by poppler's pdftoppm, the EPS by
// Ghostscript) and as symbols by a real reader.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <set>
#include <thread>
#include <tuple>
#include <vector>

#include "output/ImageBudget.h"
#include "output/ImageEncoder.h"
#include "output/SvgCanvas.h"
#include "output/SymbolFile.h"
#include "output/SymbolOutput.h"
#include "platform/qt/QtCanvas.h"
#include "qt/QtTestSupport.h"
#include "reader/GreyImage.h"
#include "reader/ImageFile.h"

namespace {

using tessel::TArgb;
using tessel::TFileFormat;
using tessel::TImageBudget;
using tessel::TImageReservation;
using tessel::TOutputOptions;
using tessel::TPixelFormat;
using tessel::TRasterImage;
using tessel::TSymbolWriter;
using tessel::TWriteFailure;

std::unique_ptr<tessel::TBarcode> Symbol(const char* className, const char* text) {
  std::unique_ptr<tessel::TBarcode> barcode(
      dynamic_cast<tessel::TBarcode*>(tessel::CreateComponent(className, nullptr)));
  barcode->SetModule(2);
  barcode->SetLeftMargin(20);
  barcode->SetBarcode(text);
  return barcode;
}

// The file as an image: loaded by Qt, or an SVG drawn at its own size.
QImage Loaded(const std::string& contents, TFileFormat format) {
  const QByteArray bytes = QByteArray::fromStdString(contents);
  if (format != TFileFormat::Svg) return QImage::fromData(bytes, format == TFileFormat::Png ? "PNG" : "BMP");
  QSvgRenderer renderer(bytes);
  QImage image(renderer.defaultSize(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

// A written file as an image at Dpi: PDF and EPS rasterised by their own
// readers, the others loaded.
QImage Rasterised(const QString& path, TFileFormat format, int dpi) {
  const QString png = path + ".png";
  const QString resolution = QString::number(dpi);
  if (format == TFileFormat::Pdf)
    QProcess::execute("pdftoppm", {"-r", resolution, "-png", "-singlefile", path, path});
  else if (format == TFileFormat::Eps)
    // Pixels whose centre a fill covers, as poppler fills them (not every
    // pixel it touches, which widens each bar by one).
    QProcess::execute("gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=pnggray",
                             "-r" + resolution, "-sOutputFile=" + png, "-c", "0 0 .setfilladjust2", "-f", path});
  if (format == TFileFormat::Pdf || format == TFileFormat::Eps) return QImage(png);
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? Loaded(file.readAll().toStdString(), format) : QImage();
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
  constexpr int Dpi = 300;
  QTemporaryDir dir;
  for (const TCase& c : cases) {
    const auto barcode = Symbol(c.ClassName, c.Text);
    for (const TFileFormat format :
         {TFileFormat::Png, TFileFormat::Bmp, TFileFormat::Svg, TFileFormat::Pdf, TFileFormat::Eps}) {
      const std::string what = std::string(c.ClassName) + " as ." + tessel::Extension(format);
      const QString path = dir.filePath(QString::fromStdString(what));
      ASSERT_TRUE(tessel::WriteSymbol(*barcode, path.toStdString(), {.Format = format, .Dpi = Dpi})) << what;
      const QImage image = Rasterised(path, format, Dpi);
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
  ASSERT_EQ(writer.Encode(*barcode, {.Format = TFileFormat::Png}).Failure, TWriteFailure::None);
  // IHDR follows the 8-byte signature and the chunk's length and type: bit depth at 24, colour type at 25.
  ASSERT_GT(writer.Contents().size(), 26);
  EXPECT_EQ(writer.Contents()[24], 1);

  // Colours as 0xBBGGRR.
  barcode->SetBarColor(0x563412);
  barcode->SetSpaceColor(0xbadcfe);
  barcode->TextFont().SetColor(0x563412);
  for (const TFileFormat format : {TFileFormat::Png, TFileFormat::Bmp}) {
    ASSERT_EQ(writer.Encode(*barcode, {.Format = format}).Failure, TWriteFailure::None);
    const QImage image = Loaded(writer.Contents(), format).convertToFormat(QImage::Format_RGB32);
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    // Bars, spaces and the text in the bar colour: exactly the two colours.
    EXPECT_EQ(colours, (std::set<QRgb>{qRgb(0x12, 0x34, 0x56), qRgb(0xfe, 0xdc, 0xba)})) << tessel::Extension(format);
  }
}

// An 8-bit image is written as its colours say, whatever its palette holds:
// the same file as from the image turned into 32-bit pixels.
TEST(SymbolFiles, IndexedImagesEncodeAsTheirColours) {
  TRasterImage indexed;
  ASSERT_TRUE(indexed.Allocate(40, 6, TPixelFormat::Indexed8));
  // Entry 1 unused, entry 3 a second white, index 5 beyond the palette.
  indexed.Palette = {0xffffffffu, 0xff010203u, 0xff0000ffu, 0xffffffffu};
  constexpr std::uint8_t Used[] = {0, 2, 3, 5};
  for (int y = 0; y < indexed.Height(); ++y)
    for (int x = 0; x < indexed.Width(); ++x) indexed.Row(y)[x] = Used[(x / 3 + std::min(y, 2)) % 4];
  TRasterImage wide;
  ASSERT_TRUE(wide.Allocate(indexed.Width(), indexed.Height(), TPixelFormat::Argb32));
  for (int y = 0; y < indexed.Height(); ++y)
    for (int x = 0; x < indexed.Width(); ++x) reinterpret_cast<TArgb*>(wide.Row(y))[x] = indexed.Pixel(x, y);
  tessel::TImageEncoder encoder;
  std::string fromIndexed, fromArgb;
  ASSERT_TRUE(encoder.Png(indexed, 96, fromIndexed));
  ASSERT_TRUE(encoder.Png(wide, 96, fromArgb));
  EXPECT_EQ(fromIndexed, fromArgb);
  ASSERT_TRUE(encoder.Bmp(indexed, 96, fromIndexed));
  ASSERT_TRUE(encoder.Bmp(wide, 96, fromArgb));
  EXPECT_EQ(fromIndexed, fromArgb);
}

// A palette holds 256 colours; one more and the file is written in true
// colour; translucent pixels keep their alpha (palette alpha or RGBA).
// Every pixel is kept either way.
TEST(SymbolFiles, ImagesBeyondAPaletteAreWrittenInTrueColourAndKeepTheirAlpha) {
  struct TCase {
    int Colours;
    std::uint32_t Alpha;
    int PngColourType;  // byte 25: 3 palette, 2 RGB, 6 RGBA
  };
  for (const TCase& c : {TCase{256, 0xff, 3}, TCase{257, 0xff, 2}, TCase{2, 0x80, 3}, TCase{257, 0x80, 6}}) {
    TRasterImage image;
    ASSERT_TRUE(image.Allocate(c.Colours, 3, TPixelFormat::Argb32));
    QImage expected(c.Colours, 3, QImage::Format_ARGB32);
    for (int y = 0; y < image.Height(); ++y)
      for (int x = 0; x < c.Colours; ++x) {
        // The first pixel opaque, the others of the case's alpha.
        const TArgb colour = (x == 0 ? 0xffu : c.Alpha) << 24 | (x % 256) << 16 | (x / 256) << 8 | 7;
        reinterpret_cast<TArgb*>(image.Row(y))[x] = colour;
        expected.setPixel(x, y, colour);
      }
    tessel::TImageEncoder encoder;
    for (const TFileFormat format : {TFileFormat::Png, TFileFormat::Bmp}) {
      std::string file;
      ASSERT_TRUE(format == TFileFormat::Png ? encoder.Png(image, 96, file) : encoder.Bmp(image, 96, file));
      EXPECT_TRUE(Loaded(file, format).convertToFormat(QImage::Format_ARGB32) == expected)
          << c.Colours << " " << tessel::Extension(format);
      if (format == TFileFormat::Png) {
        EXPECT_EQ(file[25], c.PngColourType) << c.Colours;
      }
    }
  }
}

// Output options act as the component's settings would, for the call only:
// an angle as the orientation, margins as the margins. Options out of range
// are refused.
TEST(SymbolFiles, OutputOptionsActAsTheSettingsForOneCall) {
  struct TCase {
    tessel::TOutputOptions Options;
    std::function<void(tessel::TBarcode&)> Settings;
  };
  const TCase cases[] = {{{.Angle = 90}, [](tessel::TBarcode& b) { b.SetOrientation(tessel::boBottomTop); }},
                         {{.Angle = -90}, [](tessel::TBarcode& b) { b.SetOrientation(tessel::boTopBottom); }},
                         {{.LeftMargin = 0, .TopMargin = 3}, [](tessel::TBarcode& b) {
                            b.SetLeftMargin(0);
                            b.SetTopMargin(3);
                          }}};
  for (const TCase& c : cases) {
    const auto barcode = Symbol("TBarcode_Code128", "ABC123");
    std::string byOptions, bySettings;
    ASSERT_TRUE(tessel::EncodeSymbol(*barcode, byOptions, c.Options));
    EXPECT_EQ(barcode->Module(), 2);
    EXPECT_EQ(barcode->Orientation(), tessel::boLeftRight);
    EXPECT_EQ(barcode->LeftMargin(), 20);
    c.Settings(*barcode);
    ASSERT_TRUE(tessel::EncodeSymbol(*barcode, bySettings, {.Dpi = c.Options.Dpi}));
    EXPECT_EQ(byOptions, bySettings);
  }
  const auto barcode = Symbol("TBarcode_Code128", "ABC123");
  std::string contents;
  for (const tessel::TOutputOptions& refused :
       {tessel::TOutputOptions{.Angle = 45}, tessel::TOutputOptions{.Dpi = 0},
        tessel::TOutputOptions{.XDimension = tessel::Millimetres(-1)}, tessel::TOutputOptions{.LeftMargin = -1}})
    EXPECT_EQ(tessel::EncodeSymbol(*barcode, contents, refused).Failure, TWriteFailure::InvalidOption);
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
  std::string svg;
  tessel::TImageEncoder encoder;
  tessel::TSvgCanvas svgCanvas(svg, encoder);
  svgCanvas.Begin(Width, Height, 96);
  draw(svgCanvas);
  svgCanvas.End();
  QImage expected(Width, Height, QImage::Format_RGB32);
  tessel::TQtCanvas general(&expected);
  draw(general);
  general.End();
  EXPECT_TRUE(Loaded(svg, TFileFormat::Svg) == expected);
  // Background, 2 + 2 bars, the second fill, 3 + 3 boxes over it, 1 box beside.
  std::size_t rects = 0;
  for (std::size_t at = svg.find("<rect"); at != std::string::npos; at = svg.find("<rect", at + 1)) ++rects;
  EXPECT_EQ(rects, 1u + 2 + 2 + 1 + 3 + 3 + 1);
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
    const auto result = writer.Encode(*barcode, {.Format = TFileFormat::Png});
    EXPECT_EQ(result.Failure, TWriteFailure::TooLarge) << c.ClassName;
    EXPECT_NE(result.Message.find(c.Cause), std::string::npos) << result.Message;
  }
}

// A raster writer's image check is handed the very image it then encodes;
// a refusal writes nothing. Vector files have no image to check.
TEST(SymbolFiles, TheImageCheckSeesTheImageWrittenAndARefusalWritesNothing) {
  QTemporaryDir dir;
  const auto barcode = Symbol("TBarcode_Code128", "CHECKED");
  for (const TFileFormat format : {TFileFormat::Png, TFileFormat::Bmp, TFileFormat::Tiff}) {
    TOutputOptions output;
    output.Format = format;
    const std::string what = tessel::Extension(format);
    TSymbolWriter writer;
    tessel::TGreyImage checked, written;
    writer.SetImageCheck([&checked](const TRasterImage& image) {
      checked = tessel::ToGrey(image);
      return std::string();
    });
    ASSERT_TRUE(writer.Encode(*barcode, output)) << what;
    ASSERT_EQ(tessel::DecodeImageFile(writer.Contents(), written), "") << what;
    EXPECT_EQ(std::tie(checked.Width, checked.Height, checked.Pixels),
              std::tie(written.Width, written.Height, written.Pixels))
        << what;

    writer.SetImageCheck([](const TRasterImage&) { return std::string("smudged"); });
    const auto refused = writer.Write(*barcode, dir.filePath("refused").toStdString(), output);
    EXPECT_EQ(refused.Failure, TWriteFailure::Refused) << what;
    EXPECT_EQ(refused.Message, "smudged");
    EXPECT_TRUE(QDir(dir.path()).isEmpty()) << what;
  }
  TOutputOptions svg;
  svg.Format = TFileFormat::Svg;
  TSymbolWriter writer;
  bool asked = false;
  writer.SetImageCheck([&asked](const TRasterImage&) {
    asked = true;
    return std::string("smudged");
  });
  EXPECT_TRUE(writer.Encode(*barcode, svg));
  EXPECT_FALSE(asked);
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
