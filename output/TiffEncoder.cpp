// TImageEncoder's TIFF files, written by libtiff into the output string.
#include <tiffio.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "output/ImageEncoder.h"
#include "output/TiffMemory.h"

namespace tessel {
namespace {

constexpr TArgb OpaqueWhite = 0xffffffffu;
constexpr TArgb OpaqueBlack = OpaqueAlpha;
constexpr int ChannelBits = 8;
// A TIFF colour map holds 16-bit channels: 0xff becomes 0xffff.
constexpr std::uint16_t ChannelToColourMap = 257;

bool BlackOrWhite(TArgb colour) { return colour == OpaqueWhite || colour == OpaqueBlack; }

}  // namespace

bool TImageEncoder::Tiff(const TRasterImage& Image, int Dpi, std::string& Out) {
  if (Image.Null()) return false;
  Analyse(Image);
  Out.clear();  // keeps the buffer for the next image
  bool written = false;
  {
    const TTiffInMemory tiff(Out, "w");
    written = tiff.File() && WriteTiff(tiff.File(), Dpi) && TIFFWriteDirectory(tiff.File()) != 0;
  }
  argb_ = nullptr;
  return written;
}

bool TImageEncoder::WriteTiff(tiff* file, int dpi) {
  const bool palette = !truecolour_ && !alpha_;
  const bool bilevel = palette && palette_.size() <= 2 && std::all_of(palette_.begin(), palette_.end(), BlackOrWhite);
  const int channels = alpha_ ? 4 : 3;
  const int bits = palette ? (bilevel ? 1 : PaletteBits(palette_.size(), false)) : ChannelBits * channels;
  TIFFSetField(file, TIFFTAG_IMAGEWIDTH, static_cast<std::uint32_t>(width_));
  TIFFSetField(file, TIFFTAG_IMAGELENGTH, static_cast<std::uint32_t>(height_));
  TIFFSetField(file, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
  TIFFSetField(file, TIFFTAG_XRESOLUTION, static_cast<double>(dpi));
  TIFFSetField(file, TIFFTAG_YRESOLUTION, static_cast<double>(dpi));
  TIFFSetField(file, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
  if (bilevel) {
    // The palette's first colour is index 0: white or black.
    TIFFSetField(file, TIFFTAG_PHOTOMETRIC,
                 palette_.front() == OpaqueWhite ? PHOTOMETRIC_MINISWHITE : PHOTOMETRIC_MINISBLACK);
    TIFFSetField(file, TIFFTAG_BITSPERSAMPLE, 1);
    TIFFSetField(file, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(file, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4);
  } else if (palette) {
    TIFFSetField(file, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_PALETTE);
    TIFFSetField(file, TIFFTAG_BITSPERSAMPLE, bits);
    TIFFSetField(file, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(file, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    // A map has an entry for every index the bits can hold.
    const std::size_t entries = std::size_t{1} << bits;
    std::vector<std::uint16_t> map(3 * entries, 0);
    for (std::size_t i = 0; i < palette_.size(); ++i) {
      map[i] = static_cast<std::uint16_t>(((palette_[i] >> 16) & 0xff) * ChannelToColourMap);
      map[entries + i] = static_cast<std::uint16_t>(((palette_[i] >> 8) & 0xff) * ChannelToColourMap);
      map[2 * entries + i] = static_cast<std::uint16_t>((palette_[i] & 0xff) * ChannelToColourMap);
    }
    TIFFSetField(file, TIFFTAG_COLORMAP, map.data(), map.data() + entries, map.data() + 2 * entries);
  } else {
    TIFFSetField(file, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(file, TIFFTAG_BITSPERSAMPLE, ChannelBits);
    TIFFSetField(file, TIFFTAG_SAMPLESPERPIXEL, channels);
    if (alpha_) {
      const std::uint16_t extra[] = {EXTRASAMPLE_UNASSALPHA};
      TIFFSetField(file, TIFFTAG_EXTRASAMPLES, 1, extra);
    }
    TIFFSetField(file, TIFFTAG_COMPRESSION, COMPRESSION_LZW);
    // Differences from the pixel to the left: runs of one colour become zeros.
    TIFFSetField(file, TIFFTAG_PREDICTOR, PREDICTOR_HORIZONTAL);
  }
  TIFFSetField(file, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(file, 0));
  const std::size_t rowBytes = (static_cast<std::size_t>(width_) * static_cast<std::size_t>(bits) + 7) / 8;
  row_.resize(rowBytes);
  for (int y = 0; y < height_; ++y) {
    // Packed anew for every row: the predictor changes the row in place.
    PackRow(y, bits, false, row_.data());
    if (TIFFWriteScanline(file, row_.data(), static_cast<std::uint32_t>(y), 0) < 0) return false;
  }
  return true;
}

}  // namespace tessel
