// Drawing a laid-out symbol (DrawBarcode) and clearing its box.
#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingCanvas.h"
#include "core/pCore.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

constexpr TColor kBack = 0x00FF00;  // the canvas before drawing
constexpr TColor kBar = 0x000000;
constexpr TColor kSpace = 0xFFFFFF;
constexpr TColor kTextBack = 0x0000FF;  // the box behind the text

class Render : public ::testing::Test {
 protected:
  Render() { canvas.Fill(kBack); }
  TBarcodeDefineExtra Define(int module = 1, TDisplayText display = dtNone) {
    TBarcodeDefineExtra d = symbol.Define(module);
    d.TextFont = &font;
    d.DisplayText = display;
    return d;
  }
  int Draw(const std::string& text, const TBarcodeDefineExtra& d, int left = 0, int top = 0, int height = 30) {
    return DrawBarcode(canvas, text, left, top, height, kBar, kSpace, kTextBack, d, 1, 1, nullptr);
  }
  // The polygons filled in the text background colour.
  std::vector<TRect> TextBoxes() const {
    std::vector<TRect> boxes;
    for (const TPolygonCall& call : canvas.Polygons)
      if (call.Brush == kTextBack) boxes.push_back(call.Box());
    return boxes;
  }
  // The pipeline calls other than the per-line hook.
  std::vector<std::string> Steps() const {
    std::vector<std::string> steps;
    std::copy_if(symbol.Calls.begin(), symbol.Calls.end(), std::back_inserter(steps),
                 [](const std::string& s) { return s != "Line"; });
    return steps;
  }

  TRecordingCanvas canvas{400, 200};
  TFont font;  // 7 pixels per character, 14 high
  TScriptedSymbol symbol;
};

struct TShapeCase {
  char Line;
  int Height;
  int FirstRow;  // rows FirstRow .. FirstRow + Rows - 1 carry the line
  int Rows;
  TColor Color;
};
void PrintTo(const TShapeCase& c, std::ostream* os) { *os << "line '" << c.Line << "', height " << c.Height; }

class RenderShape : public Render, public ::testing::WithParamInterface<TShapeCase> {};

}  // namespace

TEST_P(RenderShape, LineCoversItsRows) {
  const TShapeCase& c = GetParam();
  ASSERT_EQ(Draw(std::string(1, c.Line), Define(3), 10, 20, c.Height), ecValid);
  for (int row = 0; row < c.Height; ++row) {
    const bool inside = row >= c.FirstRow && row < c.FirstRow + c.Rows;
    for (int x : {10, 12}) EXPECT_EQ(canvas.Pixel(x, 20 + row), inside ? c.Color : kBack) << c.Line << " row " << row;
  }
  EXPECT_EQ(canvas.Pixel(13, 20 + c.FirstRow), kBack);  // three pixels wide
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RenderShape,
                         ::testing::Values(TShapeCase{'5', 30, 0, 30, kBar}, TShapeCase{'I', 30, 0, 30, kBar},
                                           TShapeCase{'0', 30, 0, 30, kSpace}, TShapeCase{'A', 10, 6, 4, kBar},
                                           TShapeCase{'A', 30, 18, 12, kBar}, TShapeCase{'T', 30, 0, 20, kBar},
                                           TShapeCase{'H', 30, 10, 10, kBar}, TShapeCase{'L', 30, 10, 20, kBar},
                                           TShapeCase{'4', 30, 0, 15, kBar}, TShapeCase{'9', 30, 15, 15, kBar},
                                           TShapeCase{'4', 7, 0, 3, kBar}, TShapeCase{'9', 7, 3, 4, kBar}));

TEST_F(Render, TwoDimensionalLinesHaveACapOfTheOppositeColour) {
  // a: a space with a one-module bar cap; f: a bar with a space cap.
  ASSERT_EQ(Draw("af", Define(2), 0, 0, 10), ecValid);
  for (int row = 0; row < 10; ++row) {
    EXPECT_EQ(canvas.Pixel(1, row), row < 2 ? kBar : kSpace) << row;
    EXPECT_EQ(canvas.Pixel(3, row), row < 2 ? kSpace : kBar) << row;
  }
}

