// Writing images as PNG and BMP files in memory with the fewest bits a pixel
// that their colours allow: a symbol of two colours becomes a 1-bit image,
// one of up to 256 colours a palette image, and only more colours are
// written as RGB. The encoder keeps its buffers (rows, palette, compressor)
// from image to image, so a batch allocates them once.
#pragma once

#include <zlib.h>

#include <QByteArray>
#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessel::generator {

class TImageEncoder {
 public:
  TImageEncoder();
  ~TImageEncoder();
  TImageEncoder(const TImageEncoder&) = delete;
  TImageEncoder& operator=(const TImageEncoder&) = delete;

  // Replaces Out with the image as a PNG file recording Dpi as its
  // resolution. Images with an alpha channel are written by Qt's encoder.
  // Returns false when the image could not be encoded.
  bool Png(const QImage& Image, int Dpi, QByteArray& Out);
  // Replaces Out with the image as a BMP file recording Dpi.
  bool Bmp(const QImage& Image, int Dpi, QByteArray& Out);

 private:
  // The image's pixels as palette indices, or as RGB when it has more than
  // MaxPaletteSize colours.
  void Analyse(const QImage& image);
  void AnalyseIndexed(const QImage& image);
  void AnalyseRgb(const QImage& image);
  // Whether row y's pixels are those of the row above (its indices are then
  // copied and the row marked as a repeat).
  bool RepeatsRowAbove(int y, const uchar* line, const uchar* previousLine, std::size_t bytes);
  // The colour's palette entry, added when new; none when the palette is full.
  std::optional<std::uint8_t> PaletteIndex(std::uint32_t colour);
  void PackRow(int y, int bitsPerPixel, bool bmp, std::uint8_t* row) const;
  bool Deflate(const std::uint8_t* data, std::size_t size);
  void AddChunk(QByteArray& out, const char* type, const std::uint8_t* data, std::size_t size) const;

  static constexpr int MaxPaletteSize = 256;

  int width_ = 0, height_ = 0;
  QImage rgb_;                          // the image being encoded as 32-bit pixels, released when packed
  std::vector<std::uint32_t> palette_;  // 0xRRGGBB, in order of first use
  std::vector<std::uint8_t> indices_;   // one a pixel, with a palette
  std::vector<std::uint8_t> repeats_;   // 1: the row repeats the one above
  bool truecolour_ = false;
  std::vector<std::uint8_t> row_, filtered_, compressed_;
  z_stream zlib_{};
  bool zlibReady_ = false;
};

}  // namespace tessel::generator
