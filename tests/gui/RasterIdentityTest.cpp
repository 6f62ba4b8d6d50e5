// The writers' raster path (TSymbolRenderer) against the general one: the
// component's own Draw on an image control of the headless platform. Both
// must give the same pixels for every registered symbology, turned, with its
// text above or below, at other modules and colours. And the Qt raster
// canvas against the Qt general canvas.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "components/pBarcode.h"
#include "output/SymbolFile.h"
#include "platform/Image.h"
#include "platform/Platform.h"
#include "platform/qt/QtBitmap.h"
#include "platform/qt/QtGlyphFont.h"
#include "platform/qt/QtRasterCanvas.h"
#include "platform/raster/RasterBitmap.h"
#include "qt/QtTestSupport.h"
#include "symbologies/pCode128.h"
#include "symbologies/pEAN13.h"

namespace tessel {
namespace {

// The first of these texts each symbology accepts (as the generator's
// samples choose them).
constexpr const char* SampleTexts[] = {"1234567890",
                                       "123456789012",
                                       "12345678901",
                                       "1234567",
                                       "0123456",
                                       "123456",
                                       "12345",
                                       "12",
                                       "A12345B",
                                       "TESSEL-1",
                                       "1139987520",
                                       "K1A0B1",
                                       "20704987654321654321123456789"};

bool ChooseText(TBarcode& barcode) {
  for (const char* text : SampleTexts) {
    barcode.SetBarcode(text);
    int width = 0, height = 0;
    if (barcode.DrawToSize(width, height, barcode.Module(), tessel::DefaultBarHeight, -1) == ecValid) return true;
  }
  return false;
}

// A raster image as a Qt image of the same colours.
QImage ToQImage(const TRasterImage* raster) {
  if (!raster || raster->Null()) return {};
  QImage image(raster->Width(), raster->Height(), QImage::Format_RGB32);
  for (int y = 0; y < raster->Height(); ++y)
    for (int x = 0; x < raster->Width(); ++x) image.setPixel(x, y, raster->Pixel(x, y));
  return image;
}

// The symbol as the writers draw it.
QImage Rendered(TSymbolRenderer& renderer, TBarcode& barcode) {
  return renderer.Render(barcode) == ecValid ? ToQImage(renderer.Image()) : QImage();
}

// The headless platform while it lives, then the one installed before.
class THeadless {
 public:
  THeadless() : previous_(Platform()) { InstallPlatform(nullptr); }
  ~THeadless() { InstallPlatform(&previous_); }
  THeadless(const THeadless&) = delete;
  THeadless& operator=(const THeadless&) = delete;

