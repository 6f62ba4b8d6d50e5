// The writers' raster path (TSymbolRenderer) against the general one: the
// component's own Draw on an image control of the headless platform. Both
// must give the same pixels for every registered symbology, turned, with its
// text above or below, at other modules and colours.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "components/pBarcode.h"
#include "output/SymbolFile.h"
#include "platform/Image.h"
#include "platform/Platform.h"
#include "platform/raster/RasterBitmap.h"
#include "qt/QtTestSupport.h"
#include "qt/RasterSupport.h"
#include "symbologies/pCode128.h"
#include "symbologies/pEAN13.h"

namespace tessel {
namespace {

// The symbol as the writers draw it.
QImage Rendered(TSymbolRenderer& renderer, TBarcode& barcode) {
  return renderer.Render(barcode) == ecValid && renderer.Image() ? testing::ToQImage(*renderer.Image()) : QImage();
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
  return testing::ToQImage(bitmap->Image());
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
    int width = 0, height = 0;
    ASSERT_TRUE(testing::ChooseSampleText(*barcode, barcode->Module(), DefaultBarHeight, width, height)) << info->Name;
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
