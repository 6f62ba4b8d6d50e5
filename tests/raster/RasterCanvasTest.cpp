// The headless raster canvas against the Qt canvases it replaces: every
// symbology at every right angle gives the same pixels (upright with its
// text); text boxes and baselines lie within a pixel; a turned polygon
// covers the same pixels but for a few.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <limits>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "components/pBarcode.h"
#include "platform/Platform.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtPlatform.h"
#include "platform/raster/GlyphFont.h"
#include "platform/raster/RasterBitmap.h"
#include "platform/raster/RasterCanvas.h"
#include "qt/RasterSupport.h"

namespace tessel {
namespace {

using testing::ToQImage;

constexpr int Module = 2, BarHeight = 40, Margin = 6;
// Upright text comes out in Qt's very pixels; Qt turns text by filling the
// turned outlines, not the glyphs' pixels, so turned symbols are compared
// without their text.
constexpr struct {
  TBarcodeOrientation Orientation;
  TDisplayText Text;
} Orientations[] = {{boLeftRight, dtFullEncoded}, {boBottomTop, dtNone}, {boRightLeft, dtNone}, {boTopBottom, dtNone}};

// Draws on a canvas of the given size over a white background.
template <typename Draw>
QImage Headless(int width, int height, Draw draw) {
  TRasterCanvas canvas;
  if (!canvas.Start(width, height)) return {};
  UseSolidColor(canvas, clWhite);
  canvas.Rectangle({0, 0, width, height});
  ResetDrawingState(canvas);
  draw(canvas);
  return ToQImage(canvas.Image());
}

template <typename Draw>
QImage WithQt(int width, int height, Draw draw) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  TQtCanvas canvas(&image);
  draw(canvas);
  canvas.End();
  return image;
}

TEST(RasterCanvas, EverySymbologyAtEveryRightAngleDrawsTheQtCanvasPixels) {
  int compared = 0;
  for (const TClassInfo* info : RegisteredClasses()) {
    const std::unique_ptr<TComponent> component(info->Create(nullptr));
    auto* barcode = dynamic_cast<TBarcode*>(component.get());
    if (!barcode) continue;
    for (const auto [orientation, text] : Orientations) {
      barcode->SetOrientation(orientation);
      barcode->SetDisplayText(text);
      int width = 0, height = 0;
      ASSERT_TRUE(testing::ChooseSampleText(*barcode, Module, BarHeight, width, height)) << info->Name;
      const auto draw = [&](TCanvas& canvas) { barcode->DrawTo(canvas, Module, Margin, Margin, BarHeight, -1); };
      const int w = width + 2 * Margin, h = height + 2 * Margin;
      EXPECT_TRUE(Headless(w, h, draw) == WithQt(w, h, draw)) << info->Name << " at " << static_cast<int>(orientation);
      ++compared;
    }
  }
  EXPECT_GT(compared, 40 * 4);
}

// Colour i of more than a palette holds (TColor is 0x00BBGGRR).
TColor ManyColours(int i) { return static_cast<TColor>((7 << 16) | ((i / 256) << 8) | (i % 256)); }

// The image stays 8-bit while its colours fit the palette; one more colour
// turns it into 32-bit pixels with every colour drawn so far kept.
TEST(RasterCanvas, MoreColoursThanAPaletteHoldsKeepsEveryColour) {
  constexpr int Colours = 300;
  TRasterCanvas canvas;
  ASSERT_TRUE(canvas.Start(Colours, 1));
  for (int i = 0; i < 2; ++i) canvas.SetPixel(i, 0, ManyColours(i));
  EXPECT_EQ(canvas.Image().Format(), TPixelFormat::Indexed8);
  for (int i = 2; i < Colours; ++i) canvas.SetPixel(i, 0, ManyColours(i));
  const TRasterImage& image = canvas.Image();
  EXPECT_EQ(image.Format(), TPixelFormat::Argb32);
  for (int i = 0; i < Colours; ++i)
    ASSERT_EQ(image.Pixel(i, 0), qRgb(GetRValue(ManyColours(i)), GetGValue(ManyColours(i)), GetBValue(ManyColours(i))))
        << i;
}

// A row of boxes filled at once gives the Qt canvas's pixels and state: the
// background kept around it, the palette full mid-row.
TEST(RasterCanvas, ARowOfBoxesMatchesTheQtCanvas) {
  constexpr int Colours = 300, Width = Colours + 4, Height = 6;
  std::vector<TColumnBox> row;
  row.reserve(Colours);
  for (int i = 0; i < Colours; ++i) row.push_back({i + 2, i + 2, ManyColours(i)});
  const auto draw = [&](TCanvas& canvas) {
    UseSolidColor(canvas, clRed);
    canvas.Rectangle({0, 0, Width, Height});
    canvas.SolidColumns(1, Height - 3, row);
  };
  TRasterCanvas headless;
  ASSERT_TRUE(headless.Start(Width, Height));
  draw(headless);
  QImage expected(Width, Height, QImage::Format_RGB32);
  TQtCanvas qt(&expected);
  draw(qt);
  qt.End();
  EXPECT_TRUE(ToQImage(headless.Image()) == expected);
  EXPECT_EQ(headless.Brush, qt.Brush);
  EXPECT_EQ(headless.Pen, qt.Pen);
}

// Boxes drawn over rows of bars replace the bars' pixels wherever they lie:
// over the first or last rows, the middle rows, part of the width. The
// canvas's memory first holds a drawing in a colour none of these have.
TEST(RasterCanvas, BoxesOverRowsOfBarsMatchTheQtCanvas) {
  constexpr int Width = 40, Height = 24, StaleColours = 6;
  constexpr TColor Green = 0x00FF00;
  std::vector<TColumnBox> bars;
  bars.reserve(Width / 2);
  for (int x = 0; x < Width; x += 4) {
    bars.push_back({x, x + 1, clBlue});
    bars.push_back({x + 2, x + 3, Green});
  }
  const std::span<const TColumnBox> all(bars), leftHalf = all.first(all.size() / 2),
                                               rightHalf = all.subspan(all.size() / 2);
  const auto box = [](TCanvas& canvas, int left, int top, int right, int bottom) {
    UseSolidColor(canvas, clRed);
    canvas.UprightBox(left, top, right, bottom);
  };
  const auto draw = [&](TCanvas& canvas) {
    UseSolidColor(canvas, clWhite);
    canvas.Rectangle({0, 0, Width, Height});
    canvas.SolidColumns(0, 9, leftHalf);
    canvas.SolidColumns(0, 9, rightHalf);
    box(canvas, 0, 7, Width - 1, 9);
    canvas.SolidColumns(12, 23, all);
    box(canvas, 0, 13, Width - 1, 14);
    box(canvas, 0, 17, Width - 1, 18);
    box(canvas, 5, 20, Width - 1, 23);
    box(canvas, 0, 22, Width - 1, 23);
  };
  TRasterCanvas headless;
  ASSERT_TRUE(headless.Start(Width, Height));
  for (int i = 0; i + 1 < StaleColours; ++i) headless.SetPixel(i, 0, ManyColours(i));
  UseSolidColor(headless, ManyColours(StaleColours - 1));
  headless.Rectangle({0, 0, Width, Height});
  headless.Image();
  ASSERT_TRUE(headless.Start(Width, Height));
  draw(headless);
  QImage expected(Width, Height, QImage::Format_RGB32);
  TQtCanvas qt(&expected);
  draw(qt);
  qt.End();
  EXPECT_TRUE(ToQImage(headless.Image()) == expected);
}

// The box of the dark pixels: left, top, right and bottom (inclusive).
QRect Ink(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
  return box;
}

struct TTextCase {
  const char* Font;
  int Points;
  bool Bold;
  int Escapement;
};

TEST(RasterCanvas, TextBoxAndBaselineLieWithinAPixelOfQts) {
  constexpr TTextCase Cases[] = {
      {"Tahoma", 8, false, 0},    {"DejaVu Serif", 12, true, 0},    {"DejaVu Sans Mono", 10, false, 0},
      {"Tahoma", 8, false, 900},  {"DejaVu Serif", 12, true, 1800}, {"Tahoma", 10, false, 2700},
      {"Tahoma", 10, false, 300}, {"DejaVu Serif", 12, false, 3150}};
  constexpr int Size = 320, Centre = Size / 2;
  const std::string text = "Tessel 0123 Bgjq";
  for (const TTextCase& c : Cases) {
    TFont font;
    font.SetName(c.Font);
    font.SetSize(c.Points);
    if (c.Bold) font.SetStyle({TFontStyle::fsBold});
    int widths[2] = {}, heights[2] = {}, i = 0;
    const auto draw = [&](TCanvas& canvas) {
      canvas.SelectFont(font, c.Escapement);
      canvas.Transparent = true;
      widths[i] = canvas.TextWidth(text);
      heights[i++] = canvas.TextHeight(text);
      canvas.TextOut({Centre, Centre}, text);
    };
    const QRect qt = Ink(WithQt(Size, Size, draw)), headless = Ink(Headless(Size, Size, draw));
    const std::string name = std::string(c.Font) + " at " + std::to_string(c.Escapement);
    EXPECT_NEAR(widths[1], widths[0], 1) << name;
    EXPECT_NEAR(heights[1], heights[0], 1) << name;
    for (const auto edge : {&QRect::left, &QRect::top, &QRect::right, &QRect::bottom})
      EXPECT_NEAR((headless.*edge)(), (qt.*edge)(), 1) << name;
  }
}

int DarkPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += qGray(image.pixel(x, y)) < 128;
  return count;
}

