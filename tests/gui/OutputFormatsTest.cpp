// TIFF files read back by libtiff and a real reader, and the transparent
// background in every format, against the same symbol written opaque.
#include <gtest/gtest.h>
#include <tiffio.h>

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "output/SymbolOutput.h"
#include "qt/QtTestSupport.h"

namespace {

using tessel::TFileFormat;

constexpr int Dpi = 96;
constexpr tessel::TColor SpaceColour = 0xbadcfe;  // 0xBBGGRR
constexpr QRgb SpaceRgb = qRgb(0xfe, 0xdc, 0xba);

std::unique_ptr<tessel::TBarcode> Symbol(const char* className, const char* text) {
  std::unique_ptr<tessel::TBarcode> barcode(
      dynamic_cast<tessel::TBarcode*>(tessel::CreateComponent(className, nullptr)));
  barcode->SetModule(2);
  barcode->SetLeftMargin(20);
  barcode->SetTopMargin(6);
  barcode->SetBarcode(text);
  return barcode;
}

// A TIFF file's pixels as libtiff reads them, alpha included.
QImage ReadTiff(const QString& path) {
  const std::unique_ptr<TIFF, void (*)(TIFF*)> tiff(TIFFOpen(path.toLocal8Bit().constData(), "r"), TIFFClose);
  if (!tiff) return {};
  std::uint32_t width = 0, height = 0;
  TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
  std::vector<std::uint32_t> pixels(std::size_t{width} * height);
  if (!TIFFReadRGBAImageOriented(tiff.get(), width, height, pixels.data(), ORIENTATION_TOPLEFT, 0)) return {};
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
  for (std::uint32_t y = 0; y < height; ++y)
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::uint32_t p = pixels[y * width + x];
      image.setPixel(static_cast<int>(x), static_cast<int>(y),
                     qRgba(static_cast<int>(TIFFGetR(p)), static_cast<int>(TIFFGetG(p)), static_cast<int>(TIFFGetB(p)),
                           static_cast<int>(TIFFGetA(p))));
    }
  return image;
}

// A written file as 32-bit pixels with alpha: raster files as their readers
// load them, SVG drawn by Qt, PDF by poppler's cairo output and EPS by
// Ghostscript, each onto a transparent page.
QImage Loaded(const QString& path, TFileFormat format) {
  const QString png = path + ".png";
  switch (format) {
    case TFileFormat::Tiff: return ReadTiff(path);
    case TFileFormat::Svg: {
      QSvgRenderer renderer(path);
      QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      renderer.render(&painter);
      return image;
    }
    case TFileFormat::Pdf:
      QProcess::execute("pdftocairo", {"-png", "-transp", "-singlefile", "-r", QString::number(Dpi), path, path});
      return QImage(png).convertToFormat(QImage::Format_ARGB32);
    case TFileFormat::Eps:
      QProcess::execute(
          "gs", {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=pngalpha", "-r" + QString::number(Dpi),
                 "-sOutputFile=" + png, "-c", "0 0 .setfilladjust2", "-f", path});
      return QImage(png).convertToFormat(QImage::Format_ARGB32);
    default: return QImage(path).convertToFormat(QImage::Format_ARGB32);
  }
}

// Black and white symbols take 1-bit Group 4 files, coloured ones LZW
// palettes; both read back as their symbols.
TEST(TiffFiles, DecodeToTheirText) {
  struct TCase {
    const char* ClassName;
    const char* Text;
    tessel::TColor Bars;
    const char* ReaderFormat;
    const char* Expected;
  };
  const TCase cases[] = {{"TBarcode_EAN13", "400638133393", tessel::clBlack, "EAN13", "4006381333931"},
                         {"TBarcode_Code128", "Tessel-128", 0x563412, "Code128", "Tessel-128"}};
  QTemporaryDir dir;
  for (const TCase& c : cases) {
    const auto barcode = Symbol(c.ClassName, c.Text);
    barcode->SetBarColor(c.Bars);
    const QString path = dir.filePath(QString(c.ClassName) + ".tiff");
    ASSERT_TRUE(tessel::WriteSymbol(*barcode, path.toStdString(), {.Format = TFileFormat::Tiff, .Dpi = 300}))
        << c.ClassName;
    const QImage image = ReadTiff(path);
    ASSERT_FALSE(image.isNull()) << c.ClassName;
    const auto decoded = tessel::testing::Decode(image, c.ReaderFormat);
    ASSERT_TRUE(decoded) << c.ClassName;
    EXPECT_EQ(decoded->Text, c.Expected) << c.ClassName;
  }
}

// Without a background, the pixels that the opaque file shows in the space
// colour are transparent and every other pixel is as in the opaque file
// (pixels a renderer smoothed into partial alpha, at text edges, aside).
TEST(TransparentBackground, LeavesOutTheSpaceColourInEveryFormat) {
  QTemporaryDir dir;
  const auto barcode = Symbol("TBarcode_Code128", "ABC123");
  barcode->SetSpaceColor(SpaceColour);
  for (const TFileFormat format :
       {TFileFormat::Png, TFileFormat::Bmp, TFileFormat::Tiff, TFileFormat::Svg, TFileFormat::Pdf, TFileFormat::Eps}) {
    const QString extension = tessel::Extension(format);
    const QString opaquePath = dir.filePath("opaque." + extension), clearPath = dir.filePath("clear." + extension);
    ASSERT_TRUE(tessel::WriteSymbol(*barcode, opaquePath.toStdString(), {.Format = format, .Dpi = Dpi}));
    ASSERT_TRUE(tessel::WriteSymbol(*barcode, clearPath.toStdString(),
                                    {.Format = format, .Dpi = Dpi, .TransparentBackground = true}));
    const QImage opaque = Loaded(opaquePath, format), clear = Loaded(clearPath, format);
    ASSERT_FALSE(clear.isNull()) << extension.toStdString();
    ASSERT_EQ(clear.size(), opaque.size()) << extension.toStdString();
    int transparent = 0, mismatched = 0;
    for (int y = 0; y < clear.height(); ++y)
      for (int x = 0; x < clear.width(); ++x) {
        const QRgb shown = opaque.pixel(x, y);
        const QRgb expected = (shown & RGB_MASK) == (SpaceRgb & RGB_MASK) ? 0 : shown;
        const QRgb pixel = clear.pixel(x, y);
        transparent += qAlpha(pixel) == 0;
        mismatched += qAlpha(pixel) == 0 ? qAlpha(expected) != 0 : qAlpha(pixel) == 0xff && pixel != expected;
      }
    EXPECT_EQ(mismatched, 0) << extension.toStdString();
    EXPECT_GT(transparent, clear.width() * clear.height() / 3) << extension.toStdString();
    if (format == TFileFormat::Svg) {
      QFile svg(clearPath);
      ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
      EXPECT_FALSE(svg.readAll().contains("#fedcba")) << "a fill of the space colour";
    }
  }
}

}  // namespace
