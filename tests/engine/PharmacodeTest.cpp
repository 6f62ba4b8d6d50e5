// One- and two-track Pharmacode: bars of the number, its limits, and the
// colour of every bar with the wider gaps between bars of different colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Image.h"
#include "platform/Reflection.h"
#include "symbologies/pPharmacodeOneTrack.h"
#include "symbologies/pPharmacodeTwoTrack.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

constexpr TColor Green = 0x008000;

std::unique_ptr<TBarcode_Pharmacode> Track(int tracks) {
  if (tracks == 1) return std::make_unique<TBarcode_PharmacodeOneTrack>(nullptr);
  return std::make_unique<TBarcode_PharmacodeTwoTrack>(nullptr);
}

// The colour and width of each run of pixels along row y that is not white.
std::vector<std::pair<TColor, int>> ColouredRuns(const TRecordingCanvas& canvas, int y) {
  std::vector<std::pair<TColor, int>> runs;
  TColor previous = clWhite;
  for (int x = 0; x < canvas.Width(); ++x) {
    const TColor c = canvas.Pixel(x, y);
    if (c != clWhite && c == previous)
      ++runs.back().second;
    else if (c != clWhite)
      runs.push_back({c, 1});
    previous = c;
  }
  return runs;
}

// The widths of the white gaps between the bars along row y.
std::vector<int> Gaps(const TRecordingCanvas& canvas, int y) {
  std::vector<int> gaps;
  int first = canvas.Width(), last = -1;
  for (int x = 0; x < canvas.Width(); ++x) {
    if (canvas.Pixel(x, y) == clWhite) continue;
    first = std::min(first, x);
    last = x;
  }
  for (int x = first; x <= last; ++x) {
    if (canvas.Pixel(x, y) != clWhite) continue;
    if (x == first || canvas.Pixel(x - 1, y) != clWhite) gaps.push_back(0);
    ++gaps.back();
  }
  return gaps;
}

}  // namespace

TEST(Pharmacode, BarsOfTheNumber) {
  // One track: odd values end in a narrow bar (5), even ones in a wide bar (7),
  // with spaces (1) between; two tracks: remainder 1 a lower bar (9), 2 an
  // upper bar (4), 0 a full bar (5), with narrow spaces (0).
  const struct {
    int Tracks;
    const char* Text;
    const char* Pattern;
  } cases[] = {
      {1, "1", "5"},
      {1, "2", "7"},
      {1, "3", "515"},
      {1, "4", "517"},
      {1, "91", "51717171515"},
      {1, "131070", "7171717171717171717171717171717"},
      {1, "000091", "51717171515"},  // leading zeros add nothing
      {1, "0", ""},
      {1, "", ""},
      {2, "1", "9"},
      {2, "2", "4"},
      {2, "3", "5"},
      {2, "4", "909"},
      {2, "10", "509"},
      {2, "64570080", "5050505050505050505050505050505"},
      {2, "000", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Tracks) + " track(s): " + c.Text);
    const auto bc = Track(c.Tracks);
    const TEncoded encoded = Encode(*bc, c.Text, true);
    EXPECT_EQ(encoded.Pattern, c.Pattern);
    EXPECT_EQ(encoded.FullEncoded, c.Text);  // no check character
    EXPECT_EQ(bc->BarCount(), static_cast<int>(encoded.Pattern.size() + 1) / 2);
  }
  EXPECT_EQ(Modules(Encode(*Track(1), "91", false).Pattern), "1001110011100111001001");
  EXPECT_FALSE(Track(1)->IsMultiState());
  EXPECT_TRUE(Track(2)->IsMultiState());
}

TEST(Pharmacode, ValuesAboveTheLimitAreInvalidLengthsHoweverManyDigits) {
  // The exact value is compared: 4294967297 is 2^32 + 1 and must not pass as 1.
  const struct {
    int Tracks;
    const char* Text;
    bool Valid;
  } cases[] = {
      {1, "131070", true},
      {1, "0000000000000000000131070", true},
      {1, "131071", false},
      {1, "4294967296", false},
      {1, "4294967297", false},
      {1, "4295098366", false},  // 2^32 + 131070
      {1, "99999999999999999999999999", false},
      {2, "64570080", true},
      {2, "64570081", false},
      {2, "4294967299", false},            // 2^32 + 3
      {2, "18446744073709551619", false},  // 2^64 + 3
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Tracks) + " track(s): " + c.Text);
    const auto bc = Track(c.Tracks);
    EXPECT_EQ(bc->VerifyLength(c.Text, true), c.Valid);
    TRecordingCanvas canvas;
    bc->SetBarcode(c.Text);
    EXPECT_EQ(bc->DrawTo(canvas, 1, 0, 0, 40, 0), c.Valid ? ecValid : ecInvalidLength);
    if (!c.Valid) {
      EXPECT_TRUE(canvas.Polygons.empty());
      EXPECT_EQ(Encode(*bc, c.Text, true).Pattern, "");
    }
  }
}

TEST(Pharmacode, ErrorsAreReportedThroughTheEvents) {
  TImage image(nullptr);
  image.SetBounds(300, 60);
  TBarcode_PharmacodeOneTrack bc(nullptr);
  int invalidChar = 0, invalidLength = 0;
  bc.OnInvalidChar = [&](TObject*, int index, char) { invalidChar = index; };
  bc.OnInvalidLength = [&](TObject*, const std::string&) { ++invalidLength; };
  bc.SetImage(&image);
  bc.SetBarcode("131071");
  EXPECT_GT(invalidLength, 0);
  invalidLength = 0;
  // A non-digit is reported at its position, also in a text of many digits.
  for (const char* text : {"12a", "99999999999999x9"}) {
    bc.SetBarcode(text);
    EXPECT_EQ(invalidChar, static_cast<int>(std::string(text).find_first_not_of("0123456789")) + 1) << text;
  }
  EXPECT_EQ(invalidLength, 0);
}

