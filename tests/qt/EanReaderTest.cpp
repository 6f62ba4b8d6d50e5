// Round trip through a real reader: the EAN/UPC symbols drawn by the Qt
// platform decode to their full texts, upright and turned, with the retail
// text layout, and with an add-on drawn beside the main symbol.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/qt/QtBitmap.h"
#include "qt/QtTestSupport.h"
#include "symbologies/pEAN13.h"
#include "symbologies/pEAN2.h"
#include "symbologies/pEAN5.h"
#include "symbologies/pEAN8.h"
#include "symbologies/pUPCA.h"
#include "symbologies/pUPCE.h"
#include "symbologies/pUPCE0.h"
#include "symbologies/pUPCE1.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

struct TReadCase {
  const char* Name;
  std::function<std::unique_ptr<TBarcode>()> Create;
  const char* Input;
  const char* Format;
  const char* Expected;
};

template <class T>
std::function<std::unique_ptr<TBarcode>()> Make() {
  return [] { return std::make_unique<T>(nullptr); };
}

class EanReader : public ::testing::TestWithParam<TReadCase> {};

// A main symbol with an add-on `gap` modules to its right, both with bars
// of the same height.
QImage RenderWithAddOn(TBarcode& main, TBarcode& addOn, int module, int gap) {
  const int margin = 20, height = 80;
  TQtBitmap bitmap;
  bitmap.SetSize(1, 1);
  // The add-on starts `gap` modules after the main symbol's last bar (its
  // quiet-zone text, if any, stands in that gap).
  TBarcodeDefineExtra define = main.BuildBarcodeDefineExtra(true, 0);
  define.Module = module;
  TBarcodeParameters layout;
  BuildBarcodeParameters(&bitmap.Canvas(), main.Barcode(), define, layout, 0, 0, height, 1, 1, nullptr);
  const int addOnLeft = margin + layout.LeftOffset + layout.LeftZoneWidth + layout.LinesWidth + gap * module;
  int addOnWidth = 0, addOnHeight = height;
  addOn.DrawToSize(addOnWidth, addOnHeight, module, height, 0);
  bitmap.SetSize(addOnLeft + addOnWidth + margin, 2 * margin + std::max(layout.TotalHeight, addOnHeight));
  main.DrawTo(bitmap.Canvas(), module, margin, margin, height, 0);
  addOn.DrawTo(bitmap.Canvas(), module, addOnLeft, margin, height, 0);
  return bitmap.Image().copy();
}

}  // namespace

TEST_P(EanReader, DecodesUprightTurnedAndWithItsDigits) {
  const TReadCase& c = GetParam();
  auto bc = c.Create();
  bc->SetBarcode(c.Input);
  for (int angle : {0, 90, 180}) {
    const auto decoded = Decode(Render(*bc, 2, 80, angle), c.Format);
    ASSERT_TRUE(decoded) << c.Input << " at " << angle;
    EXPECT_EQ(decoded->Text, c.Expected) << angle;
  }
  // The retail layout cuts the data bars short; the guards still frame them.
  bc->SetDisplayText(dtFullEncoded);
  bc->SetTextAlignment(taCustom);
  const auto decoded = Decode(Render(*bc, 2, 80, 0), c.Format);
  ASSERT_TRUE(decoded) << c.Input << " with its digits";
  EXPECT_EQ(decoded->Text, c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, EanReader,
    ::testing::Values(TReadCase{"Ean13", Make<TBarcode_EAN13>(), "590123412345", "EAN13", "5901234123457"},
                      TReadCase{"Ean13Padded", Make<TBarcode_EAN13>(), "123", "EAN13", "0000000001236"},
                      TReadCase{"Ean8", Make<TBarcode_EAN8>(), "1234567", "EAN8", "12345670"},
                      TReadCase{"UpcA", Make<TBarcode_UPCA>(), "03600029145", "UPCA", "036000291452"},
                      TReadCase{"UpcE", Make<TBarcode_UPCE>(), "0123456", "UPCE", "01234565"},
                      TReadCase{"UpcELastDigit3", Make<TBarcode_UPCE>(), "0123453", "UPCE", "01234531"},
                      TReadCase{"UpcE0", Make<TBarcode_UPCE0>(), "123456", "UPCE", "01234565"},
                      // The reader checks the check digit of the expanded number
                      // 11234500006 and so confirms parity row 2, inverted.
                      TReadCase{"UpcE1", Make<TBarcode_UPCE1>(), "123456", "UPCE", "11234562"},
                      TReadCase{"UpcETypedSystem1", Make<TBarcode_UPCE>(), "1654321", "UPCE", "16543214"}),
    [](const auto& info) { return info.param.Name; });

TEST(EanReaderAddOn, Ean13WithTwoAndFiveDigitAddOns) {
  TBarcode_EAN13 main(nullptr);
  main.SetBarcode("590123412345");
  TBarcode_EAN2 two(nullptr);
  two.SetBarcode("7");
  TBarcode_EAN5 five(nullptr);
  five.SetBarcode("52495");
  // Without an add-on the reader, told to require one, finds nothing.
  EXPECT_FALSE(Decode(Render(main), "EAN13", true));

  const auto withTwo = Decode(RenderWithAddOn(main, two, 2, 9), "EAN13", true);
  ASSERT_TRUE(withTwo);
  EXPECT_EQ(withTwo->AddOn, "07");
  EXPECT_EQ(withTwo->Text.substr(0, 13), "5901234123457");

  const auto withFive = Decode(RenderWithAddOn(main, five, 2, 9), "EAN13", true);
  ASSERT_TRUE(withFive);
  EXPECT_EQ(withFive->AddOn, "52495");
  EXPECT_EQ(withFive->Text.substr(0, 13), "5901234123457");

  // Every EAN-5 parity row: 0000k has the check value 3k mod 10.
  for (int k = 0; k <= 9; ++k) {
    five.SetBarcode("0000" + std::to_string(k));
    const auto decoded = Decode(RenderWithAddOn(main, five, 2, 9), "EAN13", true);
    ASSERT_TRUE(decoded) << k;
    EXPECT_EQ(decoded->AddOn, "0000" + std::to_string(k));
  }
  // Every EAN-2 parity pair.
  for (const char* digits : {"12", "13", "14", "15"}) {
    two.SetBarcode(digits);
    const auto decoded = Decode(RenderWithAddOn(main, two, 2, 9), "EAN13", true);
    ASSERT_TRUE(decoded) << digits;
    EXPECT_EQ(decoded->AddOn, digits);
  }
}

TEST(EanReaderAddOn, UpcAWithFiveDigitAddOnAndItsDigits) {
  TBarcode_UPCA main(nullptr);
  main.SetBarcode("03600029145");
  main.SetDisplayText(dtFullEncoded);
  main.SetTextAlignment(taCustom);
  TBarcode_EAN5 five(nullptr);
  five.SetBarcode("90000");
  five.SetDisplayText(dtFullEncoded);
  five.SetTextAlignment(taCustom);
  five.SetTextPosition(tpTopOut);
  const auto decoded = Decode(RenderWithAddOn(main, five, 2, 9), "UPCA", true);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->AddOn, "90000");
  EXPECT_EQ(decoded->Text.substr(0, 12), "036000291452");
}
