// TBarcode: defaults, the setter pattern, locking, Assign, font changes,
// events and the component life cycle.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "RecordingCanvas.h"
#include "components/pBarcode.h"
#include "platform/Image.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// A TBarcode whose text is its own pattern (digits; a check digit "5" is
// appended) and which logs the steps of every change: "Erase" and "Clear"
// (silent and reporting InternalClear), "Draw", the two composite hooks and
// OnChange, each with the watched value at that moment.
class TProbe : public TBarcode {
 public:
  using TBarcode::TBarcode;

  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override {
    TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
    return FullEncoded;
  }
  std::string AppendCheckDigit(const std::string& Barcode) override { return Barcode + "5"; }
  bool VerifyLength(const std::string& Barcode, bool) override { return Barcode.size() <= 12; }
  bool VerifyChar(const std::string& Barcode, int Index, bool) override {
    return Barcode[Index - 1] >= '0' && Barcode[Index - 1] <= '9';
  }
  int VerifyAllChars(const std::string& Barcode, bool AutoCheckDigit) override {
    return BadIndex ? BadIndex : TBarcode::VerifyAllChars(Barcode, AutoCheckDigit);
  }
  int InternalClear(bool Silent, const TFont* Font, bool UseSpaceColor, bool Reserved, int ExtraFontSize) override {
    Record(std::string(Silent ? "Erase" : "Clear") + (Font ? "/font" + std::to_string(Font->Size()) : ""));
    return TBarcode::InternalClear(Silent, Font, UseSpaceColor, Reserved, ExtraFontSize);
  }
  void Draw() override {
    Record("Draw");
    TBarcode::Draw();
  }
  void DoClearForComposite() override { Record("ClearForComposite"); }
  void DoChangeForComposite() override { Record("ChangeForComposite"); }

  void Record(const std::string& step) { Log.push_back(Watch ? step + ":" + Watch(*this) : step); }

  int BadIndex = 0;
  std::function<std::string(TProbe&)> Watch;
  std::vector<std::string> Log;
};

using TLog = std::vector<std::string>;

class Component : public ::testing::Test {
 protected:
  Component() {
    image.SetBounds(200, 60);
    bc.SetBarcode("5050");
    bc.SetImage(&image);
    bc.OnChange = [this](TObject* sender) {
      EXPECT_EQ(sender, &bc);
      bc.Record("OnChange");
    };
    bc.Log.clear();
  }
  TRecordingCanvas& Canvas() { return static_cast<TRecordingBitmap*>(image.Picture().Bitmap())->Recording(); }

  TImage image{nullptr};
  TProbe bc{nullptr};
};

}  // namespace

TEST(ComponentDefaults, AfterConstruction) {
  TProbe bc(nullptr);
  EXPECT_EQ(bc.Image(), nullptr);
  EXPECT_EQ(bc.Module(), 1);
  EXPECT_EQ(bc.BarColor(), 0u);
  EXPECT_EQ(bc.SpaceColor(), 16777215u);
  EXPECT_EQ(bc.Orientation(), boLeftRight);
  EXPECT_FALSE(bc.StretchWidth());
  EXPECT_EQ(bc.LeftMargin(), 0);
  EXPECT_EQ(bc.TopMargin(), 0);
  EXPECT_EQ(bc.BarcodeWidth(), 0);
  EXPECT_EQ(bc.BarcodeHeight(), 0);
  EXPECT_EQ(bc.DisplayText(), dtNone);
  EXPECT_EQ(bc.TextPosition(), tpBottomOut);
  EXPECT_EQ(bc.TextAlignment(), taCenter);
  EXPECT_TRUE(bc.TextFont().SameAs(TFont()));
  EXPECT_EQ(bc.TextVSpacing(), 0);
  EXPECT_FALSE(bc.Locked());
  EXPECT_EQ(bc.Barcode(), "");
  EXPECT_EQ(bc.Ratio(), 2.0);
  EXPECT_TRUE(bc.AutoCheckDigit());
  EXPECT_EQ(bc.TextHSpacing(), 0);
  EXPECT_EQ(bc.ExtraFontSize(), 0);
  EXPECT_EQ(bc.GetAngle(), 0);
}

