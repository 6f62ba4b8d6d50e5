#include "generator/SymbolFile.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <memory>

#include "platform/Image.h"
#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtCanvas.h"

namespace tessel::generator {
namespace {

// The resolution symbols are laid out at, whatever the output device: that
// of the generator's preview bitmaps.
constexpr int LayoutDpi = 96;

// Sizes and settings of one written symbol; restores the component's bar
// height and width afterwards.
class TSymbolBox {
 public:
  explicit TSymbolBox(TBarcode& barcode) : barcode_(barcode), wasLocked_(barcode.Locked()) {
    barcode_.SetLocked(true);
    height_ = barcode_.BarcodeHeight();
    width_ = barcode_.BarcodeWidth();
    barHeight_ = height_ > 0 ? height_ : DefaultBarHeight;
    barcode_.SetBarcodeHeight(barHeight_);
    Error = barcode_.DrawToSize(Width, Height, barcode_.Module(), barHeight_, -1);
    if (Error == 0 && barcode_.StretchWidth()) {
      // A stretched symbol takes BarcodeWidth along the bars, else its natural width.
      const bool vertical = barcode_.Orientation() == boTopBottom || barcode_.Orientation() == boBottomTop;
      int& along = vertical ? Height : Width;
      if (width_ > 0)
        along = width_;
      else
        barcode_.SetBarcodeWidth(along);
    }
    Width += 2 * barcode_.LeftMargin();
    Height += 2 * barcode_.TopMargin();
  }
  ~TSymbolBox() {
    barcode_.SetBarcodeWidth(width_);
    barcode_.SetBarcodeHeight(height_);
    barcode_.SetLocked(wasLocked_);
  }
  int BarHeight() const { return barHeight_; }

  int Error = 0;
  int Width = 0;
  int Height = 0;

 private:
  TBarcode& barcode_;
  bool wasLocked_;
  int height_, width_, barHeight_;
};

int RenderInBox(TBarcode& Barcode, const TSymbolBox& Box, QImage& Image) {
  const auto image = std::make_unique<TImage>(nullptr);
  image->SetBounds(Box.Width, Box.Height);
  auto* bitmap = dynamic_cast<TQtBitmap*>(image->Picture().Bitmap());
  if (!bitmap) return ecValid;
  bitmap->SetSize(Box.Width, Box.Height);
  TCanvas& canvas = bitmap->Canvas();
  canvas.Brush.Color = Barcode.SpaceColor();
  canvas.Pen.Color = Barcode.SpaceColor();
  canvas.Rectangle({0, 0, Box.Width, Box.Height});

  int error = ecValid;
  const TOnInvalidChar invalidChar = Barcode.OnInvalidChar;
  const TOnInvalidLength invalidLength = Barcode.OnInvalidLength;
  Barcode.OnInvalidChar = [&](TObject*, int index, char) { error = index; };
  Barcode.OnInvalidLength = [&](TObject*, const std::string&) { error = ecInvalidLength; };
  TComponent* previous = Barcode.Image();
  Barcode.SetImage(image.get());
  Barcode.Draw();
  Barcode.SetImage(previous);
  Barcode.OnInvalidChar = invalidChar;
  Barcode.OnInvalidLength = invalidLength;
  Image = bitmap->Image().copy();
  return error;
}

// Draws the symbol on a vector device, laid out as on a screen bitmap. A
// stretched symbol is a scaled bitmap in any case and is embedded as one.
void DrawVector(TBarcode& Barcode, const TSymbolBox& Box, QPaintDevice& Device) {
  if (Barcode.StretchWidth()) {
    QImage image;
    RenderInBox(Barcode, Box, image);
    QPainter painter(&Device);
    painter.drawImage(0, 0, image);
    return;
  }
  TQtCanvas canvas(&Device);
  canvas.SetPixelsPerInch(LayoutDpi);
  canvas.Brush.Color = Barcode.SpaceColor();
  canvas.Pen.Color = Barcode.SpaceColor();
  canvas.Rectangle({0, 0, Box.Width, Box.Height});
  Barcode.DrawTo(canvas, Barcode.Module(), Barcode.LeftMargin(), Barcode.TopMargin(), Box.BarHeight(), -1);
  canvas.End();
}

}  // namespace

std::optional<TFileFormat> FormatFromName(const QString& nameOrPath) {
  const QString suffix = nameOrPath.contains('.') ? QFileInfo(nameOrPath).suffix().toLower() : nameOrPath.toLower();
  if (suffix == "png") return TFileFormat::Png;
  if (suffix == "bmp") return TFileFormat::Bmp;
  if (suffix == "svg") return TFileFormat::Svg;
  if (suffix == "pdf") return TFileFormat::Pdf;
  return std::nullopt;
}

QString Extension(TFileFormat format) {
  switch (format) {
    case TFileFormat::Png: return "png";
    case TFileFormat::Bmp: return "bmp";
    case TFileFormat::Svg: return "svg";
    case TFileFormat::Pdf: return "pdf";
  }
  return "png";
}

int RenderSymbol(TBarcode& Barcode, QImage& Image) {
  const TSymbolBox box(Barcode);
  if (box.Error != ecValid) return box.Error;
  return RenderInBox(Barcode, box, Image);
}

int WriteSymbol(TBarcode& Barcode, const QString& Path, TFileFormat Format, int Dpi, QString& FileError) {
  const TSymbolBox box(Barcode);
  if (box.Error != ecValid) return box.Error;

  QSaveFile file(Path);
  if (!file.open(QIODevice::WriteOnly)) {
    FileError = file.errorString();
    return ecValid;
  }
  bool written = true;
  switch (Format) {
    case TFileFormat::Png:
    case TFileFormat::Bmp: {
      QImage image;
      const int error = RenderInBox(Barcode, box, image);
      if (error != ecValid) {
        file.cancelWriting();
        return error;
      }
      const int dotsPerMeter = qRound(Dpi / 0.0254);
      image.setDotsPerMeterX(dotsPerMeter);
      image.setDotsPerMeterY(dotsPerMeter);
      written = image.save(&file, Format == TFileFormat::Png ? "PNG" : "BMP");
      break;
    }
    case TFileFormat::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&file);
      svg.setSize(QSize(box.Width, box.Height));
      svg.setViewBox(QRect(0, 0, box.Width, box.Height));
      svg.setResolution(LayoutDpi);
      svg.setTitle("Barcode");
      DrawVector(Barcode, box, svg);
      break;
    }
    case TFileFormat::Pdf: {
      QPdfWriter pdf(&file);
      pdf.setResolution(Dpi);
      pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
      pdf.setPageSize(QPageSize(QSizeF(box.Width * 25.4 / Dpi, box.Height * 25.4 / Dpi), QPageSize::Millimeter,
                                "Barcode", QPageSize::ExactMatch));
      DrawVector(Barcode, box, pdf);
      break;
    }
  }
  if (!written || !file.commit()) {
    FileError = file.errorString().isEmpty() ? QStringLiteral("could not write the image") : file.errorString();
    file.cancelWriting();
  }
  return ecValid;
}

}  // namespace tessel::generator
