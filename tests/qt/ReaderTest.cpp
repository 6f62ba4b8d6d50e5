#include <gtest/gtest.h>

#include "qt/QtTestSupport.h"
#include "symbologies/pCode25Int.h"

using namespace tessel;
using namespace tessel::testing;

TEST(Reader, InterleavedTwoOfFiveDecodesToItsDigits) {
  TBarcode_Code25Interleaved bc(nullptr);
  bc.SetAutoCheckDigit(false);
  bc.SetBarcode("1234567890");
  bc.SetRatio(3.0);
  const QImage image = Render(bc);
  const auto decoded = Decode(image, "ITF");
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Text, "1234567890");
}