TEST(ComponentDefaults, OrientationGivesTheAngle) {
  TBarcode bc(nullptr);
  const std::pair<TBarcodeOrientation, int> cases[] = {
      {boLeftRight, 0}, {boRightLeft, 180}, {boTopBottom, 270}, {boBottomTop, 90}};
  for (auto [orientation, angle] : cases) {
    bc.SetOrientation(orientation);
    EXPECT_EQ(bc.GetAngle(), angle);
    EXPECT_EQ(bc.BuildBarcodeDefineExtra(false, 45).Angle, angle);
    EXPECT_EQ(bc.BuildBarcodeDefineExtra(true, 45).Angle, 45);
  }
}

TEST(ComponentDefaults, DefinitionCarriesTheSettingsAndTheBoundPipeline) {
  TProbe bc(nullptr);
  bc.SetModule(3);
  bc.SetRatio(2.5);
  bc.SetAutoCheckDigit(false);
  bc.SetDisplayText(dtFullEncoded);
  bc.SetTextHSpacing(4);
  bc.SetTextVSpacing(5);
  bc.SetTextPosition(tpTopIn);
  bc.SetTextAlignment(taRight);
  bc.SetExtraFontSize(6);
  const TBarcodeDefineExtra d = bc.BuildBarcodeDefineExtra(false, 0);
  EXPECT_EQ(d.Module, 3);
  EXPECT_EQ(d.Ratio, 2.5);
  EXPECT_FALSE(d.AutoCheckDigit);
  EXPECT_EQ(d.DisplayText, dtFullEncoded);
  EXPECT_EQ(d.TextHSpacing, 4);
  EXPECT_EQ(d.TextVSpacing, 5);
  EXPECT_EQ(d.TextFont, &bc.TextFont());
  EXPECT_EQ(d.TextPosition, tpTopIn);
  EXPECT_EQ(d.TextAlignment, taRight);
  EXPECT_FALSE(d.MultiState);
  EXPECT_EQ(d.ExtraFontSize, 6);
  std::string full;
  ASSERT_TRUE(d.MakeData && d.GetQuietZonesWidth && d.CustomDrawText && d.VerifyLength && d.VerifyAllChars &&
              d.DrawLine && d.AfterDrawBarcode);
  EXPECT_EQ(d.MakeData("12", true, full), "125");
  EXPECT_FALSE(d.VerifyLength(std::string(13, '1'), true));
  EXPECT_EQ(d.VerifyAllChars("1x", true), 2);
}

TEST(ComponentDefaults, FullEncodedFollowsAutoCheckDigit) {
  TProbe bc(nullptr);
  bc.SetBarcode("12");
  EXPECT_EQ(bc.GetFullEncoded(), "125");
  bc.SetAutoCheckDigit(false);
  EXPECT_EQ(bc.GetFullEncoded(), "12");
}

// ---- the setter pattern --------------------------------------------------------------

namespace {

enum TForm { fPlain, fErasing, fComposite, fCompositeNotify };

struct TSetterCase {
  const char* Name;
  std::function<void(TProbe&)> Set;
  std::function<std::string(TProbe&)> Watch;
  TForm Form;
};

template <class T>
std::string Text(const T& v) {
  if constexpr (std::is_same_v<T, std::string>)
    return v;
  else
    return std::to_string(v);
}

#define SETTER(Prop, Value, Form)                                                                  \
  TSetterCase {                                                                                    \
#Prop, [](TProbe & b) { b.Set##Prop(Value); }, [](TProbe & b) { return Text(b.Prop()); }, Form \
  }

const TSetterCase setterCases[] = {
    SETTER(Barcode, "5055", fCompositeNotify),
    SETTER(AutoCheckDigit, false, fCompositeNotify),
    SETTER(BarcodeHeight, 20, fComposite),
    SETTER(DisplayText, dtBarcode, fComposite),
    SETTER(TextPosition, tpTopIn, fComposite),
    SETTER(TextAlignment, taLeft, fComposite),
    SETTER(TextVSpacing, 2, fComposite),
    SETTER(TextHSpacing, 3, fComposite),
    SETTER(ExtraFontSize, 5, fComposite),
    SETTER(Module, 2, fErasing),
    SETTER(Ratio, 3.0, fErasing),
    SETTER(Orientation, boBottomTop, fErasing),
    SETTER(StretchWidth, true, fErasing),
    SETTER(LeftMargin, 7, fErasing),
    SETTER(TopMargin, 4, fErasing),
    SETTER(BarColor, clRed, fPlain),
    SETTER(SpaceColor, clBlue, fPlain),
};

void PrintTo(const TSetterCase& c, std::ostream* os) { *os << c.Name; }

class ComponentSetter : public Component, public ::testing::WithParamInterface<TSetterCase> {};

}  // namespace

