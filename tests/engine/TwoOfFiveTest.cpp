#include <gtest/gtest.h>

#include "symbologies/pCode25Ind.h"

using namespace tessel;

TEST(TwoOfFive, IndustrialPattern) {
  TBarcode_Code25Industrial bc(nullptr);
  std::string full;
  EXPECT_EQ(bc.MakeData("1", false, full), "606050605050506060506");
}
