// The retail human-readable layout (taCustom) on the recording canvas: the
// cleared areas that cut the data bars, the digit groups, the quiet-zone
// texts in the reduced font, the widening of the quiet zones and the same
// layout turned with the symbol.
//
// Metrics of the recording canvas at 96 dpi: the default 8 pt font is 11
// pixels high, its characters 6 pixels wide (plus the inter-character extra
// spacing) and its texts 14 pixels high; 6 pt is 8 pixels high, 4 wide, 11
// high.
#include <gtest/gtest.h>

#include "engine/RecordingCanvas.h"
#include "engine/SymbolTestSupport.h"
#include "symbologies/pEAN13.h"
#include "symbologies/pEAN8.h"
#include "symbologies/pUPCA.h"
#include "symbologies/pUPCE.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

constexpr int L = 20, T = 10, Module = 2, Height = 60;

template <class T>
void Retail(T& bc, const std::string& text) {
  bc.SetBarcode(text);
  bc.SetDisplayText(dtFullEncoded);
  bc.SetTextAlignment(taCustom);
}

TRect Shifted(TRect r) { return {r.Left + L, r.Top + T, r.Right + L, r.Bottom + T}; }

const TTextCall* FindText(const TRecordingCanvas& canvas, const std::string& text) {
  for (const TTextCall& call : canvas.Texts)
    if (call.Text == text) return &call;
  return nullptr;
}

}  // namespace

TEST(EanCustomText, Ean13DigitGroupsCutBarsAndLeadingDigit) {
  TBarcode_EAN13 bc(nullptr);
  Retail(bc, "590123412345");
  TRecordingCanvas canvas;
  ASSERT_EQ(bc.DrawTo(canvas, Module, L, T, Height, 0), ecValid);

  // Leading digit "5" (7 + 1 pixels) and one module of spacing before the
  // bars: the bars start at x 10 of the symbol; the digits are 14 high at
  // y 46 (60 - 14).
  ASSERT_EQ(canvas.Texts.size(), 3u);
  const TTextCall& lead = canvas.Texts[0];
  EXPECT_EQ(lead.Text, "5");
  EXPECT_EQ(lead.At, (TPoint{L, T + 46}));
  EXPECT_EQ(lead.CharExtra, 1);
  EXPECT_TRUE(lead.Advances.empty());
  // Each half is 43 modules (86 pixels) from x 16 and 108: six 6-pixel digits
  // with gaps of (85 - 36) div 5 = 9, centred: X = Left + (86 - 36 - 45) div 2.
  const TTextCall& left = canvas.Texts[1];
  EXPECT_EQ(left.Text, "901234");
  EXPECT_EQ(left.At, (TPoint{L + 18, T + 46}));
  EXPECT_EQ(left.Advances, (std::vector<int>{15, 15, 15, 15, 15, 0}));
  const TTextCall& right = canvas.Texts[2];
  EXPECT_EQ(right.Text, "123457");
  EXPECT_EQ(right.At, (TPoint{L + 110, T + 46}));
  for (const TTextCall& call : canvas.Texts) {
    EXPECT_EQ(call.Font.Height, -11) << call.Text;
    EXPECT_TRUE(call.Transparent);
  }

  // Cleared: inside each half from the top of the digits, then the core's
  // band across the symbol from the middle of the digits down.
  const auto boxes = LastBoxes(canvas, 3);
  EXPECT_EQ(boxes[0], Shifted({17, 46, 100, 59}));
  EXPECT_EQ(boxes[1], Shifted({109, 46, 192, 59}));
  EXPECT_EQ(boxes[2], Shifted({0, 53, 199, 59}));
  for (std::size_t i = canvas.Polygons.size() - 3; i < canvas.Polygons.size(); ++i)
    EXPECT_EQ(canvas.Polygons[i].Brush, clWhite);

  // Above the digits every line is there; beside the upper half of the
  // digits only the guard bars; below that nothing.
  EXPECT_EQ(canvas.RowRuns(T + 40).size(), 59u);
  EXPECT_EQ(canvas.RowRuns(T + 50), (std::vector<int>{2, 2, 2, 86, 2, 2, 2, 86, 2, 2, 2}));
  EXPECT_EQ(canvas.Pixel(L + 10, T + 50), clBlack);   // start guard
  EXPECT_EQ(canvas.Pixel(L + 102, T + 50), clBlack);  // centre guard
  EXPECT_TRUE(canvas.RowRuns(T + 55).empty());
}