TEST(Pharmacode, EveryBarHasItsColourAndGapsBetweenColoursAreWider) {
  // One track "91": bars narrow, wide, wide, wide, narrow, narrow (left to
  // right), entry 0 is the rightmost. Module 2: narrow 2, wide 6 pixels; gap
  // 4 pixels, 6 between bars of different colours.
  TBarcode_PharmacodeOneTrack one(nullptr);
  one.SetBarColors(0, clRed);
  EXPECT_EQ(Encode(one, "91", true).Pattern, "51717171525");
  one.SetBarColors(3, clBlue);
  one.SetBarcode("91");
  TRecordingCanvas canvas(200, 60);
  ASSERT_EQ(one.DrawTo(canvas, 2, 0, 0, 40, 0), ecValid);
  const std::vector<std::pair<TColor, int>> bars = {{clBlack, 2}, {clBlack, 6}, {clBlue, 6},
                                                    {clBlack, 6}, {clBlack, 2}, {clRed, 2}};
  EXPECT_EQ(ColouredRuns(canvas, 20), bars);
  EXPECT_EQ(Gaps(canvas, 20), (std::vector<int>{4, 6, 6, 4, 6}));

  // Two tracks "10" (full, space, lower): the upper half shows only the full
  // bar, the lower half both; module 3: bars 3, gaps 3, widened 6 pixels.
  TBarcode_PharmacodeTwoTrack two(nullptr);
  two.SetBarColors(0, Green);
  two.SetBarcode("10");
  TRecordingCanvas tracks(200, 60);
  ASSERT_EQ(two.DrawTo(tracks, 3, 0, 0, 40, 0), ecValid);
  EXPECT_EQ(ColouredRuns(tracks, 5), (std::vector<std::pair<TColor, int>>{{clBlack, 3}}));
  EXPECT_EQ(ColouredRuns(tracks, 35), (std::vector<std::pair<TColor, int>>{{clBlack, 3}, {Green, 3}}));
  EXPECT_EQ(Gaps(tracks, 35), std::vector<int>{6});
}

TEST(Pharmacode, BarColorsEntriesAndTheBarColor) {
  TImage image(nullptr);
  image.SetBounds(300, 60);
  TBarcode_PharmacodeTwoTrack bc(nullptr);
  bc.SetImage(&image);
  int changes = 0;
  bc.OnChange = [&](TObject*) { ++changes; };
  for (int i = 0; i < PharmacodeMaxBars; ++i) EXPECT_EQ(bc.GetBarColors(i), clBlack);

  // Indexes outside 0 to 15 change nothing and read as 0.
  bc.SetBarColors(5, clRed);
  bc.SetBarColors(16, clRed);
  bc.SetBarColors(-1, clRed);
  EXPECT_EQ(bc.GetBarColors(16), 0u);
  EXPECT_EQ(bc.GetBarColors(-1), 0u);
  EXPECT_EQ(bc.GetBarColors(5), clRed);

  // BarColor carries the entries that followed it and leaves the others.
  bc.SetBarColor(clBlue);
  EXPECT_EQ(bc.BarColor(), clBlue);
  for (int i = 0; i < PharmacodeMaxBars; ++i) EXPECT_EQ(bc.GetBarColors(i), i == 5 ? clRed : clBlue) << i;
  EXPECT_EQ(changes, 0);  // colours change the appearance only
}

TEST(Pharmacode, BarColorsAsTextAndAssign) {
  TBarcode_PharmacodeOneTrack bc(nullptr);
  EXPECT_EQ(GetPropValue(bc, "BarColors"), "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
  SetPropValue(bc, "BarColors", " 255 , $FF0000,0x8000");
  EXPECT_EQ(bc.GetBarColors(0), clRed);
  EXPECT_EQ(bc.GetBarColors(1), clBlue);
  EXPECT_EQ(bc.GetBarColors(2), Green);
  EXPECT_EQ(bc.GetBarColors(3), clBlack);  // entries not given are black
  EXPECT_EQ(GetPropValue(bc, "BarColors"), "255,16711680,32768,0,0,0,0,0,0,0,0,0,0,0,0,0");
  for (const char* bad : {"", "red", "1,,2", "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0"})
    EXPECT_THROW(SetPropValue(bc, "BarColors", bad), EConvertError) << bad;
  EXPECT_EQ(bc.GetBarColors(0), clRed);

  // Published at this level: the text, its spacing and the colours.
  std::vector<std::string> names;
  for (const TPropInfo* p : PublishedProperties(bc.ClassType())) names.emplace_back(p->Name);
  EXPECT_EQ(std::vector<std::string>(names.end() - 3, names.end()),
            (std::vector<std::string>{"Barcode", "TextHSpacing", "BarColors"}));
  EXPECT_EQ(FindProperty(bc.ClassType(), "Ratio"), nullptr);
  EXPECT_EQ(FindProperty(bc.ClassType(), "AutoCheckDigit"), nullptr);

  // Assign copies the colours from the same class only.
  TBarcode_PharmacodeOneTrack copy(nullptr);
  copy.Assign(&bc);
  EXPECT_EQ(copy.GetBarColors(1), clBlue);
  TBarcode_PharmacodeTwoTrack other(nullptr);
  other.SetBarcode("5");
  other.Assign(&bc);
  EXPECT_EQ(other.GetBarColors(1), clBlack);
  EXPECT_EQ(other.Barcode(), "5");
}
