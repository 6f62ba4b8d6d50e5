// Round trips through a real barcode reader for Code 39, Code 93, Codabar
// and ITF-14, and the bearer bars of ITF-14 on a real image.
#include <gtest/gtest.h>

#include "core/pCore.h"
#include "qt/QtTestSupport.h"
#include "symbologies/pCodabar.h"
#include "symbologies/pCode39.h"
#include "symbologies/pCode39Ext.h"
#include "symbologies/pCode93.h"
#include "symbologies/pCode93Ext.h"
#include "symbologies/pITF14.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }

}  // namespace

TEST(LinearReader, Code39WithAndWithoutCheckCharacter) {
  TBarcode_Code39 bc(nullptr);
  bc.SetBarcode("CODE-39 $/+%.");
  for (bool check : {false, true}) {
    bc.SetAutoCheckDigit(check);
    const auto decoded = Decode(Render(bc), "Code39");
    ASSERT_TRUE(decoded) << check;
    // The reader keeps the check character as part of the text.
    EXPECT_EQ(decoded->Text, bc.GetFullEncoded());
    EXPECT_EQ(decoded->Format, "Code39");
  }
  // A reader that checks the modulo-43 character accepts it and strips it.
  const auto verified = Decode(Render(bc), "Code39", TReaderModes{.Code39CheckSum = true});
  ASSERT_TRUE(verified);
  EXPECT_EQ(verified->Text, "CODE-39 $/+%.");

  bc.SetInterGap(true);
  const auto decoded = Decode(Render(bc, 2, 80, 90), "Code39");
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Text, bc.GetFullEncoded());
}

TEST(LinearReader, Code39FullAscii) {
  TBarcode_Code39Ext bc(nullptr);
  bc.SetAutoCheckDigit(false);
  bc.SetBarcode("Hello, World! [x*y] ~{}");
  const auto decoded = Decode(Render(bc), "Code39", TReaderModes{.Code39Extended = true});
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Text, "Hello, World! [x*y] ~{}");

  // The check character is computed over the shift pairs; here it is '/',
  // itself a shift character, which a reader must strip before it reads the
  // pairs as full ASCII.
  bc.SetAutoCheckDigit(true);
  bc.SetBarcode("Hi!");
  ASSERT_EQ(bc.GetFullEncoded(), "Hi!/");
  const auto checked = Decode(Render(bc), "Code39", TReaderModes{.Code39Extended = true, .Code39CheckSum = true});
  ASSERT_TRUE(checked);
  EXPECT_EQ(checked->Text, "Hi!");

  // Without full-ASCII reading the shift pairs come out as they are encoded.
  const auto raw = Decode(Render(bc), "Code39");
  ASSERT_TRUE(raw);
  EXPECT_EQ(raw->Text, "H+I/A/");
}

TEST(LinearReader, Code93StandardAndFullAscii) {
  TBarcode_Code93 bc(nullptr);
  bc.SetBarcode("TEST93");
  ASSERT_EQ(bc.GetFullEncoded(), "TEST93+6");
  auto decoded = Decode(Render(bc), "Code93");
  ASSERT_TRUE(decoded);
  // The reader verifies both check characters and strips them.
  EXPECT_EQ(decoded->Text, "TEST93");
  EXPECT_EQ(decoded->Format, "Code93");

  bc.SetBarcode("0F");  // the first check character is the shift (/)
  ASSERT_EQ(bc.GetFullEncoded(), "0FF{");
  decoded = Decode(Render(bc), "Code93");
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Text, "0F");

  TBarcode_Code93Ext ext(nullptr);
  ext.SetBarcode("Hello, World! $%+/ [a]{b}");
  decoded = Decode(Render(ext), "Code93");
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Text, "Hello, World! $%+/ [a]{b}");
}

