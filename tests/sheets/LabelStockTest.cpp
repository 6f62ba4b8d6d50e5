// Label stock: the catalogue's sheets fit their pages; custom stocks are
// read with their defaults, and refused with a message that says why.
#include <gtest/gtest.h>

#include <cmath>

#include "output/LabelStock.h"

using namespace tessel;

namespace {

constexpr double ToleranceMm = 0.01;

}  // namespace

TEST(LabelStock, CatalogueSheetsFitTheirPagesWithoutOverlaps) {
  for (const TLabelStock& stock : LabelStocks()) {
    const TLabelRect last = LabelRectOnPage(stock, stock.LabelsPerPage() - 1);
    EXPECT_GE(stock.LeftMargin, 0) << stock.Name;
    EXPECT_GE(stock.TopMargin, 0) << stock.Name;
    EXPECT_LE(last.Left + last.Width, stock.PageWidth + ToleranceMm) << stock.Name;
    EXPECT_LE(last.Top + last.Height, stock.PageHeight + ToleranceMm) << stock.Name;
    EXPECT_GE(stock.HorizontalPitch, stock.LabelWidth) << stock.Name;
    EXPECT_GE(stock.VerticalPitch, stock.LabelHeight) << stock.Name;
    EXPECT_FALSE(stock.Source.empty()) << stock.Name;
    // Found by its name and aliases in any case, and read back as a custom stock.
    ASSERT_TRUE(FindLabelStock(stock.Name)) << stock.Name;
    for (const std::string& alias : stock.Aliases) EXPECT_EQ(FindLabelStock(alias)->Name, stock.Name) << alias;
  }
  EXPECT_EQ(FindLabelStock("A4-3X8")->LabelsPerPage(), 24);
  EXPECT_EQ(FindLabelStock("L7160")->Name, "a4-3x7");
  EXPECT_FALSE(FindLabelStock("a4-9x9"));
  EXPECT_NE(LabelStockListing().find("letter-3x10"), std::string::npos);
}

TEST(LabelStock, CustomStocksAreReadOrRefusedWithTheReason) {
  struct TCase {
    const char* Text;
    const char* Error;  // a part of the message; empty: accepted
    double Left, Top, HorizontalPitch;
  };
  const TCase cases[] = {
      {"page=A4,cols=3,rows=8,w=70mm,h=37mm,left=0mm,top=0.25mm,hpitch=70mm,vpitch=37mm", "", 0, 0.25, 70},
      // 4.5 mm + 8 x 37 mm is 300.5 mm: longer than A4.
      {"page=A4,cols=3,rows=8,w=70mm,h=37mm,left=0mm,top=4.5mm,hpitch=70mm,vpitch=37mm",
       "8 down reach from 4.5 mm to 300.5 mm on a page 297 mm high", 0, 0, 0},
      // Margins centre the grid; pitches default to the label's size.
      {"page=a4, cols=3, rows=8, w=70mm, h=37mm", "", 0, 0.5, 70},
      {"page=Letter,cols=2,rows=10,w=4in,h=1in,hpitch=4.1875in", "", 3.96875, 12.7, 106.3625},
      {"page=100mmx50mm,cols=1,rows=1,w=100mm,h=50mm", "", 0, 0, 100},
      {"page=A4,cols=3,rows=8,w=70mm", "'h' is missing", 0, 0, 0},
      {"page=A4,cols=3,rows=8,w=70mm,h=37mm,colour=red", "unknown key 'colour'", 0, 0, 0},
      {"page=A4,cols=3,cols=3,rows=8,w=70mm,h=37mm", "'cols' is given twice", 0, 0, 0},
      {"page=A4,cols=0,rows=8,w=70mm,h=37mm", "cols='0' must be a whole number", 0, 0, 0},
      {"page=A4,cols=3,rows=8,w=-70mm,h=37mm", "w=-70mm must be more than 0", 0, 0, 0},
      {"page=A4,cols=3,rows=8,w=70,h=37mm", "w=70 needs a unit", 0, 0, 0},
      {"page=A4,cols=3,rows=8,w=seventy,h=37mm", "w='seventy' is not a length", 0, 0, 0},
      {"page=B9,cols=3,rows=8,w=70mm,h=37mm", "page='B9' is none of", 0, 0, 0},
      {"page=A4,cols=4,rows=8,w=70mm,h=37mm", "the labels run off the page: 4 across", 0, 0, 0},
      {"page=A4,cols=3,rows=8,w=70mm,h=37mm,top=10mm", "the labels run off the page: 8 down", 0, 0, 0},
      {"page=A4,cols=3,rows=8,w=70mm,h=37mm,hpitch=60mm", "the labels overlap: hpitch 60 mm", 0, 0, 0},
      {"page=A4,,cols=3", "an empty item", 0, 0, 0},
      {"page=A4,cols", "'cols' is not KEY=VALUE", 0, 0, 0},
  };
  for (const TCase& c : cases) {
    const TParsedStock parsed = ParseLabelStock(c.Text);
    if (*c.Error) {
      EXPECT_FALSE(parsed.Stock) << c.Text;
      EXPECT_NE(parsed.Error.find(c.Error), std::string::npos) << c.Text << ": " << parsed.Error;
      continue;
    }
    ASSERT_TRUE(parsed.Stock) << c.Text << ": " << parsed.Error;
    EXPECT_NEAR(parsed.Stock->LeftMargin, c.Left, ToleranceMm) << c.Text;
    EXPECT_NEAR(parsed.Stock->TopMargin, c.Top, ToleranceMm) << c.Text;
    EXPECT_NEAR(parsed.Stock->HorizontalPitch, c.HorizontalPitch, ToleranceMm) << c.Text;
  }
  EXPECT_TRUE(ParseLabelStock("page=100mmx50mm,cols=1,rows=1,w=100mm,h=50mm").Stock->Roll);
  EXPECT_NE(LabelStockFromArgument("a4-9x9").Error.find("unknown label stock 'a4-9x9'"), std::string::npos);
}
