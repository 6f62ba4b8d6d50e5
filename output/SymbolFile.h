// The engine behind SymbolOutput.h: a renderer and a writer that keep their
// buffers from symbol to symbol, for batches.
#pragma once

#include <QImage>
#include <functional>
#include <memory>
#include <string>

#include "components/pBarcode.h"
#include "output/OutputFile.h"
#include "output/SymbolOutput.h"
#include "platform/qt/QtRasterCanvas.h"

namespace tessel {

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
  TWriteResult Encode(TBarcode& Barcode, const TOutputOptions& Output);
  // Encodes the symbol and writes it to Path as Replace says (see
  // ReplaceFile for what Path may name).
  TWriteResult Write(TBarcode& Barcode, const std::string& Path, const TOutputOptions& Output,
                     const TReplaceOptions& Replace = {});
  const std::string& Contents() const { return contents_; }
  // Lets go of the file's bytes (a caller that took them).
  std::string TakeContents() { return std::move(contents_); }

 private:
  // Encodes the symbol and, when given, hands the file to Store, all within
  // the symbol's share of the run's image budget. Store returns an empty
  // string on success, else the reason.
  using TStore = std::function<std::string(const std::string& Contents)>;
  TWriteResult EncodeAndStore(TBarcode& Barcode, const TOutputOptions& Output, const TStore& Store);

  TSymbolRenderer renderer_;
  std::string contents_;
  std::unique_ptr<TImageEncoder> encoder_;
  std::unique_ptr<TSvgCanvas> svg_;  // writes into contents_
};

// Writes the symbol to Path as Replace says (see ReplaceFile for what Path
// may name). Names made from data pass {.Links = TLinkPolicy::ReplaceLink}.
TWriteResult WriteSymbol(TBarcode& Barcode, const std::string& Path, const TOutputOptions& Output,
                         const TReplaceOptions& Replace);

}  // namespace tessel