TEST(EanCustomText, TextVSpacingRaisesTheCut) {
  TBarcode_EAN13 bc(nullptr);
  Retail(bc, "590123412345");
  bc.SetTextVSpacing(2);
  TRecordingCanvas canvas;
  ASSERT_EQ(bc.DrawTo(canvas, Module, L, T, Height, 0), ecValid);
  const auto boxes = LastBoxes(canvas, 3);
  EXPECT_EQ(boxes[0], Shifted({17, 42, 100, 59}));
  EXPECT_EQ(boxes[1], Shifted({109, 42, 192, 59}));
}

TEST(EanCustomText, QuietZoneMarksWidenTheSymbol) {
  TRecordingCanvas canvas;
  TBarcode_EAN13 ean13(nullptr);
  Retail(ean13, "590123412345");
  EXPECT_EQ(ean13.DefaultDisplayWidth(Module, 0), 10 + 190);
  ean13.SetShowQuietZoneMark(true);
  // ">" is 7 + 1 pixels, after one module of spacing.
  EXPECT_EQ(ean13.DefaultDisplayWidth(Module, 0), 10 + 190 + 10);
  ean13.SetRightQuietZoneSpacing(4);
  EXPECT_EQ(ean13.DefaultDisplayWidth(Module, 0), 10 + 190 + 16);
  ASSERT_EQ(ean13.DrawTo(canvas, Module, L, T, Height, 0), ecValid);
  const TTextCall* mark = FindText(canvas, ">");
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->At, (TPoint{L + 10 + 190 + 8, T + 46}));
  EXPECT_EQ(mark->CharExtra, 1);

  TBarcode_EAN8 ean8(nullptr);
  Retail(ean8, "1234567");
  EXPECT_EQ(ean8.DefaultDisplayWidth(Module, 0), 134);  // no quiet-zone text at all
  canvas.Texts.clear();
  ASSERT_EQ(ean8.DrawTo(canvas, Module, L, T, Height, 0), ecValid);
  ASSERT_EQ(canvas.Texts.size(), 2u);
  EXPECT_EQ(canvas.Texts[0].Text, "1234");
  EXPECT_EQ(canvas.Texts[1].Text, "5670");
  ean8.SetShowQuietZoneMark(true);
  ean8.SetLeftQuietZoneSpacing(3);
  EXPECT_EQ(ean8.DefaultDisplayWidth(Module, 0), 8 + 6 + 134 + 8 + 2);
  canvas.Texts.clear();
  ASSERT_EQ(ean8.DrawTo(canvas, Module, L, T, Height, 0), ecValid);
  ASSERT_NE(FindText(canvas, "<"), nullptr);
  EXPECT_EQ(FindText(canvas, "<")->At, (TPoint{L, T + 46}));
  EXPECT_EQ(FindText(canvas, ">")->At, (TPoint{L + 14 + 134 + 2, T + 46}));
}

TEST(EanCustomText, OtherAlignmentsUseThePlainText) {
  TBarcode_EAN13 bc(nullptr);
  Retail(bc, "590123412345");
  bc.SetShowQuietZoneMark(true);
  bc.SetTextAlignment(taCenter);
  EXPECT_EQ(bc.DefaultDisplayWidth(Module, 0), 190);
  TRecordingCanvas canvas;
  ASSERT_EQ(bc.DrawTo(canvas, Module, L, T, Height, 0), ecValid);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Text, "5901234123457");
  // No display text: nothing of the layout applies.
  bc.SetTextAlignment(taCustom);
  bc.SetDisplayText(dtNone);
  EXPECT_EQ(bc.DefaultDisplayWidth(Module, 0), 190);
  canvas.Texts.clear();
  ASSERT_EQ(bc.DrawTo(canvas, Module, L, T, Height, 0), ecValid);
  EXPECT_TRUE(canvas.Texts.empty());
}

