// A composite partner that knows the linear component only as a TComponent
// and reaches it through ICompositeLinear: it measures the linear symbol,
// draws it through DrawToComposite and erases and redraws when told.
#include <gtest/gtest.h>

#include <memory>

#include "components/pComposite.h"
#include "engine/RecordingCanvas.h"
#include "symbologies/pEAN13.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

struct TMeasure {
  int Error, Modules, LeftExtent, RightExtent;
  friend bool operator==(const TMeasure&, const TMeasure&) = default;
};

std::ostream& operator<<(std::ostream& out, const TMeasure& m) {
  return out << "{" << m.Error << ", " << m.Modules << ", " << m.LeftExtent << ", " << m.RightExtent << "}";
}

class TTestPartner {
 public:
  explicit TTestPartner(TComponent* component) : linear_(dynamic_cast<ICompositeLinear*>(component)) {
    if (linear_)
      linear_->SetOnChangeForComposite([this](TObject* sender) { Cleared.push_back(Measure(sender)); },
                                       [this](TObject* sender) {
                                         Changed.push_back(Measure(sender));
                                         Redraw();
                                       });
  }
  ~TTestPartner() {
    if (linear_) linear_->SetOnChangeForComposite(nullptr, nullptr);
  }
  bool Linked() const { return linear_ != nullptr; }

  TMeasure Measure(TObject* sender = nullptr) {
    if (sender) {
      EXPECT_EQ(dynamic_cast<ICompositeLinear*>(sender), linear_);
    }
    TMeasure m{};
    m.Error = linear_->GetSymbolWidth(&Canvas, Module, m.Modules, m.LeftExtent, m.RightExtent);
    return m;
  }
  // The linear part under a two-dimensional part of its width.
  int Redraw() {
    Canvas.Fill(clWhite);
    Canvas.Polygons.clear();
    return linear_->DrawToComposite(Canvas, Module, 10, 30, 0, clBlack, clWhite, nullptr, false, 40);
  }

  int Module = 2;
  TRecordingCanvas Canvas{400, 120};
  std::vector<TMeasure> Cleared, Changed;

 private:
  ICompositeLinear* linear_;
};

std::unique_ptr<TComponent> Ean13(const std::string& text) {
  std::unique_ptr<TComponent> c(CreateComponent("TBarcode_EAN13", nullptr));
  SetPropValue(*c, "Barcode", text);
  return c;
}

}  // namespace

TEST(CompositeUpc, MeasuresTheLinesAndTheQuietZoneTexts) {
  auto ean = Ean13("590123412345");
  TTestPartner partner(ean.get());
  EXPECT_EQ(partner.Measure(), (TMeasure{ecValid, 95, 0, 0}));
  SetPropValue(*ean, "DisplayText", "dtFullEncoded");
  SetPropValue(*ean, "TextAlignment", "taCustom");
  // "5" is 7 + 1 pixels wide; the spacing of a module is not part of it.
  EXPECT_EQ(partner.Measure(), (TMeasure{ecValid, 95, 8, 0}));
  SetPropValue(*ean, "ShowQuietZoneMark", "True");
  EXPECT_EQ(partner.Measure(), (TMeasure{ecValid, 95, 8, 8}));
  partner.Module = 3;
  EXPECT_EQ(partner.Measure().Modules, 95);
}

TEST(CompositeUpc, DrawsAtTheStandardRatioAndMeasuresWhatItDraws) {
  auto ean = Ean13("590123412345");
  SetPropValue(*ean, "Ratio", "3");
  TTestPartner partner(ean.get());
  EXPECT_EQ(partner.Measure(), (TMeasure{ecValid, 95, 0, 0}));
  ASSERT_EQ(partner.Redraw(), ecValid);
  const std::vector<int> runs = partner.Canvas.RowRuns(50);
  int width = 0;
  for (int r : runs) width += r;
  EXPECT_EQ(width, 95 * 2);
  EXPECT_EQ(runs.size(), 59u);
  EXPECT_EQ(partner.Canvas.Pixel(10, 30), clBlack);  // first bar at the given position
  EXPECT_EQ(partner.Canvas.Pixel(10, 30 + 39), clBlack);
  EXPECT_EQ(partner.Canvas.Pixel(10, 30 + 40), clWhite);  // the given height
}

