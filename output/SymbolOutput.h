// Writing a component's symbol to a file or into memory as PNG, BMP, TIFF,
// SVG, PDF or EPS: the symbol's box with LeftMargin pixels left and right
// and TopMargin above and below, on the component's SpaceColor or, with
// TransparentBackground, on nothing.
//
//   tessel::TOutputOptions options;
//   options.Format = tessel::TFileFormat::Pdf;
//   options.Dpi = 300;
//   options.XDimension = tessel::Millimetres(0.33);
//   if (const tessel::TWriteResult result = tessel::WriteSymbol(barcode, "label.pdf", options); !result)
//     std::cerr << result.Message << '\n';
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "components/pBarcode.h"
#include "output/Length.h"

namespace tessel {

// TIFF: 1-bit CCITT Group 4 for black and white, else LZW (a palette, RGB
// or RGBA); its resolution in dots per inch.
enum class TFileFormat { Png, Bmp, Svg, Pdf, Eps, Tiff };

// The format named by a file's extension or by a format name ("png",
// "PDF"); none when unknown.
std::optional<TFileFormat> FormatFromName(std::string_view ExtensionOrPath);
// The usual extension of a format, without the dot.
const char* Extension(TFileFormat Format);

// The quiet zones left and right of the symbol (along it, whatever its
// orientation): the component's margin, each symbology's minimum from its
// standard, or a number of modules. Both sides take the larger of the two
// minimums; zones a symbology lays out itself (EAN and UPC) count towards it.
struct TQuietZone {
  enum class TKind { Component, Standard, Modules };
  TKind Kind = TKind::Component;
  int Modules = 0;  // with Modules
};

struct TOutputOptions {
  TFileFormat Format = TFileFormat::Png;
  // The resolution recorded in the file and, for vector formats, the size of
  // a pixel (1 / Dpi inch; PDF and EPS points = pixels * 72 / Dpi).
  int Dpi = 96;
  // Given: the module becomes the nearest whole number of dots of this
  // width at Dpi (at least one); else the component's Module in pixels.
  TLength XDimension{};
  // Given: the bar height in the nearest whole number of dots at Dpi; else
  // the component's BarcodeHeight in pixels.
  TLength BarHeight{};
  // Given: every dark element is narrower and every light element wider by
  // this much, the symbol's width and the elements' centres kept (whole
  // dots on raster formats, the odd dot taken from a bar's trailing edge;
  // exact on vector formats). Refused when a bar would keep one dot or less.
  TLength BarWidthReduction{};
  // With any of these three given, the symbol is laid out in dots at Dpi,
  // its texts in points at Dpi too; else as on a 96 dpi screen bitmap.
  TQuietZone QuietZone{};
  // No background: whatever is drawn in the component's SpaceColor (the
  // box, the spaces, text backgrounds) is left out. PNG, BMP and TIFF keep
  // those pixels' colour with alpha 0 (PNG palette alpha, BMP 32-bit BGRA,
  // TIFF RGBA); SVG, PDF and EPS have no fill for them. Bars and text are
  // drawn as without it.
  bool TransparentBackground = false;
  // The symbol's rotation for this call in degrees counter-clockwise: 0,
  // 90, 180 or 270 (as the component's Orientation gives them); else the
  // component's orientation.
  std::optional<int> Angle = std::nullopt;
  // Margins in pixels for this call; else the component's.
  std::optional<int> LeftMargin = std::nullopt, TopMargin = std::nullopt;
};

// Why a symbol was not written.
enum class TWriteFailure {
  None,
  InvalidText,    // the symbology refused the text; Error holds its code
  TooLarge,       // the image would exceed the limits; nothing was drawn
  File,           // the file could not be written; an existing one is unchanged
  InvalidOption,  // an output option is out of range; nothing was drawn
  Refused,        // the writer's image check refused the drawn image; Message says why
};

// The sizes a written symbol took, in dots of the output.
struct TSymbolGeometry {
  int Dpi = 0;
  int ModuleDots = 0;         // the X dimension
  int BarHeightDots = 0;      // the bars' height, texts not included
  double ReductionDots = 0;   // the bar width reduction applied
  int Width = 0, Height = 0;  // the image or page, margins included

  double XDimensionMm() const { return Dpi > 0 ? ModuleDots * MillimetresPerInch / Dpi : 0; }
};

struct TWriteResult {
  TWriteFailure Failure = TWriteFailure::None;
  int Error = ecValid;
  std::string Message;       // the reason, except with InvalidText
  TSymbolGeometry Geometry;  // on success

  bool Ok() const { return Failure == TWriteFailure::None; }
  explicit operator bool() const { return Ok(); }
};

// Writes the symbol to Path, replacing a file completely or not at all.
// Path names a regular file, a symbolic link to one (which is written
// through) or nothing yet in an existing folder. The component's settings
// are as before afterwards.
TWriteResult WriteSymbol(TBarcode& Barcode, const std::string& Path, const TOutputOptions& Options = {});
// Makes the symbol's file in memory: Contents holds it on success.
TWriteResult EncodeSymbol(TBarcode& Barcode, std::string& Contents, const TOutputOptions& Options = {});

}  // namespace tessel
