// The engine behind SymbolOutput.h: a renderer and a writer that keep their
// buffers from symbol to symbol, for batches.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "components/pBarcode.h"
#include "output/OutputFile.h"
#include "output/SymbolOutput.h"
#include "platform/raster/RasterBitmap.h"
#include "platform/raster/RasterCanvas.h"
#include "platform/raster/RasterImage.h"

namespace tessel {

// The bar height used when the component's BarcodeHeight is 0 or less.
inline constexpr int DefaultBarHeight = 80;

// The largest image written, in any format, measured before anything is
// drawn: at most MaxImageSide pixels a side (what common image readers take)
// and MaxImageBytes of 32-bit pixels (the memory budget of one bitmap; a
// stretched symbol's unstretched bitmap counts as well).
inline constexpr int MaxImageSide = 32767;
inline constexpr long long MaxImageBytes = 256LL << 20;
inline constexpr int ImageBytesPerPixel = 4;

// A writer keeps its image and file buffers for the next symbol up to this
// size, outside the budget; larger ones are let go after their symbol.
inline constexpr long long KeptBufferBytes = 4LL << 20;

// Draws symbols one after another into an image buffer it keeps, with the
// pixels of the component's own Draw on an image control of the headless
// platform. A batch keeps one renderer; renderers are not shared between
// threads (the glyph fonts they use are, read-only).
class TSymbolRenderer {
 public:
  // Draws the symbol, the box on the space colour with the margins around
  // the symbol. Returns the error code; with ecValid, Image() holds the
  // symbol, or is null when it is beyond the limits or the memory cannot be
  // had.
  int Render(TBarcode& Barcode);
  // The symbol drawn last, valid until the next Render; or null.
  const TRasterImage* Image() const { return image_; }
  // The canvas the symbols are measured and drawn on.
  TRasterCanvas& Canvas() { return canvas_; }
  // The bitmap a stretched symbol is drawn on at its natural size.
  TRasterBitmap& Natural() { return natural_; }
  // The layout of the symbol being drawn, kept to reuse its buffers.
  TBarcodeLayout& Layout() { return layout_; }
  // Lets go of image buffers larger than KeptBufferBytes.
  void Trim();
  // The resolution symbols are laid out at from now on: fonts are sized for
  // it (a screen's, 96, until set).
  void SetPixelsPerInch(int Dpi);

 private:
  TRasterCanvas canvas_;
  TRasterBitmap natural_;
  TBarcodeLayout layout_;
  const TRasterImage* image_ = nullptr;
};

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

  // Given each raster symbol (PNG, BMP, TIFF) as drawn, the very image then
  // encoded: an empty string lets it be written, else the reason it is not
  // (TWriteFailure::Refused, nothing written). None: every image is taken.
  using TImageCheck = std::function<std::string(const TRasterImage& Image)>;
  void SetImageCheck(TImageCheck Check) { check_ = std::move(Check); }

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
  TImageCheck check_;
};

class TCairoCanvas;

// A laid-out symbol for a vector page that someone else lays out (a label
// sheet): its box in dots at the output's Dpi, margins included, and the
// step that draws it on a canvas laid out at LayoutDpi(Output), the box's
// top-left corner at the canvas's origin; Draw returns false when a bitmap
// it needed could not be made.
struct TVectorSymbol {
  int Width = 0, Height = 0;
  std::function<bool(TCairoCanvas&)> Draw;
};
using TPlaceVectorSymbol = std::function<TWriteResult(const TVectorSymbol& Symbol)>;

// Lays the symbol out as the PDF writer does (Output's sizes fitted to its
// Dpi, checked against the options and limits) and hands it to Place, which
// places and draws it, or refuses it. Returns the first refusal, else
// Place's result with the symbol's geometry. The component's settings are as
// before afterwards.
TWriteResult PlaceVectorSymbol(TBarcode& Barcode, const TOutputOptions& Output, TSymbolRenderer& Renderer,
                               const TPlaceVectorSymbol& Place);

// Writes the symbol to Path as Replace says (see ReplaceFile for what Path
// may name). Names made from data pass {.Links = TLinkPolicy::ReplaceLink}.
TWriteResult WriteSymbol(TBarcode& Barcode, const std::string& Path, const TOutputOptions& Output,
                         const TReplaceOptions& Replace);

}  // namespace tessel