TEST_P(ComponentSetter, FollowsItsForm) {
  const TSetterCase& c = GetParam();
  bc.Watch = c.Watch;
  const std::string before = c.Watch(bc);
  c.Set(bc);
  const std::string after = c.Watch(bc);
  ASSERT_NE(before, after);
  TLog expected;
  if (c.Form != fPlain) expected.push_back("Erase:" + before);
  if (c.Form == fComposite || c.Form == fCompositeNotify) {
    expected.push_back("ClearForComposite:" + before);
    expected.push_back("ChangeForComposite:" + after);
  }
  expected.push_back("Clear:" + after);
  expected.push_back("Draw:" + after);
  if (c.Form == fCompositeNotify) expected.push_back("OnChange:" + after);
  EXPECT_EQ(bc.Log, expected);

  // The same value again does nothing at all.
  bc.Log.clear();
  c.Set(bc);
  EXPECT_EQ(bc.Log, TLog{});
}

INSTANTIATE_TEST_SUITE_P(Every, ComponentSetter, ::testing::ValuesIn(setterCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(Component, ModuleOfZeroOrLessIsIgnored) {
  bc.SetModule(0);
  bc.SetModule(-3);
  EXPECT_EQ(bc.Module(), 1);
  EXPECT_EQ(bc.Log, TLog{});
}

TEST_F(Component, BarcodeWidthIsOnlyStoredWhileNotStretching) {
  bc.SetBarcodeWidth(120);
  EXPECT_EQ(bc.BarcodeWidth(), 120);
  EXPECT_EQ(bc.Log, TLog{});
  EXPECT_TRUE(Canvas().Stretches.empty());
  // It takes effect with StretchWidth.
  bc.SetStretchWidth(true);
  ASSERT_EQ(Canvas().Stretches.size(), 1u);
  EXPECT_EQ(Canvas().Stretches[0].Width(), 120);
  bc.Log.clear();
  bc.SetBarcodeWidth(90);
  EXPECT_EQ(bc.Log, (TLog{"Erase", "Clear", "Draw"}));
  EXPECT_EQ(Canvas().Stretches.back().Width(), 90);
}

TEST_F(Component, ImageIsStoredAndDrawnOnWithoutErasingTheOldOne) {
  TImage other(nullptr);
  other.SetBounds(100, 40);
  bc.SetImage(&other);
  EXPECT_EQ(bc.Image(), &other);
  EXPECT_EQ(bc.Log, (TLog{"Clear", "Draw"}));
  bc.Log.clear();
  bc.SetImage(&other);
  EXPECT_EQ(bc.Log, TLog{});
  bc.SetImage(nullptr);
  EXPECT_EQ(bc.Image(), nullptr);
}

TEST_F(Component, ColoursRedrawWithoutErasing) {
  Canvas().Polygons.clear();
  bc.SetBarColor(clRed);
  EXPECT_EQ(bc.Log, (TLog{"Clear", "Draw"}));
  // The region is painted with the space colour, then the bars in red.
  ASSERT_FALSE(Canvas().Polygons.empty());
  EXPECT_EQ(Canvas().Polygons[0].Brush, clWhite);
  EXPECT_EQ(Canvas().Polygons[1].Brush, clRed);
  EXPECT_EQ(Canvas().Pixel(0, 10), clRed);
}

// ---- locking -----------------------------------------------------------------------------

TEST_F(Component, LockedChangesRaiseOnChangeButLeaveTheImageAlone) {
  bc.SetModule(2);  // "50505" at module 2: 10 x 60 at the margins
  bc.SetLeftMargin(5);
  bc.SetTopMargin(3);
  bc.SetBarcodeHeight(30);
  bc.SetLocked(true);
  EXPECT_TRUE(bc.Locked());
  Canvas().Polygons.clear();
  Canvas().Rectangles.clear();
  bc.Log.clear();

  bc.SetBarcode("5055");
  bc.SetModule(3);
  bc.SetLeftMargin(50);
  EXPECT_EQ(std::count(bc.Log.begin(), bc.Log.end(), "OnChange"), 1);
  EXPECT_EQ(std::count(bc.Log.begin(), bc.Log.end(), "Draw"), 0);
  EXPECT_EQ(std::count(bc.Log.begin(), bc.Log.end(), "Clear"), 0);
  EXPECT_TRUE(Canvas().Polygons.empty());
  EXPECT_TRUE(Canvas().Rectangles.empty());
  EXPECT_EQ(Canvas().Pixel(5, 3), clBlack);  // the old symbol is still there

  // Unlocking erases what was covered at locking time and draws once.
  bc.Log.clear();
  bc.SetLocked(false);
  EXPECT_EQ(bc.Log, (TLog{"Clear", "Draw"}));
  EXPECT_EQ(Canvas().Rectangles, (std::vector<TRect>{{5, 3, 15, 33}}));
  EXPECT_EQ(Canvas().Pixel(5, 10), clWhite);
  EXPECT_EQ(Canvas().Pixel(14, 32), clWhite);
  // "50555" at module 3 from x = 50.
  EXPECT_EQ(Canvas().RowRuns(10), (std::vector<int>{3, 3, 9}));
  EXPECT_EQ(Canvas().Pixel(50, 10), clBlack);
}

TEST_F(Component, LockedStillDrawsAndClearsOnRequest) {
  bc.SetLocked(true);
  bc.Log.clear();
  bc.Clear(true);
  bc.Draw();
  EXPECT_EQ(bc.Log, (TLog{"Clear", "Draw"}));
  EXPECT_EQ(Canvas().Pixel(0, 0), clBlack);
}

TEST_F(Component, LockingTurnedSymbolRemembersTheTransposedRectangle) {
  bc.SetOrientation(boTopBottom);  // lines 10 wide across a 200-pixel bar height
  bc.SetBarcodeHeight(40);
  bc.SetLocked(true);
  bc.SetLocked(false);
  EXPECT_EQ(Canvas().Rectangles, (std::vector<TRect>{{0, 0, 40, 5}}));
}

// ---- Assign --------------------------------------------------------------------------------

// Long on purpose: one line per copied setting, so a setting Assign forgets shows by name.
TEST_F(Component, AssignCopiesTheSettingsButNotLockedNorOnDrawBarcode) {
  TProbe source(nullptr);
  TImage otherImage(nullptr);
  source.SetImage(&otherImage);
  source.SetBarcode("1234");
  source.SetModule(3);
  source.SetRatio(2.5);
  source.SetAutoCheckDigit(false);
  source.SetSpaceColor(clBlue);
  source.SetBarColor(clRed);
  source.SetOrientation(boRightLeft);
  source.SetStretchWidth(true);
  source.SetLeftMargin(4);
  source.SetTopMargin(5);
  source.SetBarcodeWidth(77);
  source.SetBarcodeHeight(33);
  source.SetDisplayText(dtFullEncoded);
  source.SetTextPosition(tpTopIn);
  source.SetTextAlignment(taJustify);
  source.TextFont().SetSize(14);
  source.SetExtraFontSize(6);
  source.SetTextHSpacing(2);
  source.SetTextVSpacing(3);
  source.SetLocked(true);
  int sourceChanges = 0, invalidChars = 0, invalidLengths = 0, drawTexts = 0, drawBarcodes = 0;
  source.OnChange = [&](TObject*) { ++sourceChanges; };
  source.OnInvalidChar = [&](TObject*, int, char) { ++invalidChars; };
  source.OnInvalidLength = [&](TObject*, const std::string&) { ++invalidLengths; };
  source.OnDrawText = [&](TObject*, TCanvas&, TDrawTextStep, TBarcodeCustomParameters&, bool&, TPoint&, TPoint&,
                          std::span<const int>&) { ++drawTexts; };
  source.OnDrawBarcode = [&](TObject*, TCanvas&, const TBarcodeCustomParameters&) { ++drawBarcodes; };
  int links = 0;
  source.LinkChangeHandler = [&](TObject*) { ++links; };

  bc.Assign(&source);
  EXPECT_EQ(bc.Image(), &otherImage);
  EXPECT_EQ(bc.Barcode(), "1234");
  EXPECT_EQ(bc.Module(), 3);
  EXPECT_EQ(bc.Ratio(), 2.5);
  EXPECT_FALSE(bc.AutoCheckDigit());
  EXPECT_EQ(bc.SpaceColor(), clBlue);
  EXPECT_EQ(bc.BarColor(), clRed);
  EXPECT_EQ(bc.Orientation(), boRightLeft);
  EXPECT_TRUE(bc.StretchWidth());
  EXPECT_EQ(bc.LeftMargin(), 4);
  EXPECT_EQ(bc.TopMargin(), 5);
  EXPECT_EQ(bc.BarcodeWidth(), 77);
  EXPECT_EQ(bc.BarcodeHeight(), 33);
  EXPECT_EQ(bc.DisplayText(), dtFullEncoded);
  EXPECT_EQ(bc.TextPosition(), tpTopIn);
  EXPECT_EQ(bc.TextAlignment(), taJustify);
  EXPECT_EQ(bc.TextFont().Size(), 14);
  EXPECT_EQ(bc.ExtraFontSize(), 6);
  EXPECT_EQ(bc.TextHSpacing(), 2);
  EXPECT_EQ(bc.TextVSpacing(), 3);
  EXPECT_FALSE(bc.Locked());
  EXPECT_FALSE(bc.OnDrawBarcode);
  // Erase with the new settings, let a partner erase, redraw and notify
  // through the copied handlers.
  EXPECT_EQ(bc.Log, (TLog{"Erase", "ClearForComposite", "Clear", "Draw"}));
  EXPECT_EQ(sourceChanges, 1);
  EXPECT_EQ(links, 1);
  EXPECT_GT(drawTexts, 0);
  bc.BadIndex = 1;
  bc.Draw();
  EXPECT_EQ(invalidChars, 1);
  bc.BadIndex = 0;
  bc.SetBarcode(std::string(13, '1'));
  EXPECT_EQ(invalidLengths, 1);
  EXPECT_EQ(drawBarcodes, 0);

  // The previous font came along: the next font change erases with size 14.
  bc.Log.clear();
  bc.TextFont().SetSize(9);
  EXPECT_EQ(bc.Log.front(), "Erase/font14");
}

TEST_F(Component, AssignFromAnotherKindOfObjectIsIgnored) {
  TImage other(nullptr);
  bc.Assign(&other);
  bc.Assign(nullptr);
  EXPECT_EQ(bc.Barcode(), "5050");
  EXPECT_EQ(bc.Image(), &image);
  EXPECT_EQ(bc.Log, TLog{});
}

// ---- the text font -----------------------------------------------------------------------

TEST_F(Component, FontChangeErasesWithThePreviousFontAndRedraws) {
  bc.SetDisplayText(dtBarcode);
  bc.Watch = [](TProbe& b) { return std::to_string(b.TextFont().Size()); };
  bc.Log.clear();
  bc.TextFont().SetSize(14);
  EXPECT_EQ(bc.Log, (TLog{"Erase/font8:14", "ClearForComposite:8", "ChangeForComposite:14", "Clear:14", "Draw:14"}));
  // The previous font follows each redraw.
  bc.Log.clear();
  bc.TextFont().SetName("Courier");
  EXPECT_EQ(bc.Log.front(), "Erase/font14:14");
  EXPECT_EQ(Canvas().Texts.back().Font.Name, "Courier");
  EXPECT_EQ(Canvas().Texts.back().Font.Height, -19);
}

TEST_F(Component, SetTextFontCopiesTheFontAndRedrawsOnce) {
  TFont font;
  font.SetSize(12);
  font.SetColor(clRed);
  bc.Watch = [](TProbe& b) { return std::to_string(b.TextFont().Size()); };
  bc.SetTextFont(font);
  EXPECT_EQ(bc.Log, (TLog{"Erase:8", "ClearForComposite:8", "ChangeForComposite:12", "Clear:12", "Draw:12"}));
  EXPECT_TRUE(bc.TextFont().SameAs(font));
  EXPECT_NE(&bc.TextFont(), &font);
  // Only identity is compared: its own font is no change.
  bc.Log.clear();
  bc.SetTextFont(bc.TextFont());
  EXPECT_EQ(bc.Log, TLog{});
  // The previous font is the copied one.
  bc.TextFont().SetSize(20);
  EXPECT_EQ(bc.Log.front(), "Erase/font12:20");
}

// ---- events ----------------------------------------------------------------------------------

TEST_F(Component, InvalidTextRaisesOneEventAndDrawsNothing) {
  std::vector<std::pair<int, char>> chars;
  std::vector<std::string> lengths;
  bc.OnInvalidChar = [&](TObject* sender, int index, char c) {
    EXPECT_EQ(sender, &bc);
    chars.emplace_back(index, c);
  };
  bc.OnInvalidLength = [&](TObject*, const std::string& text) { lengths.push_back(text); };
  bc.SetBarcode("50x5");
  EXPECT_EQ(chars, (std::vector<std::pair<int, char>>{{3, 'x'}}));
  EXPECT_EQ(bc.Log, (TLog{"Erase", "ClearForComposite", "ChangeForComposite", "Clear", "OnChange"}));
  // A check-character position: negative index and a blank.
  bc.BadIndex = 5;
  bc.SetBarcode("5055");
  EXPECT_EQ(chars.back(), (std::pair<int, char>{-5, ' '}));
  bc.BadIndex = 0;
  bc.SetBarcode(std::string(13, '5'));
  EXPECT_EQ(lengths, std::vector<std::string>{std::string(13, '5')});
  EXPECT_EQ(chars.size(), 2u);
}

TEST_F(Component, OnDrawTextMayChangeTheTextAtPrepare) {
  bc.SetDisplayText(dtBarcode);
  std::vector<TDrawTextStep> steps;
  bc.OnDrawText = [&](TObject*, TCanvas&, TDrawTextStep step, TBarcodeCustomParameters& params, bool&, TPoint&, TPoint&,
                      std::span<const int>&) {
    steps.push_back(step);
    EXPECT_EQ(params.FullEncoded, "50505");
    EXPECT_EQ(params.TextFont, &bc.TextFont());
    if (step == dtsPrepare) {
      params.Text = "HELLO";
      params.TextPosition = tpTopOut;
    } else {
      params.Text = "ignored";
    }
  };
  Canvas().Texts.clear();
  steps.clear();
  bc.Draw();
  // Sizing the region lays the text out once more before drawing.
  EXPECT_EQ(steps, (std::vector<TDrawTextStep>{dtsPrepare, dtsPrepare, dtsClear, dtsPrint}));
  ASSERT_EQ(Canvas().Texts.size(), 1u);
  EXPECT_EQ(Canvas().Texts[0].Text, "HELLO");
  EXPECT_EQ(Canvas().Texts[0].At, (TPoint{0, 0}));
}

TEST_F(Component, OnDrawBarcodeSeesTheLayout) {
  bc.SetBarcodeHeight(25);
  TBarcodeCustomParameters seen;
  bc.OnDrawBarcode = [&](TObject*, TCanvas&, const TBarcodeCustomParameters& params) { seen = params; };
  bc.Draw();
  EXPECT_EQ(seen.FullEncoded, "50505");
  EXPECT_EQ(seen.SymbolWidth, 5);
  EXPECT_EQ(seen.TotalHeight, 25);
  EXPECT_EQ(seen.LinesHeight, 25);
}

TEST_F(Component, ABaseBarcodeDrawsNothingAndReportsNothing) {
  TBarcode base(nullptr);
  int errors = 0;
  base.OnInvalidChar = [&](TObject*, int, char) { ++errors; };
  base.OnInvalidLength = [&](TObject*, const std::string&) { ++errors; };
  base.SetImage(&image);
  Canvas().Polygons.clear();
  base.SetBarcode("anything at all");
  base.SetDisplayText(dtBarcode);
  base.Draw();
  EXPECT_EQ(errors, 0);
  for (const TPolygonCall& call : Canvas().Polygons) EXPECT_EQ(call.Brush, clWhite);
  EXPECT_TRUE(Canvas().Texts.empty());
}

// ---- life cycle ------------------------------------------------------------------------------

TEST_F(Component, DeletingTheImageClearsTheReference) {
  auto* doomed = new TImage(nullptr);
  bc.SetImage(doomed);
  delete doomed;
  EXPECT_EQ(bc.Image(), nullptr);
  bc.Log.clear();
  bc.SetBarcode("55");  // nothing to draw on, no crash
  EXPECT_EQ(bc.Log, (TLog{"Erase", "ClearForComposite", "ChangeForComposite", "Clear", "Draw", "OnChange"}));
}

TEST_F(Component, DeletingTheBarcodeLeavesTheImageUsable) {
  auto* doomed = new TProbe(nullptr);
  doomed->SetImage(&image);
  delete doomed;
  bc.SetBarcode("55");  // the image still serves the others
  EXPECT_EQ(bc.Image(), &image);
}

TEST_F(Component, LoadedDrawsOnce) {
  TProbe loaded(nullptr);
  Canvas().Polygons.clear();
  loaded.BeginLoading();
  loaded.SetImage(&image);
  loaded.SetBarcode("55");
  loaded.SetModule(2);
  loaded.SetBarColor(clRed);
  EXPECT_EQ(std::count(loaded.Log.begin(), loaded.Log.end(), "Draw"), 0);
  EXPECT_TRUE(Canvas().Polygons.empty());
  loaded.Log.clear();
  loaded.EndLoading();
  EXPECT_EQ(loaded.Log, (TLog{"Clear", "Draw"}));
  EXPECT_EQ(Canvas().Pixel(0, 0), clRed);
}