TEST(RasterCanvas, ATurnedPolygonCoversAboutQtsPixels) {
  const TPoint points[4] = {{20, 10}, {97, 41}, {80, 88}, {6, 52}};
  for (const int penWidth : {1, 4}) {
    const auto draw = [&](TCanvas& canvas) {
      canvas.Brush.Color = clBlack;
      canvas.Pen.Color = clBlack;
      canvas.Pen.Width = penWidth;
      canvas.Polygon(points);
    };
    const QImage qt = WithQt(110, 100, draw), headless = Headless(110, 100, draw);
    const int area = DarkPixels(qt);
    int differing = 0;
    for (int y = 0; y < qt.height(); ++y)
      for (int x = 0; x < qt.width(); ++x) differing += qt.pixel(x, y) != headless.pixel(x, y);
    // A pixel here and there where edges meet, nothing more.
    EXPECT_LT(differing, area / 100) << penWidth;
  }
}

// Inverting or combining colours changes each pixel of a shape once, so a
// shape drawn twice leaves the drawing as it was.
TEST(RasterCanvas, PenModesChangeEachPixelOnce) {
  const TPoint points[4] = {{2, 1}, {17, 5}, {12, 14}, {1, 9}};
  for (const TPenMode mode : {TPenMode::pmNot, TPenMode::pmXor}) {
    int dark[3] = {};
    for (int times = 0; times < 3; ++times)
      dark[times] = DarkPixels(Headless(20, 16, [&](TCanvas& canvas) {
        canvas.Pen.Mode = mode;
        canvas.Pen.Color = canvas.Brush.Color = clWhite;
        for (int i = 0; i < times; ++i) canvas.Polygon(points);
      }));
    EXPECT_EQ(dark[0], 0);
    EXPECT_GT(dark[1], 100);
    EXPECT_EQ(dark[2], 0);
  }
}

