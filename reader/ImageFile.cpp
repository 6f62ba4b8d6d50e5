#include "reader/ImageFile.h"

#include <cairo.h>
#include <tiffio.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "output/TiffMemory.h"

namespace tessel {
namespace {

constexpr std::string_view PngSignature = "\x89PNG\r\n\x1a\n";
constexpr std::string_view BmpSignature = "BM";
constexpr std::string_view TiffLittleEndian{"II*\0", 4}, TiffBigEndian{"MM\0*", 4};

// The PNG header chunk's width and height follow the signature, the
// chunk's length and its type.
constexpr std::size_t PngWidthAt = 16, PngHeightAt = 20;

constexpr int White = 255;
constexpr int RedWeight = 299, GreenWeight = 587, BlueWeight = 114, WeightSum = 1000;

std::uint8_t Grey(int red, int green, int blue, int alpha) {
  const auto over = [&](int channel) { return (channel * alpha + White * (White - alpha) + White / 2) / White; };
  return static_cast<std::uint8_t>(
      (RedWeight * over(red) + GreenWeight * over(green) + BlueWeight * over(blue) + WeightSum / 2) / WeightSum);
}

std::string SizeRefusal(long long width, long long height) {
  if (width < 1 || height < 1) return "the image has no pixels";
  if (width > MaxReadSide || height > MaxReadSide || width * height > MaxReadPixels)
    return "the image is " + std::to_string(width) + " x " + std::to_string(height) + " pixels; the limit is " +
           std::to_string(MaxReadSide) + " a side and " + std::to_string(MaxReadPixels >> 20) + " Mi pixels";
  return {};
}

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t k = 0; k < 4; ++k) value = value << 8 | static_cast<unsigned char>(bytes[at + k]);
  return value;
}

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int k = count; k-- > 0;)
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
  return value;
}

// PNG through cairo, which reads every colour type and depth into 32-bit
// premultiplied pixels.
struct TPngStream {
  const std::string* Bytes;
  std::size_t At = 0;
};

cairo_status_t ReadPng(void* closure, unsigned char* data, unsigned int length) {
  auto& stream = *static_cast<TPngStream*>(closure);
  if (stream.Bytes->size() - stream.At < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, stream.Bytes->data() + stream.At, length);
  stream.At += length;
  return CAIRO_STATUS_SUCCESS;
}

std::string DecodePng(const std::string& bytes, TGreyImage& image) {
  if (bytes.size() < PngHeightAt + 4) return "the PNG file is cut short";
  if (std::string refusal = SizeRefusal(BigEndian32(bytes, PngWidthAt), BigEndian32(bytes, PngHeightAt));
      !refusal.empty())
    return refusal;
  TPngStream stream{&bytes};
  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create_from_png_stream(ReadPng, &stream), cairo_surface_destroy);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return std::string("the PNG file cannot be read: ") + cairo_status_to_string(cairo_surface_status(surface.get()));
  image.Width = cairo_image_surface_get_width(surface.get());
  image.Height = cairo_image_surface_get_height(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  image.Pixels.resize(static_cast<std::size_t>(image.Width) * image.Height);
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x) {
      std::uint32_t argb = 0;
      std::memcpy(&argb, data + static_cast<std::ptrdiff_t>(y) * stride + static_cast<std::ptrdiff_t>(4) * x,
                  sizeof argb);
      const int alpha = static_cast<int>(argb >> 24);
      // Premultiplied: a channel over white is the channel plus the white
      // the ink leaves uncovered.
      const auto channel = [&](int shift) { return static_cast<int>((argb >> shift) & 0xff) + (White - alpha); };
      image.Pixels[static_cast<std::size_t>(y) * image.Width + x] = Grey(channel(16), channel(8), channel(0), White);
    }
  return {};
}

// BMP: the file header, then the information header (40 bytes or a later
// version), the palette and the rows, bottom up unless the height is
// negative, each padded to four bytes.
constexpr std::size_t BmpPixelsOffsetAt = 10, BmpInfoAt = 14;
constexpr std::size_t BmpInfoSizeMin = 40;
constexpr std::uint32_t BmpRgb = 0, BmpBitFields = 3;
constexpr std::size_t BmpMasksAt = BmpInfoAt + 40;  // in a header of 40 bytes, the masks follow it

struct TBmpLayout {
  long long Width = 0, Height = 0;
  bool TopDown = false;
  int Bits = 0;
  std::size_t PixelsAt = 0, PaletteAt = 0, PaletteSize = 0, RowBytes = 0;
  bool AlphaChannel = false;  // 32 bits with an alpha mask
};

