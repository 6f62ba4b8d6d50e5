// The print simulation against the grade: ink spread and a wider aperture
// never raise it, and a bar width reduction equal to the spread restores it.
#include <gtest/gtest.h>

#include "components/pBarcode.h"
#include "output/SymbolFile.h"
#include "platform/Platform.h"
#include "reader/PrintSimulation.h"
#include "reader/Reader.h"

using namespace tessel;

namespace {

constexpr int ModuleDots = 4;
constexpr double ScreenDpi = 96;  // the renderer's pixels are the printer's dots here
constexpr double MillimetresPerDot = 25.4 / ScreenDpi;

class PrintQuality : public ::testing::Test {
 protected:
  void SetUp() override {
    barcode_.reset(static_cast<TBarcode*>(CreateComponent("TBarcode_Code39", nullptr)));
    ASSERT_TRUE(barcode_);
    barcode_->SetBarcode("CODE39");
    barcode_->SetModule(ModuleDots);
    barcode_->SetLeftMargin(12 * ModuleDots);
    barcode_->SetTopMargin(12 * ModuleDots);
  }

  // The symbol's grade printed with this spread through this aperture,
  // drawn with a bar width reduction of Reduction dots.
  double Grade(double spread, double aperture, double reduction = 0) {
    barcode_->SetBarWidthReduction(reduction * MillimetresPerDot);
    TSymbolRenderer renderer;
    EXPECT_EQ(renderer.Render(*barcode_), ecValid);
    const TGreyImage printed = SimulatePrint(ToGrey(*renderer.Image()), {.InkSpread = spread, .Aperture = aperture});
    return ReadSymbol(printed).Grade;
  }

  std::unique_ptr<TBarcode> barcode_;
};

}  // namespace

TEST_F(PrintQuality, SpreadAndBlurNeverRaiseTheGrade) {
  const double aperture = ModuleDots / 2.0;
  double previous = Grade(0, aperture);
  EXPECT_EQ(previous, 4);
  for (const double spread : {0.5, 1.0, 1.5, 2.0, 3.0}) {
    const double grade = Grade(spread, aperture);
    EXPECT_LE(grade, previous) << "spread " << spread;
    previous = grade;
  }
  EXPECT_LT(previous, 1) << "three dots of spread on four-dot modules";
  previous = Grade(1, 0);
  for (const double wider : {2.0, 4.0, 6.0, 8.0}) {
    const double grade = Grade(1, wider);
    EXPECT_LE(grade, previous) << "aperture " << wider;
    previous = grade;
  }
}

TEST_F(PrintQuality, AReductionEqualToTheSpreadRestoresTheGrade) {
  const double aperture = ModuleDots / 2.0;
  for (const double spread : {1.0, 2.0}) {
    EXPECT_LT(Grade(spread, aperture), 3) << "spread " << spread;
    EXPECT_EQ(Grade(spread, aperture, spread), Grade(0, aperture)) << "spread " << spread;
  }
}