// A bitmap stretched onto the canvas: each pixel takes the colour of the
// source pixel under its centre.
TEST(RasterCanvas, StretchDrawRepeatsTheNearestSourcePixel) {
  TRasterBitmap source;
  source.SetSize(2, 1);
  source.Canvas().SetPixel(0, 0, clBlack);
  const QImage image = Headless(8, 2, [&](TCanvas& canvas) { canvas.StretchDraw({1, 0, 7, 2}, source); });
  std::string row;
  for (int x = 0; x < image.width(); ++x) row += qGray(image.pixel(x, 1)) < 128 ? '#' : '.';
  EXPECT_EQ(row, ".###....");
}

// Coordinates and sizes at the ends of the integer range are clipped, not
// overflowed: a rectangle over the whole range covers the canvas, the rest
// falls outside it.
TEST(RasterCanvas, CoordinatesAtTheIntegerLimitsAreClipped) {
  constexpr int Low = std::numeric_limits<int>::min(), High = std::numeric_limits<int>::max();
  const QImage image = Headless(12, 8, [&](TCanvas& canvas) {
    UseSolidColor(canvas, clBlack);
    canvas.Rectangle({Low, Low, High, High});
    UseSolidColor(canvas, clWhite);
    canvas.SetPixel(High, High, clWhite);
    canvas.UprightBox(High, High, High, High);
    const TColumnBox columns[] = {{High - 1, High - 1, clWhite}};
    canvas.SolidColumns(High, High, columns);
    canvas.Font.Height = Low;
    canvas.CharExtra = -High / 4;
    canvas.TextOut({-1000, 0}, "TESSEL");
    const int advances[] = {High, High};
    canvas.TextOut({20, 0}, "TESSEL", advances);
    canvas.StretchDraw({Low, Low, High, Low + 1}, TRasterBitmap());
  });
  EXPECT_EQ(DarkPixels(image), 12 * 8);
}

// Threads asking for the same fonts at once share one glyph font each.
TEST(GlyphFont, ThreadsShareOneGlyphFontPerFont) {
  constexpr int Threads = 4, Sizes = 6;
  std::shared_ptr<const TGlyphFont> found[Threads][Sizes];
  std::vector<std::thread> threads;
  threads.reserve(Threads);
  for (int t = 0; t < Threads; ++t)
    threads.emplace_back([&found, t] {
      TLogFont font;
      font.Name = "Tessel Threads";  // no such face: the fallback's
      for (int i = 0; i < Sizes; ++i) {
        font.Height = -7 - i;
        found[t][i] = TGlyphFont::For(font);
      }
    });
  for (std::thread& thread : threads) thread.join();
  for (int i = 0; i < Sizes; ++i) {
    ASSERT_NE(found[0][i], nullptr);
    for (int t = 1; t < Threads; ++t) EXPECT_EQ(found[t][i], found[0][i]);
  }
}

TEST(RasterCanvas, WithoutAToolkitBitmapsAreWhiteRasterBitmaps) {
  InstallPlatform(nullptr);
  const std::unique_ptr<TBitmap> bitmap = Platform().CreateBitmap();
  InstallPlatform(&TQtPlatform::Instance());
  auto* raster = dynamic_cast<TRasterBitmap*>(bitmap.get());
  ASSERT_NE(raster, nullptr);
  raster->SetSize(3, 2);
  EXPECT_EQ(raster->Image().Pixel(2, 1), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace tessel
