// Every registered symbology, drawn by the library at every angle and
// module from 1 to 4 and read back: the class, its full-encoded text, the
// angle and a clean grade. The registry gives the classes.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <set>
#include <string>
#include <tuple>

#include "ReadAlike.h"
#include "generator/Catalogue.h"
#include "generator/PropertyApply.h"
#include "output/SymbolFile.h"
#include "platform/raster/RasterImage.h"
#include "reader/Reader.h"

using namespace tessel;
using namespace tessel::generator;
using namespace tessel::testing;

namespace {

constexpr int QuietModules = 12;

std::string FullEncoded(TBarcode& barcode) {
  std::string fullEncoded;
  barcode.MakeData(barcode.Barcode(), barcode.AutoCheckDigit(), fullEncoded);
  return fullEncoded;
}

struct TTurn {
  TBarcodeOrientation Orientation;
  int Angle;
};
constexpr TTurn Turns[] = {{boLeftRight, 0}, {boBottomTop, 90}, {boRightLeft, 180}, {boTopBottom, 270}};

}  // namespace

TEST(ReaderRoundTrip, EveryClassReadsBackAtEveryAngleAndModule) {
  std::set<std::string_view> seen;
  for (const TBarcodeComponent& entry : Catalogue()) {
    if (!seen.insert(entry.BarcodeClass).second) continue;
    std::unique_ptr<TBarcode> barcode = CreateCatalogueBarcode(entry);
    ASSERT_TRUE(barcode) << entry.BarcodeClass;
    ApplyCatalogueDefaults(*barcode, entry);
    // Black bars: the grade measures the drawing, not the catalogue's choice
    // of colour (Clocked 3 of 5's orange bars are too light for any scan).
    barcode->SetBarColor(clBlack);
    const std::string expected = FullEncoded(*barcode);
    TSymbolRenderer renderer;
    for (const TTurn& turn : Turns) {
      if (TurnsIntoAnother(entry.BarcodeClass, turn.Angle)) continue;
      for (int module = 1; module <= 4; ++module) {
        SCOPED_TRACE(std::string(entry.BarcodeClass) + " at " + std::to_string(turn.Angle) + " degrees, module " +
                     std::to_string(module));
        barcode->SetOrientation(turn.Orientation);
        barcode->SetModule(module);
        barcode->SetLeftMargin(QuietModules * module);
        barcode->SetTopMargin(QuietModules * module);
        ASSERT_EQ(renderer.Render(*barcode), ecValid);
        ASSERT_NE(renderer.Image(), nullptr);
        const TGreyImage image = ToGrey(*renderer.Image());
        const TReadResult read = ReadSymbol(image, {std::string(entry.BarcodeClass)});
        ASSERT_TRUE(read.Found);
        // Its class's decoders alone read it alike, and no other class.
        const TReadResult alone = ReadSymbol(image, {std::string(entry.BarcodeClass), true});
        EXPECT_EQ(std::tie(alone.Text, alone.Angle), std::tie(read.Text, read.Angle));
        for (const auto& fit : alone.Fits) EXPECT_EQ(fit.first, entry.BarcodeClass);
        EXPECT_EQ(read.ClassName, entry.BarcodeClass);
        EXPECT_EQ(read.GradeLetter(), 'A');
        if (IsHalfTurnAmbiguous(entry.BarcodeClass)) {
          const std::pair<std::string, std::string> fit{std::string(entry.BarcodeClass), expected};
          EXPECT_NE(std::find(read.Fits.begin(), read.Fits.end(), fit), read.Fits.end())
              << read.Text << " at " << read.Angle;
          EXPECT_EQ(read.Angle % 180, turn.Angle % 180);
          continue;
        }
        EXPECT_EQ(read.Text, expected);
        EXPECT_EQ(read.Angle, turn.Angle);
      }
    }
  }
  EXPECT_FALSE(seen.empty());
}

// Symbologies whose check characters may be left out: drawn without them,
// their symbols read only when the reader is told, to the text drawn.
TEST(ReaderRoundTrip, SymbolsWithoutTheirOptionalCheckReadWhenTold) {
  constexpr std::string_view optionalCheck[] = {"TBarcode_Code128",  "TBarcode_Telepen", "TBarcode_Plessey",
                                                "TBarcode_MSI",      "TBarcode_BC309",   "TBarcode_BC412",
                                                "TBarcode_Clocked35"};
  for (const std::string_view className : optionalCheck) {
    SCOPED_TRACE(className);
    const auto entry = std::find_if(Catalogue().begin(), Catalogue().end(),
                                    [&](const TBarcodeComponent& e) { return e.BarcodeClass == className; });
    ASSERT_NE(entry, Catalogue().end());
    std::unique_ptr<TBarcode> barcode = CreateCatalogueBarcode(*entry);
    ApplyCatalogueDefaults(*barcode, *entry);
    barcode->SetBarColor(clBlack);
    barcode->SetModule(2);
    barcode->SetLeftMargin(2 * QuietModules);
    barcode->SetTopMargin(2 * QuietModules);
    barcode->SetAutoCheckDigit(false);
    TSymbolRenderer renderer;
    ASSERT_EQ(renderer.Render(*barcode), ecValid);
    const TGreyImage image = ToGrey(*renderer.Image());
    const TReadResult told = ReadSymbol(image, {std::string(className), false, true});
    EXPECT_EQ(told.ClassName, className);
    EXPECT_EQ(told.Text, FullEncoded(*barcode));
    EXPECT_FALSE(ReadSymbol(image, {std::string(className), true}).Found);
  }
}