TEST(LinearReader, CodabarWithItsStartAndStopLetters) {
  TBarcode_Codabar bc(nullptr);
  bc.SetBarcode("1234-5678$90:/.+");
  auto decoded = Decode(Render(bc), "Codabar");
  ASSERT_TRUE(decoded);
  // The reader does not check the modulo-16 character: it is part of the text.
  EXPECT_EQ(decoded->Text, bc.GetFullEncoded());
  EXPECT_EQ(decoded->Format, "Codabar");

  const std::pair<const char*, const char*> guards[] = {{"A", "B"}, {"C", "D"}, {"D", "A"}, {"B", "C"}};
  for (const auto& [start, stop] : guards) {
    bc.SetStartCode(start);
    bc.SetStopCode(stop);
    decoded = Decode(Render(bc), "Codabar", TReaderModes{.CodabarStartEnd = true});
    ASSERT_TRUE(decoded) << start << stop;
    EXPECT_EQ(decoded->Text, start + bc.GetFullEncoded() + stop);
  }
}

TEST(LinearReader, Itf14WithBearerBars) {
  TBarcode_ITF14 bc(nullptr);
  bc.SetBarcode("1234567890123");
  for (TBearerBars bearers : {bbFourSides, bbTopBottom}) {
    bc.SetBearerBars(bearers);
    for (int angle : {0, 90}) {
      const auto decoded = Decode(Render(bc, 2, 80, angle), "ITF");
      ASSERT_TRUE(decoded) << angle;
      EXPECT_EQ(decoded->Text, "12345678901231");
      EXPECT_EQ(decoded->Format, "ITF");
    }
  }
}

TEST(LinearReader, Itf14BearerBarsOnTheImage) {
  TBarcode_ITF14 bc(nullptr);
  bc.SetBarcode("1234567890123");
  bc.SetDisplayText(dtFullEncoded);
  bc.SetTextVSpacing(1);
  const int module = 2, height = 80, margin = 20, bearer = 3 * module;
  std::string full;
  const int width = GetLinesWidth(bc.MakeData("1234567890123", true, full), module, 2.0);
  const int symbolWidth = width + 2 * 13 * module;

  // Unturned: a frame from the top of the bars down to just above the text.
  const QImage flat = Render(bc, module, height, 0, margin);
  const int left = margin, right = margin + symbolWidth - 1, top = margin;
  EXPECT_TRUE(Dark(flat, left, top + 30));
  EXPECT_TRUE(Dark(flat, left + bearer - 1, top + 30));
  EXPECT_FALSE(Dark(flat, left + bearer, top + 30));
  EXPECT_FALSE(Dark(flat, left - 1, top + 30));
  EXPECT_TRUE(Dark(flat, right, top + 30));
  EXPECT_FALSE(Dark(flat, right + 1, top + 30));
  // The left bearer is dark from the top bearer to the bottom one; a column
  // through the quiet zone crosses only the top and bottom bearers.
  const std::vector<int> column = ColumnRuns(flat, left + 1);
  ASSERT_EQ(column.size(), 1u);
  const int bandHeight = column[0];
  EXPECT_LT(bandHeight, height);  // stops above the text
  const std::vector<int> quiet = ColumnRuns(flat, left + bearer + 2);
  ASSERT_EQ(quiet.size(), 3u);  // top bearer, quiet zone, bottom bearer
  EXPECT_EQ(quiet[0], bearer);
  EXPECT_EQ(quiet[2], bearer);
  EXPECT_EQ(quiet[0] + quiet[1] + quiet[2], bandHeight);
  ASSERT_TRUE(Decode(flat, "ITF"));

  // Turned by 90 degrees the symbol reads bottom to top and the bearers turn
  // with it: the top bearer becomes a column at the left.
  const QImage turned = Render(bc, module, height, 90, margin);
  const std::vector<int> row = Runs(turned, turned.height() - margin - 3);  // through the left-end bearer
  ASSERT_EQ(row.size(), 1u);
  EXPECT_EQ(row[0], bandHeight);
  const std::vector<int> acrossQuiet = Runs(turned, turned.height() - margin - 1 - bearer - 2);
  ASSERT_EQ(acrossQuiet.size(), 3u);
  EXPECT_EQ(acrossQuiet[0], bearer);
  EXPECT_EQ(acrossQuiet[2], bearer);
  const auto decoded = Decode(turned, "ITF");
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Text, "12345678901231");
}
