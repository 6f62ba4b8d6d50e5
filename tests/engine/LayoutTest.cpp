// Symbol layout (BuildBarcodeParameters), the box placement of turned
// symbols and justified character spacing.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <numbers>

#include "RecordingCanvas.h"
#include "core/pCore.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// With the recording canvas's metrics the default font (8 pt at 96 dpi, 11
// pixels) is 6 pixels per character plus 1 of extra spacing, and 14 high.
constexpr int kCharWidth = 7;
constexpr int kTextHeight = 14;

class Layout : public ::testing::Test {
 protected:
  TBarcodeDefineExtra Define(int module = 1, TDisplayText display = dtNone) {
    TBarcodeDefineExtra d = symbol.Define(module);
    d.TextFont = &font;
    d.DisplayText = display;
    return d;
  }
  int Build(const std::string& text, TBarcodeDefineExtra d, int height = 30, int left = 0, int top = 0,
            int resolutionX = 1, int resolutionY = 1, const TCustomRotation* rotation = nullptr) {
    return BuildBarcodeParameters(&canvas, text, d, p, left, top, height, resolutionX, resolutionY, rotation);
  }
  // A symbol of 40 pixels of lines at module 2 with side texts (5 and 3
  // pixels) and quiet zones (2 and 4 modules): zones of 9 and 11, width 60.
  void UseQuietZones() {
    symbol.Pattern = std::string(20, '5');
    symbol.QuietZones = true;
    symbol.LeftTextWidth = 5;
    symbol.RightTextWidth = 3;
    symbol.LeftSpacing = 2;
    symbol.RightSpacing = 4;
  }

  TRecordingCanvas canvas{400, 200};
  TFont font;
  TScriptedSymbol symbol;
  TBarcodeParameters p;
};

}  // namespace

TEST_F(Layout, InvalidTextReturnsItsCodeAndLeavesTheLayoutAlone) {
  p.Text = "untouched";
  symbol.InvalidChar = 3;
  EXPECT_EQ(Build("12A", Define()), 3);
  EXPECT_EQ(p.Text, "untouched");
  EXPECT_EQ(symbol.Calls, (std::vector<std::string>{"VerifyLength", "VerifyAllChars"}));

  // Length is checked first: a text both too long and with a bad character is -1.
  symbol.Calls.clear();
  symbol.LengthValid = false;
  EXPECT_EQ(Build("12A", Define()), ecInvalidLength);
  EXPECT_EQ(symbol.Calls, (std::vector<std::string>{"VerifyLength"}));
  EXPECT_EQ(p.Text, "untouched");
}

TEST_F(Layout, UnboundChecksAcceptEveryText) {
  TBarcodeDefineExtra d = Define();
  d.VerifyLength = {};
  d.VerifyAllChars = {};
  symbol.LengthValid = false;
  symbol.InvalidChar = 1;
  EXPECT_EQ(Build("505", d), ecValid);
  EXPECT_EQ(p.Pattern, "505");
}

TEST_F(Layout, LinesOnly) {
  symbol.CheckSuffix = "9";
  EXPECT_EQ(Build("5051", Define(2), 30, 7, 11), ecValid);
  EXPECT_EQ(p.Pattern, "5051");
  EXPECT_EQ(p.FullEncoded, "50519");
  EXPECT_EQ(p.Text, "");
  EXPECT_EQ(p.LinesWidth, 10);
  EXPECT_EQ(p.SymbolWidth, 10);
  EXPECT_EQ(p.TotalWidth, 10);
  EXPECT_EQ(p.LinesHeight, 30);
  EXPECT_EQ(p.TotalHeight, 30);
  EXPECT_EQ(p.Left, 7);
  EXPECT_EQ(p.Top, 11);
  EXPECT_EQ(p.Origin, (TPoint{7, 11}));
  EXPECT_EQ(p.RotationOffset, (TPoint{0, 0}));
  EXPECT_EQ(p.AspectRatio, 1.0);
  EXPECT_EQ(p.ResolutionX, 1);
  EXPECT_EQ(p.ResolutionY, 1);
  // No text, so the text hook is not asked.
  EXPECT_EQ(std::count(symbol.Calls.begin(), symbol.Calls.end(), "Prepare"), 0);
}

