// Flattermarken, BC309, BC412 and Clocked 3 of 5.
#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Reflection.h"
#include "symbologies/pBC309.h"
#include "symbologies/pBC412.h"
#include "symbologies/pClocked35.h"
#include "symbologies/pFlattermarken.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

constexpr const char* Digits = "0123456789";
constexpr const char* Alphanumerics = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Start "bar, 3 spaces", stop "bar, space, bar" as modules.
constexpr const char* BCStart = "1000";
constexpr const char* BCStop = "1010";

}  // namespace

TEST(IndustrialCodes, PatternsAndCheckCharacters) {
  const struct {
    std::unique_ptr<TBarcode> Symbol;
    const char* Text;
    bool Check;
    const char* FullEncoded;
    std::string Pattern;
  } cases[] = {
      {std::make_unique<TBarcode_Flattermarken>(nullptr), "109", true, "109",
       std::string("500000000") + "000000000" + "000000005"},
      {std::make_unique<TBarcode_BC309>(nullptr), "1", false, "1", "50005050050005050"},
      {std::make_unique<TBarcode_BC309>(nullptr), "1", true, "19",
       std::string("5000") + "50" + "500500" + "0" + "50" + "000505" + "0" + "5050"},
      {std::make_unique<TBarcode_BC412>(nullptr), "A", true, "AQ",  // 36 - 10 = 26
       std::string("5000") + "50" + "500050050" + "0" + "50" + "005050500" + "0" + "5050"},
      {std::make_unique<TBarcode_BC412>(nullptr), "Z9Z", true, "Z9ZT",  // 35 + 9 + 35 = 79: 36 - 7 = 29
       std::string("5000") + "50000050505" + "0" + "50500050500" + "0" + "50000050505" + "0" + "50005005050" + "0" +
           "5050"},
      {std::make_unique<TBarcode_Clocked35>(nullptr), "12", false, "12",
       "01510151515" + std::string("3") + "01015151515" + "3"},
      {std::make_unique<TBarcode_Clocked35>(nullptr), "12", true, "127",  // (10 - 3) mod 10
       "01510151515" + std::string("3") + "01015151515" + "3" + "01515151015"},
      {std::make_unique<TBarcode_Clocked35>(nullptr), "", true, "0", "51515101015"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.Symbol->ClassName()) + " " + c.Text);
    const TEncoded encoded = Encode(*c.Symbol, c.Text, c.Check);
    EXPECT_EQ(encoded.FullEncoded, c.FullEncoded);
    EXPECT_EQ(encoded.Pattern, c.Pattern);
  }
}

TEST(IndustrialCodes, EveryCharacterHasItsOwnFixedWidthShape) {
  // BC309: 9 modules with 3 bars; BC412: 12 modules with 4 bar modules; each
  // begins with a bar and ends with a space, and no two characters agree.
  const struct {
    std::unique_ptr<TBarcode> Symbol;
    std::string CharSet;
    std::size_t Width;
    long BarModules;
  } cases[] = {
      {std::make_unique<TBarcode_BC309>(nullptr), Digits, 9, 3},
      {std::make_unique<TBarcode_BC412>(nullptr), Alphanumerics, 12, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Symbol->ClassName());
    std::vector<std::string> shapes;
    for (char ch : c.CharSet) {
      const std::string modules = Modules(Encode(*c.Symbol, std::string(1, ch), false).Pattern);
      ASSERT_EQ(modules.size(), 4 + c.Width + 4) << ch;
      EXPECT_EQ(modules.substr(0, 4), BCStart);
      EXPECT_EQ(modules.substr(4 + c.Width), BCStop);
      const std::string shape = modules.substr(4, c.Width);
      EXPECT_EQ(shape.front(), '1') << ch;
      EXPECT_EQ(shape.back(), '0') << ch;
      EXPECT_EQ(std::count(shape.begin(), shape.end(), '1'), c.BarModules) << ch;
      shapes.push_back(shape);
    }
    std::sort(shapes.begin(), shapes.end());
    EXPECT_EQ(std::adjacent_find(shapes.begin(), shapes.end()), shapes.end());
  }
  // Flattermarken: one mark per nine positions, at the digit's position.
  TBarcode_Flattermarken flatter(nullptr);
  for (int d = 1; d <= 9; ++d) {
    std::string field(9, '0');
    field[static_cast<std::size_t>(d - 1)] = '1';
    EXPECT_EQ(Modules(Encode(flatter, std::to_string(d), true).Pattern), field) << d;
  }
}

