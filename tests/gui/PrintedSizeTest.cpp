// The window's readable property names.
#include "gui/WindowTestSupport.h"

using namespace tessel::generator;
using namespace tessel::testing;

TEST_F(WindowTest, NameColumnShowsEveryPropertyNameWhole) {
  for (const char* name : {"Codabar", "EAN-128", "PharmacodeOneTrack"}) {
    Select(name);
    const TValueGrid& grid = *window->prpBarcode;
    // An item's text keeps the focus frame's margin and one pixel on either side.
    const int margins = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
    for (int row = 1; row <= grid.DataRowCount(); ++row)
      EXPECT_LE(grid.fontMetrics().horizontalAdvance(grid.Name(row)) + margins, grid.columnWidth(0))
          << name << ": " << grid.Name(row).toStdString();
  }
}
