#include <gtest/gtest.h>

#include "symbologies/pCode25Ind.h"

TEST(Smoke, Industrial) {
  tessel::TBarcode_Code25Industrial bc(nullptr);
  bc.SetAutoCheckDigit(false);
  bc.SetBarcode("1");
  std::string full;
  EXPECT_EQ(bc.MakeData("1", false, full), "606050605050506060506");
}
