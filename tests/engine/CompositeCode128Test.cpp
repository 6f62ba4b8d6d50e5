#include <gtest/gtest.h>

#include "engine/RecordingCanvas.h"
#include "symbologies/pEAN128.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// A two-dimensional partner that knows the linear symbol only through the
// composite hooks: it measures it, draws it, and follows its changes.
class TPartner {
 public:
  explicit TPartner(TComponent& linear) : linear_(*dynamic_cast<ICompositeLinear*>(&linear)) {
    linear_.SetOnChangeForComposite([this](TObject*) { Events.push_back("clear " + Measured()); },
                                    [this](TObject*) { Events.push_back("change " + Measured()); });
  }
  // "modules/left extent/right extent", or the error code.
  std::string Measured() {
    int modules = -1, left = -1, right = -1;
    const int error = linear_.GetSymbolWidth(&Canvas, 1, modules, left, right);
    if (error != ecValid) return "error " + std::to_string(error);
    return std::to_string(modules) + "/" + std::to_string(left) + "/" + std::to_string(right);
  }
  int Draw(int module, int left, int top, int height) {
    return linear_.DrawToComposite(Canvas, module, left, top, 0, clRed, clWhite, nullptr, false, height);
  }
  ICompositeLinear& Linear() { return linear_; }

  std::vector<std::string> Events;
  TRecordingCanvas Canvas{800, 200};

 private:
  ICompositeLinear& linear_;
};

}  // namespace

TEST(CompositeCode128, MeasuresAtTheRatioItDraws) {
  TBarcode_Code128 bc(nullptr);
  bc.SetBarcode("A");  // start, A, check: 3 x 11 modules, stop 13
  bc.SetRatio(3.0);    // the composite part is drawn at 2.0 whatever the component's ratio
  TPartner partner(bc);
  EXPECT_EQ(partner.Measured(), "46/0/0");
  int modules = 0, left = 0, right = 0;
  EXPECT_EQ(partner.Linear().GetSymbolWidth(nullptr, 3, modules, left, right), ecValid);
  EXPECT_EQ(modules, 46);

  ASSERT_EQ(partner.Draw(2, 10, 5, 30), ecValid);
  std::vector<int> expected;
  for (std::string_view widths : {"211214", "111323", "131123", "2331112"})
    for (char w : widths) expected.push_back((w - '0') * 2);
  EXPECT_EQ(partner.Canvas.RowRuns(20), expected);
  EXPECT_EQ(partner.Canvas.Pixel(10, 20), clRed);
  EXPECT_EQ(partner.Canvas.Pixel(9, 20), clWhite);
  EXPECT_EQ(partner.Canvas.Pixel(10, 5), clRed);
  EXPECT_EQ(partner.Canvas.Pixel(10, 4), clWhite);

  bc.SetBarcode("A\\");
  EXPECT_EQ(partner.Measured(), "error 2");
  EXPECT_EQ(partner.Draw(2, 10, 5, 30), 2);
}

TEST(CompositeCode128, TextBesideTheBarsIsTheExtent) {
  TBarcode_Code128 bc(nullptr);
  bc.SetBarcode(std::string(40, '7'));  // 20 digit pairs: the text is wider than the bars
  bc.SetDisplayText(dtBarcode);
  TPartner partner(bc);
  int modules = 0, left = 0, right = 0;
  ASSERT_EQ(partner.Linear().GetSymbolWidth(&partner.Canvas, 1, modules, left, right), ecValid);
  EXPECT_EQ(modules, 23 * 11 + 2);
  EXPECT_GT(left, 0);
  EXPECT_LE(std::abs(left - right), 1);  // centred text sticks out on both sides
  int width = 0, height = 20;
  bc.DrawToSize(width, height, 1, 20, 0);
  EXPECT_EQ(left + modules + right, width);
}

TEST(CompositeCode128, PartnerClearsWithTheOldSymbolAndRedrawsWithTheNew) {
  TBarcode_Code128 bc(nullptr);
  bc.SetBarcode("A");
  TPartner partner(bc);
  bc.SetBarcode("AB");
  bc.SetBarcode("AB");  // unchanged: nothing
  bc.SetInitialSubSet(cssSubSetC);
  bc.SetBarColor(clRed);  // colours are not the partner's concern
  EXPECT_EQ(partner.Events,
            (std::vector<std::string>{"clear 46/0/0", "change 57/0/0", "clear 57/0/0", "change 68/0/0"}));

  partner.Events.clear();
  bc.SetBarcode(std::string(40, '7'));
  bc.SetDisplayText(dtBarcode);
  const std::string wide = partner.Measured();
  bc.TextFont().SetSize(bc.TextFont().Size() + 4);  // cleared with the old font, redrawn with the new
  ASSERT_EQ(partner.Events.size(), 6u);
  EXPECT_EQ(partner.Events[2], "clear 255/0/0");
  EXPECT_EQ(partner.Events[3], "change " + wide);
  EXPECT_EQ(partner.Events[4], "clear " + wide);
  EXPECT_NE(partner.Events[5], "change " + wide);

  partner.Events.clear();
  bc.BeginLoading();  // not while loading
  bc.SetBarcode("123");
  bc.EndLoading();
  EXPECT_TRUE(partner.Events.empty());
}

TEST(CompositeCode128, LinkedEAN128DrawsTheCompositeLineKinds) {
  TBarcode_EAN128 bc(nullptr);
  bc.SetBarcode("0112345678901231");
  bc.SetAutoCheckDigit(false);
  TPartner partner(bc);
  bc.SetCheckStart(3);
  EXPECT_EQ(partner.Events.size(), 2u);
  const std::string unlinked = partner.Measured();
  bc.SetLink2D(ldCCA);  // one more symbol character
  EXPECT_EQ(partner.Measured(), std::to_string(std::stoi(unlinked) + 11) + "/0/0");

  ASSERT_EQ(partner.Draw(2, 10, 5, 30), ecValid);
  // Start C begins with a two-module bar and a one-module space; a cap of
  // one module in the opposite colour runs along the top.
  const TRecordingCanvas& c = partner.Canvas;
  EXPECT_EQ(c.Pixel(10, 5), clWhite);
  EXPECT_EQ(c.Pixel(14, 5), clRed);
  EXPECT_EQ(c.Pixel(10, 7), clRed);
  EXPECT_EQ(c.Pixel(14, 7), clWhite);
}
