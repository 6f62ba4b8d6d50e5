#include "qt/QtTestSupport.h"

#define ZX_USE_UTF8 1
#include <ZXing/GTIN.h>
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

std::optional<TDecoded> Decode(const QImage& image, const std::string& formats, bool eanAddOn) {
  return Decode(image, formats, TReaderModes{.EanAddOn = eanAddOn});
}

std::optional<TDecoded> Decode(const QImage& image, const std::string& formats, const TReaderModes& modes) {
  const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
  const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                              static_cast<int>(gray.bytesPerLine()));
  ZXing::DecodeHints hints;
  hints.setFormats(formats.empty() ? ZXing::BarcodeFormat::LinearCodes : ZXing::BarcodeFormatsFromString(formats));
  hints.setTryHarder(true);
  hints.setTryRotate(true);
  if (modes.EanAddOn) hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Require);
  hints.setTryCode39ExtendedMode(modes.Code39Extended);
  hints.setValidateCode39CheckSum(modes.Code39CheckSum);
  hints.setReturnCodabarStartEnd(modes.CodabarStartEnd);
  const ZXing::Result result = ZXing::ReadBarcode(view, hints);
  if (!result.isValid()) return std::nullopt;
  const ZXing::ByteArray& bytes = result.bytes();
  return TDecoded{result.text(), std::string(bytes.begin(), bytes.end()), ZXing::ToString(result.format()),
                  result.symbologyIdentifier(), ZXing::GTIN::EanAddOn(result)};
}

namespace {

// Runs of dark and light pixels along a line of `count` pixels, from the
// first dark one; a trailing light run is dropped.
template <class Dark>
std::vector<int> RunsAlong(int count, Dark dark) {
  std::vector<int> runs;
  bool current = false;
  for (int i = 0; i < count; ++i) {
    const bool d = dark(i);
    if (runs.empty() && !d) continue;
    if (runs.empty() || d != current) {
      current = d;
      runs.push_back(0);
    }
    ++runs.back();
  }
  if (!runs.empty() && !current) runs.pop_back();
  return runs;
}

}  // namespace

std::vector<int> Runs(const QImage& image, int y) {
  return RunsAlong(image.width(), [&](int x) { return qGray(image.pixel(x, y)) < 128; });
}

std::vector<int> ColumnRuns(const QImage& image, int x) {
  return RunsAlong(image.height(), [&](int y) { return qGray(image.pixel(x, y)) < 128; });
}

std::string RunWidths(const QImage& image, int y) {
  std::string text;
  for (int r : Runs(image, y)) text += std::to_string(r) + " ";
  if (!text.empty()) text.pop_back();
  return text;
}

}  // namespace tessel::testing