TEST_F(Render, OnePixelHighLineSetsAPixel) {
  // A tracker of a 3-pixel bar area is one row high.
  ASSERT_EQ(Draw("5H", Define(1), 10, 20, 3), ecValid);
  EXPECT_EQ(canvas.Pixels, (std::vector<TPoint>{{11, 21}}));
  EXPECT_EQ(canvas.Pixel(11, 21), kBar);
  // Two rows high: no extra pixel.
  canvas.Pixels.clear();
  ASSERT_EQ(Draw("H", Define(1), 10, 20, 6), ecValid);
  EXPECT_TRUE(canvas.Pixels.empty());
}

TEST_F(Render, DrawLineHookSeesTheLineAndMovesTheFollowingOnes) {
  std::vector<std::tuple<int, TLineType, int, int, int, int>> seen;
  symbol.OnLine = [&](int index, TLineType type, TColor& color, int& left, int& top, int& width, int& height) {
    seen.emplace_back(index, type, left, top, width, height);
    if (index == 1) width = 5;
    if (index == 3) {
      color = 0x123456;
      height = 4;
    }
  };
  ASSERT_EQ(Draw("50A5", Define(2), 0, 0, 10), ecValid);
  EXPECT_EQ(seen, (std::vector<std::tuple<int, TLineType, int, int, int, int>>{{1, ltBlack, 0, 0, 2, 10},
                                                                               {2, ltWhite, 5, 0, 2, 10},
                                                                               {3, ltBlackHalf, 7, 6, 2, 4},
                                                                               {4, ltBlack, 9, 0, 2, 10}}));
  EXPECT_EQ(canvas.RowRuns(7, kBack), (std::vector<int>{5, 2, 2, 2}));
  EXPECT_EQ(canvas.Pixel(7, 7), 0x123456u);
  EXPECT_EQ(canvas.Pixel(7, 9), 0x123456u);
  EXPECT_EQ(canvas.Pixel(7, 5), kBack);
}

TEST_F(Render, MultiStateBarsStayClearOfTheText) {
  font.SetSize(7);  // a text 12 pixels high
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  d.MultiState = true;
  d.TextVSpacing = 1;
  d.TextAlignment = taLeft;
  symbol.Pattern = "I0T0H0L";
  std::vector<int> tops, heights;
  symbol.OnLine = [&](int, TLineType, TColor&, int&, int& top, int&, int& height) {
    tops.push_back(top);
    heights.push_back(height);
  };
  // Bottom text: 30 - (2 + 12) - 1 = 15 rows of bars from the top.
  ASSERT_EQ(Draw("1234", d), ecValid);
  EXPECT_EQ(tops, (std::vector<int>{0, 0, 0, 0, 5, 0, 5}));
  EXPECT_EQ(heights, (std::vector<int>{15, 15, 10, 15, 5, 15, 10}));
  // Top text: the bars start below the text and its gap.
  tops.clear();
  heights.clear();
  d.TextPosition = tpTopOut;
  ASSERT_EQ(Draw("1234", d), ecValid);
  EXPECT_EQ(tops, (std::vector<int>{14, 14, 14, 14, 19, 14, 19}));
  EXPECT_EQ(heights[0], 15);
}

TEST_F(Render, OrdinaryBarsKeepTheirHeightAndTheTextBoxCoversThem) {
  font.SetSize(7);
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  d.TextVSpacing = 1;
  symbol.Pattern = std::string(20, '5');
  ASSERT_EQ(Draw("12", d), ecValid);
  // Bottom out: the box spans rows 30 - 12 - 2 = 16 .. 29 of the whole width.
  EXPECT_EQ(TextBoxes(), (std::vector<TRect>{{0, 16, 39, 29}}));
  EXPECT_EQ(canvas.Pixel(0, 15), kBar);
  EXPECT_EQ(canvas.Pixel(0, 16), kTextBack);
  EXPECT_EQ(canvas.ColumnRuns(0, kBack), (std::vector<int>{16, 14}));
}

namespace {

struct TTextBoxCase {
  TTextPosition Position;
  TTextAlignment Alignment;
  TRect Box;  // right and bottom inclusive
};
void PrintTo(const TTextBoxCase& c, std::ostream* os) {
  *os << "position " << int(c.Position) << ", alignment " << int(c.Alignment);
}

class RenderTextBox : public Render, public ::testing::WithParamInterface<TTextBoxCase> {};

}  // namespace

