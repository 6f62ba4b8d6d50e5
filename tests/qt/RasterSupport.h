// What the raster tests share: a text every symbology accepts, and raster
// images as Qt images to compare with the Qt canvases' pixels.
#pragma once

#include <QImage>

#include "components/pBarcode.h"
#include "platform/raster/RasterImage.h"

namespace tessel::testing {

// Sets the first of these texts the symbology accepts and gives the
// symbol's size at that module and bar height; false when it takes none.
inline bool ChooseSampleText(TBarcode& barcode, int module, int barHeight, int& width, int& height) {
  static constexpr const char* SampleTexts[] = {"1234567890",
                                                "123456789012",
                                                "12345678901",
                                                "1234567",
                                                "0123456",
                                                "123456",
                                                "12345",
                                                "12",
                                                "A12345B",
                                                "TESSEL-1",
                                                "1139987520",
                                                "K1A0B1",
                                                "20704987654321654321123456789"};
  for (const char* text : SampleTexts) {
    barcode.SetBarcode(text);
    if (barcode.DrawToSize(width, height, module, barHeight, -1) == ecValid) return true;
  }
  return false;
}

// A raster image as an RGB32 Qt image of the same colours (null when null).
inline QImage ToQImage(const TRasterImage& raster) {
  if (raster.Null()) return {};
  QImage image(raster.Width(), raster.Height(), QImage::Format_RGB32);
  for (int y = 0; y < raster.Height(); ++y)
    for (int x = 0; x < raster.Width(); ++x) image.setPixel(x, y, raster.Pixel(x, y));
  return image;
}

}  // namespace tessel::testing
