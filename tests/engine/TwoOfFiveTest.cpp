// The two-of-five family: Industrial, inverted Industrial, IATA,
// Interleaved, Matrix, Datalogic and COOP 2 of 5.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "RecordingCanvas.h"
#include "platform/Image.h"
#include "symbologies/pCode25.h"
#include "symbologies/pCode25Dat.h"
#include "symbologies/pCode25Ind.h"
#include "symbologies/pCode25Int.h"
#include "symbologies/pCode25Inv.h"
#include "symbologies/pCode25Mat.h"
#include "symbologies/pCoop25.h"
#include "symbologies/pIATA.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

using TFactory = std::function<std::unique_ptr<TBarcode>()>;

template <class T>
TFactory Make() {
  return [] { return std::make_unique<T>(nullptr); };
}

std::unique_ptr<TBarcode> Interleaved(TCode25InterleavedPadding padding) {
  auto bc = std::make_unique<TBarcode_Code25Interleaved>(nullptr);
  bc->SetPadding(padding);
  return bc;
}

struct TPatternCase {
  const char* Name;
  TFactory Create;
  const char* Text;
  bool AutoCheckDigit;
  const char* Pattern;
  const char* FullEncoded;
};

const TFactory industrial = Make<TBarcode_Code25Industrial>();
const TFactory invert = Make<TBarcode_Code25Invert>();
const TFactory iata = Make<TBarcode_IATA>();
const TFactory interleaved = Make<TBarcode_Code25Interleaved>();
const TFactory interleavedRight = [] { return Interleaved(cipRight); };
const TFactory matrix = Make<TBarcode_Code25Matrix>();
const TFactory datalogic = Make<TBarcode_Code25Datalogic>();
const TFactory coop = Make<TBarcode_Coop25>();

const TPatternCase patternCases[] = {
    {"Industrial1", industrial, "1", false, "606050605050506060506", "1"},
    {"Invert1", invert, "1", false, "51515051505050515150515", "1"},
    {"IATA1", iata, "1", false, "50506050505060605", "1"},
    {"Interleaved12", interleaved, "12", false, "50506051505061605", "12"},
    {"Interleaved123Left", interleaved, "123", false, "505051506060515161505060605", "0123"},
    {"Interleaved123Right", interleavedRight, "123", false, "505060515050616060505050605", "123:"},
    {"Matrix1", matrix, "1", false, "70505060506070505", "1"},
    {"Datalogic1", datalogic, "1", false, "5050605060605", "1"},
    {"Coop1", coop, "1", false, "6060505160516", "1"},
    {"Industrial0", industrial, "0", false, "606050505060605060506", "0"},
    {"Coop90", coop, "90", false, "6060606050615050516", "90"},
    // Empty texts: start and stop only.
    {"IndustrialEmpty", industrial, "", false, "60605060506", ""},
    {"InvertEmpty", invert, "", false, "5151505150515", ""},
    {"IATAEmpty", iata, "", false, "5050605", ""},
    {"InterleavedEmpty", interleaved, "", false, "5050605", ""},
    {"MatrixEmpty", matrix, "", false, "70505070505", ""},
    {"DatalogicEmpty", datalogic, "", false, "5050605", ""},
    {"CoopEmpty", coop, "", false, "6060516", ""},
    // Check digits.
    {"Industrial1234", industrial, "1234", true, nullptr, "12348"},
    {"Invert1234", invert, "1234", true, nullptr, "12348"},
    {"IATA1234", iata, "1234", true, nullptr, "12348"},
    {"Matrix1234", matrix, "1234", true, nullptr, "12348"},
    {"Datalogic1234", datalogic, "1234", true, nullptr, "12348"},
    {"Interleaved1234Left", interleaved, "1234", true, nullptr, "012348"},
    {"Interleaved1234Right", interleavedRight, "1234", true, nullptr, "12348:"},
    {"Coop1234", coop, "1234", true, nullptr, "12342"},
    {"Coop12", coop, "12", true, nullptr, "125"},
    {"Industrial12", industrial, "12", true, nullptr, "123"},
    {"IndustrialEmptyCheck", industrial, "", true, nullptr, "0"},
    {"InterleavedEmptyCheck", interleaved, "", true, "50505050616150605", "00"},
    {"CoopEmptyCheck", coop, "", true, nullptr, "0"},
};

void PrintTo(const TPatternCase& c, std::ostream* os) { *os << c.Name; }

class TwoOfFivePattern : public ::testing::TestWithParam<TPatternCase> {};

}  // namespace

TEST_P(TwoOfFivePattern, Encodes) {
  const TPatternCase& c = GetParam();
  auto bc = c.Create();
  std::string full;
  const std::string pattern = bc->MakeData(c.Text, c.AutoCheckDigit, full);
  if (c.Pattern) {
    EXPECT_EQ(pattern, c.Pattern);
  }
  EXPECT_EQ(full, c.FullEncoded);
  EXPECT_EQ(bc->VerifyAllChars(c.Text, c.AutoCheckDigit), 0);
  EXPECT_TRUE(bc->VerifyLength(c.Text, c.AutoCheckDigit));
  // The component's own settings give the same.
  bc->SetAutoCheckDigit(c.AutoCheckDigit);
  bc->SetBarcode(c.Text);
  EXPECT_EQ(bc->GetFullEncoded(), c.FullEncoded);
}