TEST_F(Layout, DisplayTextChoosesTheShownText) {
  symbol.CheckSuffix = "7";
  Build("1234", Define(1, dtBarcode));
  EXPECT_EQ(p.Text, "1234");
  EXPECT_EQ(p.TextWidth, 4 * kCharWidth);
  EXPECT_EQ(p.TextHeight, kTextHeight);
  Build("1234", Define(1, dtFullEncoded));
  EXPECT_EQ(p.Text, "12347");
  EXPECT_EQ(p.TextWidth, 5 * kCharWidth);
}

TEST_F(Layout, QuietZonesAreModulesAndSideTextsArePixels) {
  UseQuietZones();
  symbol.LeftHeight = 7;
  symbol.RightHeight = 5;
  Build("x", Define(2));
  EXPECT_EQ(p.LinesWidth, 40);
  EXPECT_EQ(p.LeftSpacing, 4);
  EXPECT_EQ(p.RightSpacing, 8);
  EXPECT_EQ(p.LeftZoneWidth, 9);
  EXPECT_EQ(p.RightZoneWidth, 11);
  EXPECT_EQ(p.SymbolWidth, 60);
  EXPECT_EQ(p.TotalWidth, 60);
  EXPECT_EQ(p.LeftHeight, 7);
  EXPECT_EQ(p.RightHeight, 5);
  // Measured with the text font and one pixel of extra spacing; the canvas
  // gets its own font back.
  EXPECT_EQ(symbol.QuietZoneFont.Height, -11);
  EXPECT_EQ(symbol.QuietZoneCharExtra, 1);
  EXPECT_EQ(canvas.Font, TLogFont{});
  EXPECT_EQ(canvas.CharExtra, 0);
}

TEST_F(Layout, ExtraFontSizeReducesOnlyTheQuietZoneFont) {
  UseQuietZones();
  font.SetSize(12);  // 16 pixels: 8 + 1 per character
  struct {
    int ExtraFontSize;
    int QuietZoneHeight;
  } cases[] = {{6, -8}, {0, -16}, {12, -16}, {20, -16}, {-3, -16}};
  for (const auto& c : cases) {
    TBarcodeDefineExtra d = Define(2, dtBarcode);
    d.ExtraFontSize = c.ExtraFontSize;
    d.Angle = 90;
    Build("AB", d);
    EXPECT_EQ(symbol.QuietZoneFont.Height, c.QuietZoneHeight) << c.ExtraFontSize;
    EXPECT_EQ(symbol.QuietZoneFont.Escapement, 900);
    EXPECT_EQ(p.TextWidth, 2 * 9) << c.ExtraFontSize;
  }
}

TEST_F(Layout, QuietZonesWithoutTheCanvasFontFallBackToTheCanvasFont) {
  UseQuietZones();
  canvas.Font.Height = -16;  // 12 pt at 96 dpi
  TBarcodeDefineExtra d = Define(2);
  d.TextFont = nullptr;
  d.ExtraFontSize = 9;
  Build("x", d);
  EXPECT_EQ(symbol.QuietZoneFont.Height, -12);
  EXPECT_EQ(canvas.Font.Height, -16);
}

struct TAlignmentCase {
  TTextAlignment Alignment;
  int Chars;
  int TextLeft;
  int LeftOffset;
  int TotalWidth;
};
void PrintTo(const TAlignmentCase& c, std::ostream* os) {
  *os << "alignment " << int(c.Alignment) << ", " << c.Chars << " characters";
}

class LayoutAlignment : public Layout, public ::testing::WithParamInterface<TAlignmentCase> {};

TEST_P(LayoutAlignment, PlacesTheText) {
  const TAlignmentCase& c = GetParam();
  UseQuietZones();
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  d.TextAlignment = c.Alignment;
  ASSERT_EQ(Build(std::string(c.Chars, 'x'), d), ecValid);
  EXPECT_EQ(p.TextWidth, c.Chars * kCharWidth);
  EXPECT_EQ(p.TextLeft, c.TextLeft);
  EXPECT_EQ(p.LeftOffset, c.LeftOffset);
  EXPECT_EQ(p.TotalWidth, c.TotalWidth);
  EXPECT_EQ(p.SymbolWidth, 60);
}

