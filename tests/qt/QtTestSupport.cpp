#include "qt/QtTestSupport.h"

#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include "platform/qt/QtBitmap.h"

namespace tessel::testing {

QImage Render(TBarcode& barcode, int module, int height, int angle, int margin) {
  int width = 0, total = 0;
  total = height;
  barcode.DrawToSize(width, total, module, height, angle);
  TQtBitmap bitmap;
  bitmap.SetSize(width + 2 * margin, total + 2 * margin);
  barcode.DrawTo(bitmap.Canvas(), module, margin, margin, height, angle);
  return bitmap.Image().copy();
}

std::optional<TDecoded> Decode(const QImage& image, const std::string& formats) {
  const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
  const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                              static_cast<int>(gray.bytesPerLine()));
  ZXing::DecodeHints hints;
  hints.setFormats(formats.empty() ? ZXing::BarcodeFormat::LinearCodes : ZXing::BarcodeFormatsFromString(formats));
  hints.setTryHarder(true);
  hints.setTryRotate(true);
  const ZXing::Result result = ZXing::ReadBarcode(view, hints);
  if (!result.isValid()) return std::nullopt;
  const ZXing::ByteArray& bytes = result.bytes();
  return TDecoded{result.text(), std::string(bytes.begin(), bytes.end()), ZXing::ToString(result.format()),
                  result.symbologyIdentifier()};
}

std::vector<int> Runs(const QImage& image, int y) {
  std::vector<int> runs;
  bool started = false, dark = false;
  for (int x = 0; x < image.width(); ++x) {
    const bool d = qGray(image.pixel(x, y)) < 128;
    if (!started) {
      if (!d) continue;
      started = true;
      dark = true;
      runs.push_back(0);
    }
    if (d != dark) {
      dark = d;
      runs.push_back(0);
    }
    ++runs.back();
  }
  if (!runs.empty() && !dark) runs.pop_back();  // trailing light area
  return runs;
}

std::vector<int> ColumnRuns(const QImage& image, int x) {
  const QImage turned = image.transformed(QTransform().rotate(90));
  return Runs(turned, turned.height() - 1 - x);
}

std::string RunWidths(const QImage& image, int y) {
  std::string text;
  for (int r : Runs(image, y)) text += std::to_string(r) + " ";
  if (!text.empty()) text.pop_back();
  return text;
}

}  // namespace tessel::testing
