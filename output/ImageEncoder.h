// Writing images as PNG, BMP and TIFF files in memory with the fewest bits a
// pixel that their colours allow: a symbol of two colours becomes a 1-bit
// image, one of up to 256 colours a palette image, and only more colours are
// written as RGB (RGBA when a pixel is not opaque). TIFF is written by
// libtiff (TiffEncoder.cpp). The encoder keeps its
// buffers (rows, palette, compressor) from image to image, so a batch
// allocates them once.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/raster/RasterImage.h"

struct tiff;  // libtiff's TIFF

namespace tessel {

class TImageEncoder {
 public:
  TImageEncoder();
  ~TImageEncoder();
  TImageEncoder(const TImageEncoder&) = delete;
  TImageEncoder& operator=(const TImageEncoder&) = delete;

  // Replaces Out with the image as a PNG file recording Dpi as its
  // resolution; transparency is kept (palette alpha or RGBA). Returns false
  // when the image could not be encoded.
  bool Png(const TRasterImage& Image, int Dpi, std::string& Out);
  // Replaces Out with the image as a BMP file recording Dpi; an image with
  // transparency is written with 32-bit BGRA pixels.
  bool Bmp(const TRasterImage& Image, int Dpi, std::string& Out);
  // Replaces Out with the image as a TIFF file recording Dpi: black and
  // white as 1 bit with CCITT Group 4, other palettes with LZW, and images
  // with more colours or transparency as RGB or RGBA (unassociated alpha)
  // with LZW and horizontal differencing.
  bool Tiff(const TRasterImage& Image, int Dpi, std::string& Out);

 private:
  // The image's pixels as palette indices, or as true colour when it has
  // more than MaxPaletteSize colours.
  void Analyse(const TRasterImage& image);
  void AnalyseIndexed(const TRasterImage& image);
  void AnalyseArgb(const TRasterImage& image);
  // Whether row y's pixels are those of the row above (its indices are then
  // copied and the row marked as a repeat).
  bool RepeatsRowAbove(int y, const std::uint8_t* line, const std::uint8_t* previousLine, std::size_t bytes);
  // The colour's palette entry, added when new; none when the palette is full.
  std::optional<std::uint8_t> PaletteIndex(TArgb colour);
  void PackRow(int y, int bitsPerPixel, bool bmp, std::uint8_t* row) const;
  bool Deflate(const std::uint8_t* data, std::size_t size);
  void AddChunk(std::string& out, const char* type, const std::uint8_t* data, std::size_t size) const;
  void AddPalette(std::string& out);
  // Writes the analysed image's tags and rows into an open TIFF file.
  bool WriteTiff(tiff* file, int dpi);
  // The least bit depth a palette of this many colours needs; BMP has no
  // 2-bit images.
  static int PaletteBits(std::size_t colours, bool bmp);

  static constexpr int MaxPaletteSize = 256;

  int width_ = 0, height_ = 0;
  const TRasterImage* argb_ = nullptr;  // the 32-bit image being encoded, while it is
  std::vector<TArgb> palette_;          // in order of first use
  std::vector<std::uint8_t> indices_;   // one a pixel, with a palette
  std::vector<std::uint8_t> repeats_;   // 1: the row repeats the one above
  bool truecolour_ = false;
  bool alpha_ = false;  // some pixel is not opaque
  std::vector<std::uint8_t> row_, filtered_, compressed_;
  z_stream zlib_{};
  bool zlibReady_ = false;
};

}  // namespace tessel
