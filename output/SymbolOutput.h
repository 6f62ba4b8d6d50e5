// Writing a component's symbol to a file or into memory as PNG, BMP, SVG,
// PDF or EPS: the symbol's box with LeftMargin pixels left and right and
// TopMargin above and below, on the component's SpaceColor.
//
//   tessel::TOutputOptions options;
//   options.Format = tessel::TFileFormat::Pdf;
//   options.Dpi = 300;
//   options.XDimensionMm = 0.33;
//   if (const tessel::TWriteResult result = tessel::WriteSymbol(barcode, "label.pdf", options); !result)
//     std::cerr << result.Message << '\n';
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

enum class TFileFormat { Png, Bmp, Svg, Pdf, Eps };

// The format named by a file's extension or by a format name ("png",
// "PDF"); none when unknown.
std::optional<TFileFormat> FormatFromName(std::string_view ExtensionOrPath);
// The usual extension of a format, without the dot.
const char* Extension(TFileFormat Format);

struct TOutputOptions {
  TFileFormat Format = TFileFormat::Png;
  // The resolution recorded in the file and, for PDF and EPS, the pixels a
  // point stands for (points = pixels * 72 / Dpi).
  int Dpi = 96;
  // Above 0: the module becomes the nearest whole number of dots of this
  // width at Dpi (at least one); 0: the component's Module in pixels.
  double XDimensionMm = 0;
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
};

struct TWriteResult {
  TWriteFailure Failure = TWriteFailure::None;
  int Error = ecValid;
  std::string Message;  // the reason, except with InvalidText

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
