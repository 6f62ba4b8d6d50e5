#include <gtest/gtest.h>

#include "generator/TextEscape.h"

using tessel::generator::EscapeText;
using tessel::generator::UnescapeText;

TEST(TextEscape, EscapesPercentControlAndHighBytes) {
  EXPECT_EQ(EscapeText("50%"), "50%%");
  EXPECT_EQ(EscapeText(std::string("A\tB\x7F\x80\xFF", 6)), "A%09B%7F%80%FF");  // DEL is a control byte
  EXPECT_EQ(EscapeText(std::string(1, '\0')), "%00");
}

TEST(TextEscape, UnescapesAsTheGridDoes) {
  EXPECT_EQ(UnescapeText("A%41B"), "AAB");
  EXPECT_EQ(UnescapeText("50%%"), "50%");
  EXPECT_EQ(UnescapeText("50%"), "50%");    // a trailing percent stays
  EXPECT_EQ(UnescapeText("5%x"), "5%x");    // one character after it
  EXPECT_EQ(UnescapeText("%zz1"), "%zz1");  // not hexadecimal: kept, scanning goes on after both
  EXPECT_EQ(UnescapeText("%e9%FF"), "\xE9\xFF");
}

TEST(TextEscape, RoundTripsEveryByte) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  EXPECT_EQ(UnescapeText(EscapeText(all)), all);
}
