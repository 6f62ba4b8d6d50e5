// The pixels of a Qt image as the image writers read them, for symbols
// drawn through Qt.
#pragma once

#include <QImage>
#include <algorithm>
#include <cstring>

#include "platform/raster/RasterImage.h"

namespace tessel {

// Copies Image into Raster (a null Raster when it cannot be allocated).
inline void ToRasterImage(const QImage& Image, TRasterImage& Raster) {
  const bool indexed = Image.format() == QImage::Format_Indexed8;
  const QImage source = indexed || Image.format() == QImage::Format_RGB32 || Image.format() == QImage::Format_ARGB32
                            ? Image
                            : Image.convertToFormat(QImage::Format_ARGB32);
  if (!Raster.Allocate(source.width(), source.height(), indexed ? TPixelFormat::Indexed8 : TPixelFormat::Argb32))
    return;
  if (indexed) {
    const QList<QRgb> table = source.colorTable();
    Raster.Palette.assign(table.begin(), table.end());
  }
  const std::size_t bytes = std::min<std::size_t>(Raster.Stride(), static_cast<std::size_t>(source.bytesPerLine()));
  for (int y = 0; y < source.height(); ++y) std::memcpy(Raster.Row(y), source.constScanLine(y), bytes);
}

}  // namespace tessel
