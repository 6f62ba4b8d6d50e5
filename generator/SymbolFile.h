// Writing a component's symbol to an image file (PNG, BMP, SVG or PDF) as
// the generator saves it: the symbol's box with LeftMargin pixels left and
// right and TopMargin above and below, on the component's SpaceColor.
#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "components/pBarcode.h"

namespace tessel::generator {

enum class TFileFormat { Png, Bmp, Svg, Pdf };

// The format named by a file's extension or a format name; none if unknown.
std::optional<TFileFormat> FormatFromName(const QString& nameOrPath);
QString Extension(TFileFormat format);

// The bar height used when the component's BarcodeHeight is 0 or less.
inline constexpr int DefaultBarHeight = 80;

// Draws the symbol through an image control with the component's own Draw.
// Returns the error code (0: Image holds the symbol).
int RenderSymbol(TBarcode& Barcode, QImage& Image);

// Writes the symbol to Path through a temporary file that is renamed only
// when everything was written. Returns the error code of the symbol (0 on
// success); on a file error returns 0 and sets FileError.
int WriteSymbol(TBarcode& Barcode, const QString& Path, TFileFormat Format, int Dpi, QString& FileError);

}  // namespace tessel::generator