// Zones 9 and 11, lines 40, symbol 60; 4 characters are 28 pixels, 9 are
// 63, 10 are 70.
INSTANTIATE_TEST_SUITE_P(
    AllNine, LayoutAlignment,
    ::testing::Values(TAlignmentCase{taLeft, 4, 9, 0, 60}, TAlignmentCase{taCenter, 4, 15, 0, 60},
                      TAlignmentCase{taRight, 4, 21, 0, 60}, TAlignmentCase{taJustify, 4, 9, 0, 60},
                      TAlignmentCase{taLeftQuietZone, 4, 0, 0, 60}, TAlignmentCase{taCenterQuietZone, 4, 16, 0, 60},
                      TAlignmentCase{taRightQuietZone, 4, 32, 0, 60}, TAlignmentCase{taJustifyQuietZone, 4, 0, 0, 60},
                      TAlignmentCase{taCustom, 4, 0, 0, 60},
                      // Texts wider than the symbol stick out and move it right.
                      TAlignmentCase{taLeft, 10, 9, 0, 79}, TAlignmentCase{taCenter, 10, 0, 6, 70},
                      TAlignmentCase{taCenter, 9, 0, 2, 63},  // (40 - 63) div 2 truncates to -11
                      TAlignmentCase{taRight, 10, 0, 21, 81}, TAlignmentCase{taCenterQuietZone, 10, 0, 5, 70},
                      TAlignmentCase{taRightQuietZone, 10, 0, 10, 70},
                      // Justified and custom texts never widen the box.
                      TAlignmentCase{taJustify, 10, 9, 0, 60}, TAlignmentCase{taJustifyQuietZone, 10, 0, 0, 60},
                      TAlignmentCase{taCustom, 10, 0, 0, 60}));

struct TPositionCase {
  TTextPosition Position;
  int Height;
  int TextTop;
  int TopOffset;
  int TotalHeight;
};
void PrintTo(const TPositionCase& c, std::ostream* os) {
  *os << "position " << int(c.Position) << ", height " << c.Height;
}

class LayoutPosition : public Layout, public ::testing::WithParamInterface<TPositionCase> {};

TEST_P(LayoutPosition, PlacesTheTextAboveOrBelow) {
  const TPositionCase& c = GetParam();
  TBarcodeDefineExtra d = Define(1, dtBarcode);
  d.TextPosition = c.Position;
  Build("5050", d, c.Height);
  EXPECT_EQ(p.TextTop, c.TextTop);
  EXPECT_EQ(p.TopOffset, c.TopOffset);
  EXPECT_EQ(p.TotalHeight, c.TotalHeight);
  EXPECT_EQ(p.LinesHeight, c.Height);
}

INSTANTIATE_TEST_SUITE_P(All, LayoutPosition,
                         ::testing::Values(TPositionCase{tpTopIn, 30, 0, 0, 30}, TPositionCase{tpTopOut, 30, 0, 0, 30},
                                           TPositionCase{tpBottomIn, 30, 16, 0, 30},
                                           TPositionCase{tpBottomOut, 30, 16, 0, 30},
                                           // A text taller than the bars: below, it pushes the bars down.
                                           TPositionCase{tpBottomOut, 10, 0, 4, 14},
                                           TPositionCase{tpBottomIn, 0, 0, 14, 14},
                                           TPositionCase{tpTopOut, 10, 0, 0, 14}));

TEST_F(Layout, AspectRatioComesFromTheResolutions) {
  UseQuietZones();
  symbol.LeftHeight = 7;
  symbol.RightHeight = 5;
  Build("x", Define(2, dtBarcode), 30, 0, 0, 600, 300);
  EXPECT_EQ(p.ResolutionX, 600);
  EXPECT_EQ(p.ResolutionY, 300);
  EXPECT_DOUBLE_EQ(p.AspectRatio, 2.0);
  EXPECT_EQ(p.LeftHeight, 14);
  EXPECT_EQ(p.RightHeight, 10);
  EXPECT_EQ(p.TextHeight, 2 * kTextHeight);
}