 private:
  TPlatform& previous_;
};

// The general path: the component's Draw onto an image control's bitmap of
// the size the renderer chose, filled with the space colour first.
QImage DrawThroughImageControl(TBarcode& barcode, QSize size) {
  const THeadless headless;
  TImage image(nullptr);
  image.SetBounds(size.width(), size.height());
  auto* bitmap = dynamic_cast<TRasterBitmap*>(image.Picture().Bitmap());
  if (!bitmap) return {};
  bitmap->SetSize(size.width(), size.height());
  TCanvas& canvas = bitmap->Canvas();
  canvas.Brush.Color = barcode.SpaceColor();
  canvas.Pen.Color = barcode.SpaceColor();
  canvas.Rectangle({0, 0, size.width(), size.height()});
  const int height = barcode.BarcodeHeight();
  barcode.SetBarcodeHeight(height > 0 ? height : tessel::DefaultBarHeight);
  barcode.SetImage(&image);
  barcode.Draw();
  barcode.SetImage(nullptr);
  barcode.SetBarcodeHeight(height);
  return ToQImage(&bitmap->Image());
}

struct TSettings {
  const char* Name;
  int Module;
  TTextPosition Position;
  TColor Bars, Spaces, Text;
};

// Colours as 0x00BBGGRR.
constexpr TColor Navy = 0x800000, Yellow = 0x00FFFF, Maroon = 0x000080, Aqua = 0xFFFF00, Green = 0x008000;

constexpr TSettings Settings[] = {
    {"Module2Below", 2, tpBottomOut, clBlack, clWhite, clBlack},
    {"Module1Above", 1, tpTopOut, clBlack, clWhite, clBlack},
    {"Module3InsideBelowColoured", 3, tpBottomIn, Navy, Yellow, clRed},
    {"Module2InsideAboveColoured", 2, tpTopIn, Maroon, Aqua, Green},
};

constexpr TBarcodeOrientation Orientations[] = {boLeftRight, boBottomTop, boRightLeft, boTopBottom};

TEST(RasterIdentity, EverySymbologyAtEveryRightAngleMatchesTheGeneralPath) {
  TSymbolRenderer renderer;  // one renderer for all, as a batch keeps it
  int compared = 0;
  for (const TClassInfo* info : RegisteredClasses()) {
    const std::unique_ptr<TComponent> component(info->Create(nullptr));
    auto* barcode = dynamic_cast<TBarcode*>(component.get());
    if (!barcode) continue;
    barcode->SetDisplayText(dtFullEncoded);
    barcode->SetLeftMargin(7);
    barcode->SetTopMargin(5);
    ASSERT_TRUE(ChooseText(*barcode)) << info->Name;
    for (const TSettings& s : Settings) {
      barcode->SetModule(s.Module);
      barcode->SetTextPosition(s.Position);
      barcode->SetBarColor(s.Bars);
      barcode->SetSpaceColor(s.Spaces);
      barcode->TextFont().SetColor(s.Text);
      for (const TBarcodeOrientation orientation : Orientations) {
        barcode->SetOrientation(orientation);
        const QImage fast = Rendered(renderer, *barcode);
        ASSERT_FALSE(fast.isNull()) << info->Name;
        const QImage general = DrawThroughImageControl(*barcode, fast.size());
        ASSERT_TRUE(fast == general) << info->Name << " " << s.Name << " at " << static_cast<int>(orientation);
        ++compared;
      }
    }
  }
  EXPECT_GT(compared, 40 * 16);
}

// The Qt raster canvas draws the default font from glyphs, which is what
// makes it fast.
TEST(RasterIdentity, TheDefaultFontIsDrawnFromGlyphs) {
  const auto glyphs = TQtGlyphFont::For(TLogFont{});
  ASSERT_NE(glyphs, nullptr);
  EXPECT_TRUE(glyphs->Covers("0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ-.$/+%*"));
}

// A stretched symbol is drawn at its natural size and stretched, as Draw
// does it; the renderer still serves the next symbol.
TEST(RasterIdentity, StretchedSymbolAndTheNextOneMatch) {
  TBarcode_Code128 barcode(nullptr);
  barcode.SetBarcode("Stretch 42");
  barcode.SetDisplayText(dtBarcode);
  barcode.SetStretchWidth(true);
  barcode.SetBarcodeWidth(400);
  TSymbolRenderer renderer;
  const QImage stretched = Rendered(renderer, barcode);
  ASSERT_FALSE(stretched.isNull());
  EXPECT_TRUE(stretched == DrawThroughImageControl(barcode, stretched.size()));
  barcode.SetStretchWidth(false);
  const QImage plain = Rendered(renderer, barcode);
  EXPECT_TRUE(plain == DrawThroughImageControl(barcode, plain.size()));
  EXPECT_NE(plain.size(), stretched.size());
}

// Colour i of more than a colour table holds (TColor is 0x00BBGGRR).
TColor ManyColours(int i) { return static_cast<TColor>((7 << 16) | ((i / 256) << 8) | (i % 256)); }

// The image stays 8-bit while its colours fit a table; one more colour
// turns it into RGB32 with every colour drawn so far kept.
TEST(RasterIdentity, MoreColoursThanATableHoldsKeepsEveryColour) {
  constexpr int Colours = 300;
  TQtRasterCanvas canvas;
  ASSERT_TRUE(canvas.Start(Colours, 1));
  for (int i = 0; i < 2; ++i) canvas.SetPixel(i, 0, ManyColours(i));
  EXPECT_EQ(canvas.Image().format(), QImage::Format_Indexed8);
  for (int i = 2; i < Colours; ++i) canvas.SetPixel(i, 0, ManyColours(i));
  const QImage image = canvas.Image();
  EXPECT_EQ(image.format(), QImage::Format_RGB32);
  for (int i = 0; i < Colours; ++i)
    ASSERT_EQ(image.pixel(i, 0), qRgb(GetRValue(ManyColours(i)), GetGValue(ManyColours(i)), GetBValue(ManyColours(i))))
        << i;
}

// A row of boxes filled at once gives the general canvas's pixels and
// state: the background kept around it, the colour table full mid-row.
TEST(RasterIdentity, ARowOfBoxesMatchesTheGeneralCanvas) {
  constexpr int Colours = 300, Width = Colours + 4, Height = 6;
  std::vector<TColumnBox> row;
  row.reserve(Colours);
  for (int i = 0; i < Colours; ++i) row.push_back({i + 2, i + 2, ManyColours(i)});
  const auto draw = [&](TCanvas& canvas) {
    UseSolidColor(canvas, clRed);
    canvas.Rectangle({0, 0, Width, Height});
    canvas.SolidColumns(1, Height - 3, row);
  };
  TQtRasterCanvas raster;
  ASSERT_TRUE(raster.Start(Width, Height));
  draw(raster);
  QImage expected(Width, Height, QImage::Format_RGB32);
  TQtCanvas general(&expected);
  draw(general);
  general.End();
  EXPECT_TRUE(raster.Image().convertToFormat(QImage::Format_RGB32) == expected);
  EXPECT_EQ(raster.Brush, general.Brush);
  EXPECT_EQ(raster.Pen, general.Pen);
}

struct TReadBack {
  const char* Name;
  const char* ClassName;
  const char* Text;
  const char* Format;
  const char* Expected;
};
void PrintTo(const TReadBack& c, std::ostream* os) { *os << c.Name; }

class RasterReadBack : public ::testing::TestWithParam<TReadBack> {};

TEST_P(RasterReadBack, DecodesToTheSameText) {
  const TReadBack& c = GetParam();
  const std::unique_ptr<TComponent> component(CreateComponent(c.ClassName, nullptr));
  auto* barcode = dynamic_cast<TBarcode*>(component.get());
  ASSERT_NE(barcode, nullptr);
  barcode->SetBarcode(c.Text);
  barcode->SetDisplayText(dtFullEncoded);
  barcode->SetModule(2);
  barcode->SetLeftMargin(20);
  barcode->SetTopMargin(20);
  TSymbolRenderer renderer;
  const auto decoded = testing::Decode(Rendered(renderer, *barcode), c.Format);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->Text, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Symbols, RasterReadBack,
                         ::testing::Values(TReadBack{"Ean13", "TBarcode_EAN13", "400638133393", "EAN13",
                                                     "4006381333931"},
                                           TReadBack{"Code128", "TBarcode_Code128", "Tessel 128: mixed 42.0!",
                                                     "Code128", "Tessel 128: mixed 42.0!"}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tessel