std::string BmpLayout(const std::string& bytes, TBmpLayout& layout) {
  if (bytes.size() < BmpInfoAt + BmpInfoSizeMin) return "the BMP file is cut short";
  const std::uint32_t infoSize = LittleEndian(bytes, BmpInfoAt, 4);
  if (infoSize < BmpInfoSizeMin || BmpInfoAt + infoSize > bytes.size())
    return "the BMP header is not one this reader knows";
  layout.Width = static_cast<std::int32_t>(LittleEndian(bytes, BmpInfoAt + 4, 4));
  const auto height = static_cast<std::int32_t>(LittleEndian(bytes, BmpInfoAt + 8, 4));
  layout.TopDown = height < 0;
  layout.Height = layout.TopDown ? -static_cast<long long>(height) : height;
  layout.Bits = static_cast<int>(LittleEndian(bytes, BmpInfoAt + 14, 2));
  const std::uint32_t compression = LittleEndian(bytes, BmpInfoAt + 16, 4);
  if (std::string refusal = SizeRefusal(layout.Width, layout.Height); !refusal.empty()) return refusal;
  const bool known = layout.Bits == 1 || layout.Bits == 4 || layout.Bits == 8 || layout.Bits == 24 || layout.Bits == 32;
  if (!known || (compression != BmpRgb && !(compression == BmpBitFields && layout.Bits == 32)))
    return "the BMP file is compressed or of " + std::to_string(layout.Bits) +
           " bits a pixel, which this reader does not take";
  if (compression == BmpBitFields && infoSize >= BmpInfoSizeMin + 16)
    layout.AlphaChannel = LittleEndian(bytes, BmpMasksAt + 12, 4) == 0xff000000u;
  layout.PixelsAt = LittleEndian(bytes, BmpPixelsOffsetAt, 4);
  layout.PaletteAt = BmpInfoAt + infoSize + (compression == BmpBitFields && infoSize == BmpInfoSizeMin ? 12 : 0);
  const std::uint32_t colours = LittleEndian(bytes, BmpInfoAt + 32, 4);
  layout.PaletteSize = layout.Bits <= 8 ? (colours ? colours : 1u << layout.Bits) : 0;
  layout.RowBytes = (static_cast<std::size_t>(layout.Width) * layout.Bits + 31) / 32 * 4;
  if (layout.PaletteAt + 4 * layout.PaletteSize > bytes.size() || layout.PixelsAt > bytes.size() ||
      (bytes.size() - layout.PixelsAt) / layout.RowBytes < static_cast<std::size_t>(layout.Height))
    return "the BMP file is cut short";
  return {};
}

std::string DecodeBmp(const std::string& bytes, TGreyImage& image) {
  TBmpLayout layout;
  if (std::string reason = BmpLayout(bytes, layout); !reason.empty()) return reason;
  std::vector<std::uint8_t> palette(std::size_t{1} << 8, White);
  for (std::size_t k = 0; k < layout.PaletteSize && k < palette.size(); ++k) {
    const std::size_t at = layout.PaletteAt + 4 * k;
    palette[k] = Grey(static_cast<unsigned char>(bytes[at + 2]), static_cast<unsigned char>(bytes[at + 1]),
                      static_cast<unsigned char>(bytes[at]), White);
  }
  image.Width = static_cast<int>(layout.Width);
  image.Height = static_cast<int>(layout.Height);
  image.Pixels.resize(static_cast<std::size_t>(image.Width) * image.Height);
  for (int y = 0; y < image.Height; ++y) {
    const std::size_t stored = layout.TopDown ? y : image.Height - 1 - y;
    const auto* row = reinterpret_cast<const unsigned char*>(bytes.data() + layout.PixelsAt + stored * layout.RowBytes);
    std::uint8_t* out = image.Pixels.data() + static_cast<std::size_t>(y) * image.Width;
    for (int x = 0; x < image.Width; ++x) {
      if (layout.Bits <= 8) {
        const std::size_t bit = static_cast<std::size_t>(x) * layout.Bits;
        const int index = (row[bit / 8] >> (8 - layout.Bits - bit % 8)) & ((1 << layout.Bits) - 1);
        out[x] = palette[static_cast<std::size_t>(index)];
      } else {
        const unsigned char* p = row + static_cast<std::size_t>(x) * (layout.Bits / 8);
        out[x] = Grey(p[2], p[1], p[0], layout.AlphaChannel ? p[3] : White);
      }
    }
  }
  return {};
}

// TIFF through libtiff, which turns any of its layouts into RGBA.
std::string DecodeTiff(const std::string& bytes, TGreyImage& image) {
  std::string copy = bytes;  // libtiff's memory file may be written to; this one is only read
  const TTiffInMemory tiff(copy, "r");
  if (!tiff.File()) return "the TIFF file cannot be read";
  std::uint32_t width = 0, height = 0;
  TIFFGetField(tiff.File(), TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff.File(), TIFFTAG_IMAGELENGTH, &height);
  if (std::string refusal = SizeRefusal(width, height); !refusal.empty()) return refusal;
  std::vector<std::uint32_t> rgba(static_cast<std::size_t>(width) * height);
  if (!TIFFReadRGBAImageOriented(tiff.File(), width, height, rgba.data(), ORIENTATION_TOPLEFT, 0))
    return "the TIFF file's pixels cannot be read";
  image.Width = static_cast<int>(width);
  image.Height = static_cast<int>(height);
  image.Pixels.resize(rgba.size());
  for (std::size_t k = 0; k < rgba.size(); ++k) {
    const std::uint32_t p = rgba[k];
    image.Pixels[k] = Grey(static_cast<int>(TIFFGetR(p)), static_cast<int>(TIFFGetG(p)), static_cast<int>(TIFFGetB(p)),
                           static_cast<int>(TIFFGetA(p)));
  }
  return {};
}

}  // namespace

std::string DecodeImageFile(const std::string& Bytes, TGreyImage& Image) {
  Image = {};
  const std::string_view head(Bytes);
  std::string reason = "not a PNG, BMP or TIFF image";
  if (head.starts_with(PngSignature))
    reason = DecodePng(Bytes, Image);
  else if (head.starts_with(BmpSignature))
    reason = DecodeBmp(Bytes, Image);
  else if (head.starts_with(TiffLittleEndian) || head.starts_with(TiffBigEndian))
    reason = DecodeTiff(Bytes, Image);
  if (!reason.empty()) Image = {};
  return reason;
}

}  // namespace tessel