TEST_P(RenderTextBox, ClearsBehindTheText) {
  const TTextBoxCase& c = GetParam();
  // Quiet zones of 6 and 4 pixels around 40 pixels of lines: 50 wide. The
  // text "AB" is 14 pixels; TextHSpacing 2 and TextVSpacing 1 at module 2.
  symbol.Pattern = std::string(20, '5');
  symbol.QuietZones = true;
  symbol.LeftSpacing = 3;
  symbol.RightSpacing = 2;
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  d.TextPosition = c.Position;
  d.TextAlignment = c.Alignment;
  d.TextHSpacing = 2;
  d.TextVSpacing = 1;
  ASSERT_EQ(Draw("AB", d), ecValid);
  EXPECT_EQ(TextBoxes(), std::vector<TRect>{c.Box});
}

INSTANTIATE_TEST_SUITE_P(InAndOut, RenderTextBox,
                         ::testing::Values(TTextBoxCase{tpBottomIn, taLeft, {6, 14, 23, 29}},
                                           TTextBoxCase{tpBottomIn, taCenter, {15, 14, 36, 29}},
                                           TTextBoxCase{tpBottomIn, taRight, {28, 14, 45, 29}},
                                           TTextBoxCase{tpBottomIn, taJustify, {6, 14, 45, 29}},
                                           TTextBoxCase{tpBottomIn, taLeftQuietZone, {0, 14, 17, 29}},
                                           TTextBoxCase{tpBottomIn, taCenterQuietZone, {14, 14, 35, 29}},
                                           TTextBoxCase{tpBottomIn, taRightQuietZone, {32, 14, 49, 29}},
                                           TTextBoxCase{tpBottomIn, taJustifyQuietZone, {0, 14, 49, 29}},
                                           TTextBoxCase{tpBottomIn, taCustom, {0, 14, 49, 29}},
                                           TTextBoxCase{tpTopIn, taCenter, {15, 0, 36, 15}},
                                           TTextBoxCase{tpTopOut, taCenter, {0, 0, 49, 15}},
                                           TTextBoxCase{tpBottomOut, taRight, {0, 14, 49, 29}}));

TEST_F(Render, TextStepsRunInOrderAndPrintTheText) {
  font.SetColor(clRed);
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  d.TextAlignment = taLeft;
  ASSERT_EQ(Draw("5050505050", d, 10, 20), ecValid);
  EXPECT_EQ(Steps(), (std::vector<std::string>{"VerifyLength", "VerifyAllChars", "MakeData", "Prepare", "Clear",
                                               "Print", "After"}));
  EXPECT_EQ(std::count(symbol.Calls.begin(), symbol.Calls.end(), "Line"), 10);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  const TTextCall& text = canvas.Texts[0];
  EXPECT_EQ(text.Text, "5050505050");
  EXPECT_EQ(text.At, (TPoint{10, 20 + 30 - 14}));
  EXPECT_TRUE(text.Advances.empty());
  EXPECT_EQ(text.CharExtra, 1);
  EXPECT_TRUE(text.Transparent);
  EXPECT_EQ(text.Color, clRed);
  EXPECT_EQ(text.Font.Height, -11);
  EXPECT_EQ(symbol.Last.TotalWidth, 70);
}

TEST_F(Render, ContinueFalseSuppressesOnlyItsOwnStep) {
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  TDrawTextStep stop = dtsClear;
  symbol.OnText = [&](TCanvas&, TDrawTextStep step, TBarcodeDefine&, TBarcodeParameters&, bool& go, TPoint&, TPoint&,
                      std::span<const int>&) {
    if (step == stop) go = false;
  };
  ASSERT_EQ(Draw("5050", d), ecValid);
  EXPECT_TRUE(TextBoxes().empty());
  EXPECT_EQ(canvas.Texts.size(), 1u);

  canvas.Polygons.clear();
  canvas.Texts.clear();
  stop = dtsPrint;
  ASSERT_EQ(Draw("5050", d), ecValid);
  EXPECT_EQ(TextBoxes().size(), 1u);
  EXPECT_TRUE(canvas.Texts.empty());

  // Stopping at dtsPrepare leaves the text unmeasured but still drawn.
  canvas.Polygons.clear();
  canvas.Texts.clear();
  symbol.Calls.clear();
  stop = dtsPrepare;
  ASSERT_EQ(Draw("5050", d), ecValid);
  EXPECT_EQ(Steps(), (std::vector<std::string>{"VerifyLength", "VerifyAllChars", "MakeData", "Prepare", "Clear",
                                               "Print", "After"}));
  EXPECT_EQ(canvas.Texts.size(), 1u);
}