TEST(CompositeUpc, ClearsWithTheOldSymbolAndRedrawsWithTheNew) {
  auto ean = Ean13("590123412345");
  SetPropValue(*ean, "DisplayText", "dtFullEncoded");
  SetPropValue(*ean, "TextAlignment", "taCustom");
  TTestPartner partner(ean.get());

  SetPropValue(*ean, "ShowQuietZoneMark", "True");
  ASSERT_EQ(partner.Cleared.size(), 1u);
  ASSERT_EQ(partner.Changed.size(), 1u);
  EXPECT_EQ(partner.Cleared[0].RightExtent, 0);
  EXPECT_EQ(partner.Changed[0].RightExtent, 8);
  EXPECT_FALSE(partner.Canvas.RowRuns(50).empty());  // redrawn

  // A bigger text font: 12 pt is 16 pixels high, 8 wide.
  auto& barcode = dynamic_cast<TBarcode&>(*ean);
  barcode.TextFont().SetSize(12);
  ASSERT_EQ(partner.Cleared.size(), 2u);
  ASSERT_EQ(partner.Changed.size(), 2u);
  EXPECT_EQ(partner.Cleared[1].LeftExtent, 8);
  EXPECT_EQ(partner.Changed[1].LeftExtent, 10);

  // An invalid text: the partner is told, and finds nothing to draw.
  SetPropValue(*ean, "Barcode", "59012341234x");
  ASSERT_EQ(partner.Changed.size(), 3u);
  EXPECT_EQ(partner.Cleared[2].Error, ecValid);
  EXPECT_EQ(partner.Changed[2], (TMeasure{12, 0, 0, 0}));
  EXPECT_EQ(partner.Redraw(), 12);
  EXPECT_TRUE(partner.Canvas.Polygons.empty());

  // Unchanged values notify nothing.
  SetPropValue(*ean, "Barcode", "59012341234x");
  SetPropValue(*ean, "LeftQuietZoneSpacing", "1");
  EXPECT_EQ(partner.Changed.size(), 3u);
  SetPropValue(*ean, "LeftQuietZoneSpacing", "2");
  EXPECT_EQ(partner.Changed.size(), 4u);
}

TEST(CompositeUpc, NothingIsReportedWhileLoadingOrAfterUnlinking) {
  auto ean = Ean13("590123412345");
  auto partner = std::make_unique<TTestPartner>(ean.get());
  ean->BeginLoading();
  SetPropValue(*ean, "Barcode", "123");
  SetPropValue(*ean, "ShowQuietZoneMark", "True");
  ean->EndLoading();
  EXPECT_TRUE(partner->Cleared.empty());
  EXPECT_TRUE(partner->Changed.empty());
  partner.reset();  // unlinks
  SetPropValue(*ean, "Barcode", "456");
}

TEST(CompositeUpc, AssignKeepsEachComponentsOwnPartner) {
  auto source = Ean13("590123412345");
  auto target = Ean13("1");
  TTestPartner sourcePartner(source.get());
  TTestPartner targetPartner(target.get());
  target->Assign(source.get());
  SetPropValue(*target, "Barcode", "2");
  // The target's partner followed the assignment and the change; the source's
  // was never told about the target.
  EXPECT_GE(targetPartner.Changed.size(), 2u);
  EXPECT_TRUE(sourcePartner.Changed.empty());
  EXPECT_TRUE(sourcePartner.Cleared.empty());
}

TEST(CompositeUpc, BadModuleAndTextAreErrorsNotCrashes) {
  auto ean = Ean13("5901234123457");  // too long with the check digit added
  TTestPartner partner(ean.get());
  EXPECT_EQ(partner.Measure(), (TMeasure{ecInvalidLength, 0, 0, 0}));
  EXPECT_EQ(partner.Redraw(), ecInvalidLength);
  EXPECT_TRUE(partner.Canvas.Polygons.empty());
  SetPropValue(*ean, "Barcode", "590123412345");
  partner.Module = 0;
  EXPECT_EQ(partner.Measure(), (TMeasure{ecValid, 0, 0, 0}));
}

TEST(CompositeUpc, DrawsInsideTheTurnedCompositeBox) {
  auto ean = Ean13("590123412345");
  auto* linear = dynamic_cast<ICompositeLinear*>(ean.get());
  ASSERT_NE(linear, nullptr);
  TRecordingCanvas canvas(400, 200);
  // The linear part sits 40 pixels into a 300 x 100 composite box.
  const TCustomRotation rotation{{300, 100}, {40, 50}, 1.0};
  ASSERT_EQ(linear->DrawToComposite(canvas, 2, 10, 20, 0, clBlack, clWhite, &rotation, false, 30), ecValid);
  ASSERT_FALSE(canvas.Polygons.empty());
  EXPECT_EQ(canvas.Polygons.front().Box(), (TRect{50, 70, 51, 99}));
  // Turned by 90 degrees the box's top-left stays at (10, 20): the part's
  // first bar lies across x 60 .. 89, at y 20 + 300 - 1 - 40 and the row above.
  TRecordingCanvas turned(400, 400);
  ASSERT_EQ(linear->DrawToComposite(turned, 2, 10, 20, 90, clBlack, clWhite, &rotation, false, 30), ecValid);
  EXPECT_EQ(turned.Polygons.front().Box(), (TRect{60, 278, 89, 279}));
}