INSTANTIATE_TEST_SUITE_P(Examples, TwoOfFivePattern, ::testing::ValuesIn(patternCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(TwoOfFive, OnlyDigitsAreAccepted) {
  const TFactory all[] = {industrial, invert, iata, interleaved, matrix, datalogic, coop};
  for (const TFactory& create : all) {
    auto bc = create();
    EXPECT_EQ(bc->VerifyAllChars("12A", true), 3) << bc->ClassName();
    EXPECT_EQ(bc->VerifyAllChars("1:", false), 2) << bc->ClassName();  // the padding row is not a character
    EXPECT_EQ(bc->VerifyAllChars(" 1", false), 1) << bc->ClassName();
    EXPECT_EQ(bc->VerifyAllChars("0123456789", false), 0) << bc->ClassName();
    EXPECT_TRUE(bc->VerifyLength(std::string(200, '1'), true)) << bc->ClassName();

    // Through the component: reported once, nothing drawn.
    std::vector<std::pair<int, char>> reported;
    bc->OnInvalidChar = [&](TObject*, int index, char c) { reported.emplace_back(index, c); };
    TImage image(nullptr);
    bc->SetImage(&image);
    bc->SetBarcode("12A");
    EXPECT_EQ(reported, (std::vector<std::pair<int, char>>{{3, 'A'}})) << bc->ClassName();
    bc->SetImage(nullptr);
  }
}

TEST(TwoOfFive, BaseClassHasAnEmptyPattern) {
  TBarcode_Code25 bc(nullptr);
  std::string full;
  EXPECT_EQ(bc.MakeData("1234", true, full), "");
  EXPECT_EQ(full, "12348");
  EXPECT_EQ(bc.MakeData("987", false, full), "");
  EXPECT_EQ(full, "987");
  TRecordingCanvas canvas;
  bc.SetBarcode("1234");
  EXPECT_EQ(bc.DrawTo(canvas, 2, 0, 0, 20, 0), ecValid);
  EXPECT_TRUE(canvas.Polygons.empty());
}

TEST(TwoOfFive, NoQuietZones) {
  TBarcode_Code25Industrial bc(nullptr);
  TRecordingCanvas canvas;
  int error = -1;
  // "1": 21 lines, 6 of them wide bars: 27 modules and nothing around them.
  EXPECT_EQ(bc.DefaultDisplayWidth(&canvas, "1", false, 2.0, 1, dtNone, taCenter, error, nullptr, 0, 0), 27);
  EXPECT_EQ(error, ecValid);
}

TEST(TwoOfFive, WideElementsFollowTheRatio) {
  TBarcode_Code25Matrix bc(nullptr);
  bc.SetAutoCheckDigit(false);
  bc.SetBarcode("1");
  bc.SetRatio(2.5);
  TRecordingCanvas canvas(200, 50);
  ASSERT_EQ(bc.DrawTo(canvas, 2, 0, 0, 20, 0), ecValid);
  // 70505060506070505: W = 5, W3 = 7.
  EXPECT_EQ(canvas.RowRuns(10), (std::vector<int>{7, 2, 2, 2, 2, 2, 5, 2, 2, 2, 5, 2, 7, 2, 2, 2, 2}));
}

TEST(TwoOfFive, PaddingRedrawsAndNotifies) {
  TBarcode_Code25Interleaved bc(nullptr);
  EXPECT_EQ(bc.Padding(), cipLeft);
  bc.SetBarcode("123");
  bc.SetAutoCheckDigit(false);
  int changes = 0;
  bc.OnChange = [&](TObject*) { ++changes; };
  bc.SetPadding(cipRight);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(bc.GetFullEncoded(), "123:");
  bc.SetPadding(cipRight);
  EXPECT_EQ(changes, 1);
  bc.SetDisplayText(dtFullEncoded);
  TRecordingCanvas canvas;
  ASSERT_EQ(bc.DrawTo(canvas, 1, 0, 0, 30, 0), ecValid);
  ASSERT_EQ(canvas.Texts.size(), 1u);
  EXPECT_EQ(canvas.Texts[0].Text, "123:");
}

TEST(TwoOfFive, AssignCopiesPaddingOnlyBetweenInterleavedCodes) {
  TBarcode_Code25Interleaved source(nullptr);
  source.SetPadding(cipRight);
  source.SetBarcode("77");
  TBarcode_Code25Interleaved target(nullptr);
  target.Assign(&source);
  EXPECT_EQ(target.Padding(), cipRight);
  EXPECT_EQ(target.Barcode(), "77");

  // Any other source is ignored by an interleaved code...
  TBarcode_Code25Industrial industrialSource(nullptr);
  industrialSource.SetBarcode("55");
  target.Assign(&industrialSource);
  EXPECT_EQ(target.Barcode(), "77");
  EXPECT_EQ(target.Padding(), cipRight);

  // ...while the others take the base settings from any barcode.
  TBarcode_Code25Industrial industrialTarget(nullptr);
  industrialTarget.Assign(&source);
  EXPECT_EQ(industrialTarget.Barcode(), "77");
}