TEST_F(Render, PrintHookMayMoveTheTextAndReplaceTheAdvances) {
  static const int advances[] = {20, 20, 20};
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  d.TextAlignment = taJustify;
  std::vector<int> justified;
  symbol.OnText = [&](TCanvas&, TDrawTextStep step, TBarcodeDefine&, TBarcodeParameters&, bool&, TPoint& leftTop,
                      TPoint&, std::span<const int>& pdx) {
    if (step != dtsPrint) return;
    justified.assign(pdx.begin(), pdx.end());
    leftTop = {3, 4};
    pdx = advances;
  };
  symbol.Pattern = std::string(16, '5');
  ASSERT_EQ(Draw("5050", d, 100, 50), ecValid);
  // 32 pixels of lines; "5050" is 24 wide without extra spacing: 7 spare
  // over 3 gaps, G = 2 and one pixel more on the first.
  EXPECT_EQ(justified, (std::vector<int>{9, 8, 8, 0}));
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].At, (TPoint{103, 54}));
  EXPECT_EQ(canvas.Texts[0].Advances, (std::vector<int>{20, 20, 20}));
  EXPECT_EQ(canvas.Texts[0].CharExtra, 0);
}

TEST_F(Render, EmptyPatternDrawsNothing) {
  symbol.Pattern = "";
  ASSERT_EQ(Draw("1234", Define(2, dtBarcode)), ecValid);
  EXPECT_TRUE(canvas.Polygons.empty());
  EXPECT_TRUE(canvas.Texts.empty());
  EXPECT_EQ(std::count(symbol.Calls.begin(), symbol.Calls.end(), "After"), 0);
}

TEST_F(Render, InvalidTextDrawsNothing) {
  symbol.InvalidChar = 2;
  EXPECT_EQ(Draw("5050", Define(2, dtBarcode)), 2);
  symbol.LengthValid = false;
  EXPECT_EQ(Draw("5050", Define(2, dtBarcode)), ecInvalidLength);
  EXPECT_TRUE(canvas.Polygons.empty());
  EXPECT_TRUE(canvas.Texts.empty());
}

TEST_F(Render, CanvasStateIsGivenBack) {
  canvas.Pen.Color = 0x111111;
  canvas.Brush = {0x222222, TBrushStyle::bsClear};
  canvas.CharExtra = 3;
  canvas.TextColor = 0x333333;
  const TLogFont before = canvas.Font;
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  d.Angle = 90;
  ASSERT_EQ(Draw("5af0", d), ecValid);
  EXPECT_EQ(canvas.Pen.Color, 0x111111u);
  EXPECT_EQ(canvas.Brush, (TBrush{0x222222, TBrushStyle::bsClear}));
  EXPECT_EQ(canvas.CharExtra, 3);
  EXPECT_EQ(canvas.TextColor, 0x333333u);
  EXPECT_FALSE(canvas.Transparent);
  EXPECT_EQ(canvas.Font, before);
}

// ---- the raster at the four orientations -----------------------------------------

namespace {

// "5051607" at module 2: bar 2, space 2, bar 2, space 4, bar 4, space 2, bar 6.
const std::vector<int> kRuns = {2, 2, 2, 4, 4, 2, 6};
const std::vector<int> kReversed(kRuns.rbegin(), kRuns.rend());

}  // namespace

TEST_F(Render, BarsScanAtEveryQuarterTurn) {
  struct {
    int Angle;
    bool Vertical;
    const std::vector<int>& Runs;
    TRect Box;  // right and bottom inclusive
  } cases[] = {{0, false, kRuns, {30, 40, 51, 59}},
               {90, true, kReversed, {30, 40, 49, 61}},
               {180, false, kReversed, {30, 40, 51, 59}},
               {270, true, kRuns, {30, 40, 49, 61}}};
  for (const auto& c : cases) {
    canvas.Fill(kBack);
    TBarcodeDefineExtra d = Define(2);
    d.Angle = c.Angle;
    ASSERT_EQ(Draw("5051607", d, 30, 40, 20), ecValid);
    if (c.Vertical) {
      EXPECT_EQ(canvas.ColumnRuns(35, kBack), c.Runs) << c.Angle;
    } else {
      EXPECT_EQ(canvas.RowRuns(50, kBack), c.Runs) << c.Angle;
    }
    // The symbol fills exactly its box.
    EXPECT_NE(canvas.Pixel(c.Box.Left, c.Box.Top), kBack) << c.Angle;
    EXPECT_NE(canvas.Pixel(c.Box.Right, c.Box.Bottom), kBack) << c.Angle;
    EXPECT_EQ(canvas.Pixel(c.Box.Left - 1, c.Box.Top), kBack) << c.Angle;
    EXPECT_EQ(canvas.Pixel(c.Box.Left, c.Box.Top - 1), kBack) << c.Angle;
    EXPECT_EQ(canvas.Pixel(c.Box.Right + 1, c.Box.Bottom), kBack) << c.Angle;
    EXPECT_EQ(canvas.Pixel(c.Box.Right, c.Box.Bottom + 1), kBack) << c.Angle;
  }
}