TEST_F(Layout, ResolutionZeroStandsForThePrinters) {
  const TScopedPrinter printer(600, 400);
  Build("5", Define(), 30, 0, 0, 0, 0);
  EXPECT_EQ(p.ResolutionX, 600);
  EXPECT_EQ(p.ResolutionY, 400);
  EXPECT_DOUBLE_EQ(p.AspectRatio, 1.5);
  Build("5", Define(), 30, 0, 0, 0, 200);
  EXPECT_EQ(p.ResolutionX, 600);
  EXPECT_EQ(p.ResolutionY, 200);
}

TEST_F(Layout, RotationRecordGivesAspectOffsetAndOrigin) {
  const TCustomRotation rotation{{100, 50}, {12, 3}, 1.5};
  Build("5555", Define(), 30, 10, 20, 600, 300, &rotation);
  EXPECT_DOUBLE_EQ(p.AspectRatio, 1.5);
  EXPECT_EQ(p.ResolutionX, 0);
  EXPECT_EQ(p.ResolutionY, 0);
  EXPECT_EQ(p.RotationOffset, (TPoint{12, 3}));
  EXPECT_EQ(p.Origin, (TPoint{10, 20}));
  // Turned, the origin is placed for the composite's box, not the symbol's.
  TBarcodeDefineExtra d = Define();
  d.Angle = 90;
  Build("5555", d, 30, 10, 20, 1, 1, &rotation);
  EXPECT_EQ(p.Origin, TranslateQuad2D({10, 20}, {100, 50}, 1.5, std::numbers::pi / 2));
  EXPECT_EQ(p.Origin, (TPoint{10, 20 + 67 - 1}));  // Round(100 / 1.5) down, less the correction
}

TEST_F(Layout, WithoutCanvasTextIsNotMeasured) {
  UseQuietZones();
  TBarcodeDefineExtra d = Define(2, dtBarcode);
  ASSERT_EQ(BuildBarcodeParameters(nullptr, "1234", d, p, 0, 0, 30, 1, 1, nullptr), ecValid);
  EXPECT_EQ(p.Text, "1234");
  EXPECT_EQ(p.TextWidth, 0);
  EXPECT_EQ(p.TextHeight, 0);
  EXPECT_EQ(p.TotalWidth, 60);  // quiet zones measured on a scratch bitmap
  EXPECT_EQ(p.TotalHeight, 30);
  EXPECT_EQ(std::count(symbol.Calls.begin(), symbol.Calls.end(), "Prepare"), 0);
}

TEST_F(Layout, PrepareHookMayChangeTextFontAndPlacement) {
  TFont big;
  big.SetSize(12);  // 9 pixels per character with the extra one
  symbol.OnText = [&](TCanvas&, TDrawTextStep step, TBarcodeDefine& define, TBarcodeParameters& params, bool&, TPoint&,
                      TPoint&, std::span<const int>& pdx) {
    EXPECT_EQ(step, dtsPrepare);
    EXPECT_TRUE(pdx.empty());
    params.Text = "XYZ";
    define.TextFont = &big;
    define.TextPosition = tpTopOut;
    define.TextAlignment = taLeft;
  };
  Build("5555555555", Define(3, dtBarcode));
  EXPECT_EQ(p.Text, "XYZ");
  EXPECT_EQ(p.TextWidth, 27);
  EXPECT_EQ(p.TextLeft, 0);
  EXPECT_EQ(p.TextTop, 0);
}

TEST_F(Layout, PrepareHookStoppingLeavesTheTextUnmeasured) {
  symbol.OnText = [](TCanvas&, TDrawTextStep, TBarcodeDefine&, TBarcodeParameters&, bool& go, TPoint&, TPoint&,
                     std::span<const int>&) { go = false; };
  Build("5555", Define(1, dtBarcode), 10);
  EXPECT_EQ(p.Text, "5555");
  EXPECT_EQ(p.TextWidth, 0);
  EXPECT_EQ(p.TextHeight, 0);
  EXPECT_EQ(p.TotalHeight, 10);
}