TEST(IndustrialCodes, BC412TouchingBarsDrawAsOneWideBar) {
  // O is "bar, 4 spaces, bar, 3 spaces" after its opening bar and then two
  // touching bars: at module 2 a run of 4 dark pixels.
  TBarcode_BC412 bc(nullptr);
  bc.SetAutoCheckDigit(false);
  bc.SetBarcode("O");
  TRecordingCanvas canvas(200, 60);
  ASSERT_EQ(bc.DrawTo(canvas, 2, 0, 0, 40, 0), ecValid);
  EXPECT_EQ(canvas.RowRuns(20), (std::vector<int>{2, 6, 2, 4, 2, 8, 4, 4, 2, 2, 2}));
  EXPECT_EQ(bc.VerifyAllChars("AbC", true), 2);  // lower case is invalid
  EXPECT_EQ(bc.VerifyAllChars("A-C", true), 2);
}

TEST(IndustrialCodes, Clocked35RunsFromRightToLeft) {
  // The first digit is drawn rightmost: "12" is the entry of 2 before the
  // entry of 1, the reverse of "21".
  TBarcode_Clocked35 bc(nullptr);
  const std::string one = "01015151515", two = "01510151515";
  EXPECT_EQ(Encode(bc, "21", false).Pattern, one + "3" + two + "3");
  EXPECT_EQ(Encode(bc, "123", false).Pattern.substr(0, 12), "51010151515" + std::string("3"));
  // The double-width separator follows the wide ratio.
  bc.SetRatio(3.0);
  EXPECT_EQ(GetLinesWidth("3", 1, bc.Ratio()), 6);
}

TEST(IndustrialCodes, InvalidCharactersAndPublishedProperties) {
  const struct {
    std::unique_ptr<TBarcode> Symbol;
    const char* Invalid;
    int Position;
    std::vector<std::string> Published;
  } cases[] = {
      {std::make_unique<TBarcode_Flattermarken>(nullptr), "12A", 3, {"Barcode", "TextHSpacing"}},
      {std::make_unique<TBarcode_BC309>(nullptr), "1-2", 2, {"Barcode", "AutoCheckDigit", "TextHSpacing"}},
      {std::make_unique<TBarcode_BC412>(nullptr), "a", 1, {"Barcode", "AutoCheckDigit", "TextHSpacing"}},
      {std::make_unique<TBarcode_Clocked35>(nullptr), "9 ", 2, {"Barcode", "Ratio", "AutoCheckDigit", "TextHSpacing"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Symbol->ClassName());
    TRecordingCanvas canvas;
    c.Symbol->SetBarcode(c.Invalid);
    EXPECT_EQ(c.Symbol->DrawTo(canvas, 1, 0, 0, 40, 0), c.Position);
    EXPECT_TRUE(canvas.Polygons.empty());
    std::vector<std::string> own;
    for (const TPropInfo& p : c.Symbol->ClassType().Properties) own.emplace_back(p.Name);
    EXPECT_EQ(own, c.Published);
    EXPECT_TRUE(c.Symbol->AutoCheckDigit());
    EXPECT_EQ(c.Symbol->Ratio(), 2.0);
    // No length limit.
    EXPECT_TRUE(c.Symbol->VerifyLength(std::string(500, '1'), true));
  }
}
