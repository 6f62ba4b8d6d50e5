#include "reader/GreyImage.h"

#include "platform/raster/RasterImage.h"

namespace tessel {
namespace {

// ITU-R BT.601 luma weights, in parts of 1000.
constexpr int RedWeight = 299, GreenWeight = 587, BlueWeight = 114, WeightSum = 1000;
constexpr int White = 255;

std::uint8_t Luminance(TArgb argb) {
  const int alpha = static_cast<int>(argb >> 24);
  const auto channel = [&](int shift) {
    const int value = static_cast<int>((argb >> shift) & 0xff);
    return (value * alpha + White * (White - alpha) + White / 2) / White;  // over white paper
  };
  const int luma =
      (RedWeight * channel(16) + GreenWeight * channel(8) + BlueWeight * channel(0) + WeightSum / 2) / WeightSum;
  return static_cast<std::uint8_t>(luma);
}

}  // namespace

TGreyImage ToGrey(const TRasterImage& Image) {
  TGreyImage grey;
  if (Image.Null()) return grey;
  grey.Width = Image.Width();
  grey.Height = Image.Height();
  grey.Pixels.resize(static_cast<std::size_t>(grey.Width) * grey.Height);
  std::vector<std::uint8_t> paletteGrey;
  paletteGrey.reserve(Image.Palette.size());
  for (const TArgb colour : Image.Palette) paletteGrey.push_back(Luminance(colour));
  for (int y = 0; y < grey.Height; ++y) {
    std::uint8_t* out = grey.Pixels.data() + static_cast<std::size_t>(y) * grey.Width;
    const std::uint8_t* row = Image.Row(y);
    for (int x = 0; x < grey.Width; ++x)
      if (Image.Format() == TPixelFormat::Indexed8)
        out[x] = row[x] < paletteGrey.size() ? paletteGrey[row[x]] : White;
      else
        out[x] = Luminance(Image.Pixel(x, y));
  }
  return grey;
}

}  // namespace tessel