TEST_F(Layout, TurnedBoxLandsAtLeftTop) {
  const TBarcodeDefineExtra base = Define(2, dtBarcode);
  for (int angle : {0, 90, 180, 270, -90, 360, 450}) {
    TBarcodeDefineExtra d = base;
    d.Angle = angle;
    ASSERT_EQ(Build("5050", d, 30, 40, 50), ecValid);
    EXPECT_DOUBLE_EQ(p.Angle, angle * std::numbers::pi / 180);
    const int w = p.TotalWidth - 1, h = p.TotalHeight - 1;
    int minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
    for (TPoint corner : {TPoint{0, 0}, TPoint{w, 0}, TPoint{w, h}, TPoint{0, h}}) {
      const TPoint t = TransformPoint(p, corner);
      minX = std::min(minX, t.X);
      minY = std::min(minY, t.Y);
      maxX = std::max(maxX, t.X);
      maxY = std::max(maxY, t.Y);
    }
    const bool turned = (((angle % 180) + 180) % 180) == 90;
    EXPECT_EQ(minX, 40) << angle;
    EXPECT_EQ(minY, 50) << angle;
    EXPECT_EQ(maxX, 40 + (turned ? h : w)) << angle;
    EXPECT_EQ(maxY, 50 + (turned ? w : h)) << angle;
  }
}

// ---- SetCharsSpacing ----------------------------------------------------------

class CharsSpacing : public ::testing::Test {
 protected:
  // Characters are 6 pixels wide once the extra spacing is 0.
  void Spread(std::string_view text, int width, TJustifyOffsetMode mode) {
    canvas.CharExtra = 1;
    dx.assign(text.size(), 99);
    SetCharsSpacing(canvas, text, 10, width, mode, x, dx);
    EXPECT_EQ(canvas.CharExtra, 0);
  }
  TRecordingCanvas canvas;
  std::vector<int> dx;
  int x = -1;
};

TEST_F(CharsSpacing, OneCharacterIsCentred) {
  Spread("W", 31, jomInsert);
  EXPECT_EQ(x, 10 + (30 - 6) / 2);
  EXPECT_EQ(dx, std::vector<int>{0});
  Spread("W", 4, jomLeft);  // (3 - 6) div 2 truncates toward zero
  EXPECT_EQ(x, 10 - 1);
}

TEST_F(CharsSpacing, InsertSpreadsTheRemainderOverTheFirstAdvances) {
  // B - TW = 10 over 4 gaps: G = Round(2.5) = 2, R = 2.
  Spread("ABCDE", 41, jomInsert);
  EXPECT_EQ(x, 10);
  EXPECT_EQ(dx, (std::vector<int>{9, 9, 8, 8, 0}));
  // 9 spare: G = 2, R = 1.
  Spread("ABCDE", 40, jomInsert);
  EXPECT_EQ(dx, (std::vector<int>{9, 8, 8, 8, 0}));
  // 11 spare: G = Round(2.75) = 3, R = -1 takes one pixel back.
  Spread("ABCDE", 42, jomInsert);
  EXPECT_EQ(dx, (std::vector<int>{8, 9, 9, 9, 0}));
}

TEST_F(CharsSpacing, OtherModesPlaceTheRemainder) {
  // 10 spare: G = 10 div 4 = 2, 2 pixels left over.
  Spread("ABCDE", 41, jomAround);
  EXPECT_EQ(dx, (std::vector<int>{8, 8, 8, 8, 0}));
  EXPECT_EQ(x, 10 + (41 - 30 - 8) / 2);
  Spread("ABCDE", 41, jomLeft);
  EXPECT_EQ(dx, (std::vector<int>{8, 8, 8, 8, 0}));
  EXPECT_EQ(x, 12);
  Spread("ABCDE", 41, jomRight);
  EXPECT_EQ(dx, (std::vector<int>{8, 8, 8, 8, 0}));
  EXPECT_EQ(x, 10);
  // Too narrow: -6 spare, G = -6 div 4 = -1 (truncated toward zero).
  Spread("ABCDE", 25, jomRight);
  EXPECT_EQ(dx, (std::vector<int>{5, 5, 5, 5, 0}));
}
