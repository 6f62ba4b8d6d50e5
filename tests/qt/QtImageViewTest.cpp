// TQtImageView shows what a component draws on its TImage.
#include <gtest/gtest.h>

#include "platform/qt/QtImageView.h"
#include "qt/QtTestSupport.h"
#include "symbologies/pCode25Int.h"

using namespace tessel;
using namespace tessel::testing;

TEST(QtImageView, ShowsTheSymbolTheComponentDrawsOnItsImage) {
  TImage image(nullptr);
  TQtImageView view(&image);
  view.resize(300, 100);  // the image control follows the widget's size
  view.show();
  EXPECT_EQ(image.Width(), 300);
  EXPECT_EQ(image.Height(), 100);

  TBarcode_Code25Interleaved bc(nullptr);
  bc.SetModule(2);
  bc.SetLeftMargin(10);
  bc.SetTopMargin(10);
  bc.SetBarcode("1234567890");
  bc.SetImage(&image);  // draws: bars 90 pixels high, filling the image below the margin

  const QImage shown = view.grab().toImage();
  ASSERT_EQ(shown.size(), QSize(300, 100));
  EXPECT_TRUE(Decode(shown, "ITF"));
  EXPECT_EQ(ColumnRuns(shown, 10), std::vector<int>{90});  // the first bar, from the margin down

  // Changing a setting redraws what the view shows.
  bc.SetBarcode("");
  EXPECT_FALSE(Decode(view.grab().toImage(), "ITF"));
  bc.SetImage(nullptr);
}