TEST_F(Render, PartOfATurnedCompositeIsPlacedInsideItsBox) {
  // The composite is 100 x 40; this part sits at (10, 5) inside it.
  const TCustomRotation rotation{{100, 40}, {10, 5}, 1.0};
  ASSERT_EQ(DrawBarcode(canvas, "5", 20, 30, 8, kBar, kSpace, kTextBack, Define(2), 1, 1, &rotation), ecValid);
  EXPECT_EQ(canvas.Polygons[0].Box(), (TRect{30, 35, 31, 42}));
  // Turned by 90 degrees the whole composite turns: its box still starts at
  // (20, 30), and the part's offset turns with it.
  canvas.Polygons.clear();
  TBarcodeDefineExtra d = Define(2);
  d.Angle = 90;
  ASSERT_EQ(DrawBarcode(canvas, "5", 20, 30, 8, kBar, kSpace, kTextBack, d, 1, 1, &rotation), ecValid);
  EXPECT_EQ(canvas.Polygons[0].Box(), (TRect{25, 30 + 99 - 11, 32, 30 + 99 - 10}));
}

TEST_F(Render, TurnedTextUsesATurnedFont) {
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  d.Angle = 90;
  d.TextPosition = tpTopOut;
  d.TextAlignment = taLeft;
  ASSERT_EQ(Draw("5050", d, 30, 40, 20), ecValid);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Font.Escapement, 900);
  // The text's top-left corner is the box's bottom-left: it reads bottom to top.
  EXPECT_EQ(canvas.Texts[0].At, (TPoint{30, 40 + 28 - 1}));
}

// ---- ClearBarcode ----------------------------------------------------------------------

TEST_F(Render, ClearPaintsTheBoxWithAMargin) {
  const TBarcodeDefineExtra d = Define(2, dtBarcode);  // 28 x 30: the text is wider than the lines
  ASSERT_EQ(ClearBarcode(canvas, "5050", 30, 40, 30, 0x445566, d, 3, true), ecValid);
  ASSERT_EQ(canvas.Polygons.size(), 1u);
  EXPECT_EQ(canvas.Polygons[0].Box(), (TRect{27, 37, 30 + 28 + 2, 40 + 30 + 2}));
  EXPECT_EQ(canvas.Polygons[0].Brush, 0x445566u);
  EXPECT_EQ(canvas.Polygons[0].Pen, 0x445566u);
  EXPECT_EQ(canvas.Pixel(27, 37), 0x445566u);

  // Without UseColor the canvas's brush colour paints; a turned box too.
  canvas.Polygons.clear();
  canvas.Brush.Color = 0x778899;
  TBarcodeDefineExtra turned = d;
  turned.Angle = 90;
  ASSERT_EQ(ClearBarcode(canvas, "5050", 30, 40, 30, 0x445566, turned, 0, false), ecValid);
  ASSERT_EQ(canvas.Polygons.size(), 1u);
  EXPECT_EQ(canvas.Polygons[0].Box(), (TRect{30, 40, 30 + 29, 40 + 27}));
  EXPECT_EQ(canvas.Polygons[0].Brush, 0x778899u);
  EXPECT_EQ(canvas.Brush.Color, 0x778899u);
}

TEST_F(Render, ClearOfAnInvalidTextPaintsNothing) {
  symbol.InvalidChar = 1;
  EXPECT_EQ(ClearBarcode(canvas, "x", 0, 0, 30, 0, Define(), 0, true), 1);
  EXPECT_TRUE(canvas.Polygons.empty());
}
