// Writing a component's symbol to an image file (PNG, BMP, SVG or PDF) as
// the generator saves it: the symbol's box with LeftMargin pixels left and
// right and TopMargin above and below, on the component's SpaceColor.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "components/pBarcode.h"
#include "generator/OutputFile.h"
#include "platform/qt/QtRasterCanvas.h"

namespace tessel::generator {

enum class TFileFormat { Png, Bmp, Svg, Pdf };

// The format named by a file's extension or a format name; none if unknown.
std::optional<TFileFormat> FormatFromName(const QString& nameOrPath);
QString Extension(TFileFormat format);

// The bar height used when the component's BarcodeHeight is 0 or less.
inline constexpr int DefaultBarHeight = 80;

// The largest image written, in any format, measured before anything is
// drawn: at most MaxImageSide pixels a side (what Qt's raster engine draws)
// and MaxImageBytes of 32-bit pixels (the memory budget of one bitmap; a
// stretched symbol's unstretched bitmap counts as well).
inline constexpr int MaxImageSide = 32767;
inline constexpr long long MaxImageBytes = 256LL << 20;
inline constexpr int ImageBytesPerPixel = 4;

// A writer keeps its image and file buffers for the next symbol up to this
// size, outside the budget; larger ones are let go after their symbol.
inline constexpr long long KeptBufferBytes = 4LL << 20;

// Why a symbol was not written.
enum class TWriteFailure {
  None,
  InvalidText,  // the symbology refused the text; Error holds its code
  TooLarge,     // the image would exceed the limits; nothing was drawn
  File,         // the file could not be written; an existing one is unchanged
};

struct TWriteResult {
  TWriteFailure Failure = TWriteFailure::None;
  int Error = ecValid;
  QString Message;  // the reason with TooLarge and File
};

// Draws symbols one after another into an image buffer it keeps (reused
// while the caller no longer holds the previous image), with the same pixels
// as the component's own Draw on an image control gives. A batch keeps one
// renderer; renderers are not shared between threads (the glyph fonts they
// use are, read-only).
class TSymbolRenderer {
 public:
  // As RenderSymbol.
  int Render(TBarcode& Barcode, QImage& Image);
  // The canvas the symbols are measured and drawn on.
  TQtRasterCanvas& Canvas() { return canvas_; }
  // The layout of the symbol being drawn, kept to reuse its buffers.
  TBarcodeLayout& Layout() { return layout_; }
  // Lets go of an image buffer larger than KeptBufferBytes.
  void Trim();

 private:
  TQtRasterCanvas canvas_;
  TBarcodeLayout layout_;
};

// Draws the symbol as the component's own Draw does on an image control.
// Returns the error code (0: Image holds the symbol); a symbol beyond the
// limits gives ecValid and a null Image.
int RenderSymbol(TBarcode& Barcode, QImage& Image);

class TImageEncoder;
class TSvgCanvas;

// Encodes and writes symbols, keeping its buffers (the renderer's image, the
// file's bytes, the image encoder's rows and compressor) from symbol to symbol. One writer
// serves one thread.
class TSymbolWriter {
 public:
  TSymbolWriter();
  ~TSymbolWriter();
  TSymbolWriter(const TSymbolWriter&) = delete;
  TSymbolWriter& operator=(const TSymbolWriter&) = delete;

  // Makes the symbol's file in memory: Contents() holds it on success.
  TWriteResult Encode(TBarcode& Barcode, TFileFormat Format, int Dpi);
  // Encodes the symbol and writes it to Path as Options say (see ReplaceFile
  // for what Path may name).
  TWriteResult Write(TBarcode& Barcode, const QString& Path, TFileFormat Format, int Dpi,
                     const TReplaceOptions& Options = {});
  const QByteArray& Contents() const { return contents_; }

 private:
  // Encodes the symbol and, when given, hands the file to Store, all within
  // the symbol's share of the run's image budget. Store returns an empty
  // string on success, else the reason.
  using TStore = std::function<QString(const QByteArray& Contents)>;
  TWriteResult EncodeAndStore(TBarcode& Barcode, TFileFormat Format, int Dpi, const TStore& Store);

  TSymbolRenderer renderer_;
  QByteArray contents_;
  std::unique_ptr<TImageEncoder> encoder_;
  std::unique_ptr<TSvgCanvas> svg_;  // writes into contents_
};

// Writes the symbol to Path as Options say (see ReplaceFile for what Path
// may name). Names made from data pass {.Links = TLinkPolicy::ReplaceLink}.
TWriteResult WriteSymbol(TBarcode& Barcode, const QString& Path, TFileFormat Format, int Dpi,
                         const TReplaceOptions& Options = {});

}  // namespace tessel::generator