TEST(EanCustomText, UpcAOuterDigitsInTheReducedFont) {
  TBarcode_UPCA bc(nullptr);
  Retail(bc, "03600029145");
  bc.SetDisplayText(dtBarcode);  // every digit is shown all the same
  bc.SetExtraFontSize(6);
  TRecordingCanvas canvas;
  ASSERT_EQ(bc.DrawTo(canvas, Module, L, T, Height, 0), ecValid);
  // "0" and "2" are 5 + 1 pixels wide in 6 pt and 11 high, bottom-aligned
  // with the 14-pixel digits at y 46.
  ASSERT_EQ(canvas.Texts.size(), 4u);
  const TTextCall* first = FindText(canvas, "0");
  const TTextCall* last = FindText(canvas, "2");
  ASSERT_TRUE(first && last);
  EXPECT_EQ(first->At, (TPoint{L, T + 49}));
  EXPECT_EQ(last->At, (TPoint{L + 8 + 190 + 2, T + 49}));
  EXPECT_EQ(first->Font.Height, -8);
  EXPECT_EQ(last->Font.Height, -8);
  ASSERT_NE(FindText(canvas, "36000"), nullptr);
  ASSERT_NE(FindText(canvas, "29145"), nullptr);
  EXPECT_EQ(FindText(canvas, "36000")->Font.Height, -11);
  EXPECT_EQ(FindText(canvas, "29145")->Font.Height, -11);
  EXPECT_EQ(bc.DefaultDisplayWidth(Module, 0), 8 + 190 + 8);
  // The bars of the outer digits are part of the guards: the cut starts
  // after ten modules.
  const auto boxes = LastBoxes(canvas, 3);
  EXPECT_EQ(boxes[0], Shifted({8 + 20 + 1, 46, 8 + 20 + 72 - 2, 59}));
  EXPECT_EQ(boxes[1], Shifted({8 + 20 + 72 + 6 + 1, 46, 8 + 20 + 72 + 6 + 72 - 2, 59}));

  // A size at or above the text font's, or 0, keeps the text font.
  for (int size : {8, 12, 0}) {
    bc.SetExtraFontSize(size);
    canvas.Texts.clear();
    ASSERT_EQ(bc.DrawTo(canvas, Module, L, T, Height, 0), ecValid);
    ASSERT_NE(FindText(canvas, "0"), nullptr);
    EXPECT_EQ(FindText(canvas, "0")->Font.Height, -11) << size;
    EXPECT_EQ(FindText(canvas, "0")->At.Y, T + 46) << size;
  }
}

TEST(EanCustomText, UpcEHasOneGroupAndTheCheckDigitOnTheRight) {
  TBarcode_UPCE bc(nullptr);
  Retail(bc, "0123456");
  TRecordingCanvas canvas;
  ASSERT_EQ(bc.DrawTo(canvas, Module, L, T, Height, 0), ecValid);
  ASSERT_EQ(canvas.Texts.size(), 3u);
  EXPECT_EQ(canvas.Texts[0].Text, "0");
  EXPECT_EQ(canvas.Texts[1].Text, "123456");
  EXPECT_EQ(canvas.Texts[2].Text, "5");
  EXPECT_EQ(canvas.Texts[2].At, (TPoint{L + 10 + 102 + 2, T + 46}));
  // One cut under the six digits (43 modules from the start guard), then the
  // core's band.
  const auto boxes = LastBoxes(canvas, 2);
  EXPECT_EQ(boxes[0], Shifted({10 + 6 + 1, 46, 10 + 6 + 86 - 2, 59}));
  EXPECT_EQ(boxes[1], Shifted({0, 53, 10 + 102 + 10 - 1, 59}));
}

TEST(EanCustomText, TheLayoutTurnsWithTheSymbol) {
  TBarcode_EAN13 bc(nullptr);
  Retail(bc, "590123412345");
  bc.SetShowQuietZoneMark(true);
  bc.SetExtraFontSize(6);
  TRecordingCanvas flat(400, 400), turned(400, 400);
  ASSERT_EQ(bc.DrawTo(flat, Module, L, T, Height, 0), ecValid);
  ASSERT_EQ(bc.DrawTo(turned, Module, L, T, Height, 90), ecValid);
  // Quiet-zone texts of 5 + 1 pixels in 6 pt, each after one module.
  const int width = 6 + 2 + 190 + 2 + 6;
  // At 90 degrees a point (x, y) of the symbol lands at (L + y, T + width - 1 - x).
  const auto turn = [&](TPoint p) { return TPoint{L + (p.Y - T), T + width - 1 - (p.X - L)}; };
  ASSERT_EQ(flat.Texts.size(), turned.Texts.size());
  ASSERT_EQ(flat.Texts.size(), 4u);
  for (std::size_t i = 0; i < flat.Texts.size(); ++i) {
    EXPECT_EQ(turned.Texts[i].Text, flat.Texts[i].Text);
    EXPECT_EQ(turned.Texts[i].At, turn(flat.Texts[i].At)) << flat.Texts[i].Text;
    EXPECT_EQ(turned.Texts[i].Font.Escapement, 900) << flat.Texts[i].Text;
    EXPECT_EQ(turned.Texts[i].Font.Height, flat.Texts[i].Font.Height) << flat.Texts[i].Text;
    EXPECT_EQ(turned.Texts[i].Advances, flat.Texts[i].Advances);
  }
  ASSERT_EQ(flat.Polygons.size(), turned.Polygons.size());
  for (std::size_t i = flat.Polygons.size() - 3; i < flat.Polygons.size(); ++i)
    for (int k = 0; k < 4; ++k) EXPECT_EQ(turned.Polygons[i].Points[k], turn(flat.Polygons[i].Points[k]));
  // The guard bars reach into the digit band on the turned symbol as well.
  EXPECT_EQ(turned.ColumnRuns(L + 50).size(), 11u);
}
