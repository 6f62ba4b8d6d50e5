// Plessey and MSI. Neither zxing-cpp nor zbar reads these symbologies, so the
// patterns are compared with module strings written out here and, in
// PlesseyMsiTelepenZintTest.cpp, with the independent encoder zint.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Image.h"
#include "platform/Reflection.h"
#include "symbologies/pMSI.h"
#include "symbologies/pPlessey.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// Plessey bits as lines: 0 = narrow bar, double-wide space; 1 = bar one and
// a half wide, wide space.
std::string PlesseyBits(const std::string& bits) {
  std::string lines;
  for (char b : bits) lines += b == '1' ? "71" : "53";
  return lines;
}
const std::string PlesseyStart = PlesseyBits("1101");

// MSI digit: its four bits from the most significant, 0 = "51", 1 = "60".
std::string MsiDigit(int digit) {
  std::string lines;
  for (int bit = 3; bit >= 0; --bit) lines += (digit >> bit) & 1 ? "60" : "51";
  return lines;
}

}  // namespace

TEST(Plessey, DataBitsLeastSignificantFirstAndTheThreeTerminations) {
  struct {
    bool bidirectional, uk;
    const char* termination;
  } cases[] = {
      {true, false, "5835351717"},  // the default
      {true, true, "635351717"},
      {false, false, "717"},  // a 1 bit and the termination bar
      {false, true, "717"},   // UKMode shapes the bidirectional termination only
  };
  for (const auto& c : cases) {
    TBarcode_Plessey bc(nullptr);
    bc.SetBidirectional(c.bidirectional);
    bc.SetUKMode(c.uk);
    SCOPED_TRACE(::testing::Message() << c.bidirectional << c.uk);
    // "1": bits 1000; the terminations share their last bars.
    const std::string pattern = Encode(bc, "1", false).Pattern;
    EXPECT_EQ(pattern, PlesseyStart + PlesseyBits("1000") + c.termination);
  }
  TBarcode_Plessey bc(nullptr);
  EXPECT_EQ(Encode(bc, "1", false).Pattern, "71715371715353535835351717");
  EXPECT_EQ(Modules(PlesseyBits("01")), "1000011100");  // every bit five modules
  EXPECT_EQ(Encode(bc, "C5", false).Pattern, PlesseyStart +
                                                 PlesseyBits("0011"
                                                             "1010") +
                                                 "5835351717");
}

TEST(Plessey, CrcCharactersSendTheRemainderFromItsHighestBit) {
  TBarcode_Plessey bc(nullptr);
  const std::pair<const char*, const char*> cases[] = {
      {"1", "173"},                          // remainder 11101100
      {"12345", "123456E"},                  // 01100111
      {"01", "0173"},                        // a leading zero changes no remainder
      {"", "00"},           {"FF", "FFD7"},  // remainder 10111110
  };
  for (const auto& [text, full] : cases) EXPECT_EQ(Encode(bc, text, true).FullEncoded, full) << text;
  EXPECT_EQ(Encode(bc, "1", true).Pattern, Encode(bc, "173", false).Pattern);
}

TEST(Plessey, PropertiesRedrawNotifyAndAssign) {
  TBarcode_Plessey bc(nullptr);
  EXPECT_EQ(GetPropValue(bc, "Bidirectional"), "True");
  EXPECT_EQ(GetPropValue(bc, "UKMode"), "False");
  std::vector<std::string> names;
  for (const TPropInfo* p : PublishedProperties(TBarcode_Plessey::ClassInfo)) names.push_back(std::string(p->Name));
  const std::vector<std::string> own(names.end() - 6, names.end());
  EXPECT_EQ(
      own, (std::vector<std::string>{"Bidirectional", "UKMode", "Barcode", "Ratio", "AutoCheckDigit", "TextHSpacing"}));

  int changes = 0;
  bc.OnChange = [&](TObject*) { ++changes; };
  SetPropValue(bc, "UKMode", "True");
  bc.SetUKMode(true);
  bc.SetBidirectional(false);
  EXPECT_EQ(changes, 2);

  TBarcode_Plessey copy(nullptr);
  copy.Assign(&bc);
  EXPECT_FALSE(copy.Bidirectional());
  EXPECT_TRUE(copy.UKMode());
  TBarcode_MSI msi(nullptr);
  msi.SetBarcode("99");
  copy.Assign(&msi);  // another class: ignored
  EXPECT_EQ(copy.Barcode(), "");
  std::unique_ptr<TComponent> created(CreateComponent("TBarcode_Plessey", nullptr));
  EXPECT_TRUE(static_cast<TBarcode_Plessey*>(created.get())->Bidirectional());
}

TEST(MSI, DigitsBetweenStartAndStop) {
  TBarcode_MSI bc(nullptr);
  EXPECT_EQ(Encode(bc, "1", false).Pattern, "6051515160515");
  EXPECT_EQ(MsiDigit(9), "60515160");
  for (int digit = 0; digit <= 9; ++digit)
    EXPECT_EQ(Encode(bc, std::to_string(digit), false).Pattern, "60" + MsiDigit(digit) + "515") << digit;
  EXPECT_EQ(Encode(bc, "", false).Pattern, "60515");
}

TEST(MSI, CheckMethodsAndWeightings) {
  struct {
    TCheckMethod method;
    TMod11Weighting weighting;
    const char* text;
    const char* full;
  } cases[] = {
      {cmMod10, mwIBM, "1234", "12344"},  // 8 + 3 + 4 + 1 = 16
      {cmMod10, mwIBM, "9", "91"},        // twice 9 is 18: 1 + 8
      {cmMod10, mwIBM, "", "0"},
      {cmMod11, mwIBM, "1234", "12343"},  // 8 + 9 + 8 + 5 = 30
      {cmMod11, mwNCR, "1234", "12343"},
      // Seven digits: the seventh weighs 2 (IBM, after 7) or 8 (NCR).
      {cmMod11, mwIBM, "1234567", "12345674"},      // 106 mod 11 = 7
      {cmMod11, mwNCR, "1234567", "12345679"},      // 112 mod 11 = 2
      {cmMod11, mwNCR, "123456789", "1234567897"},  // 1 weighs 2 again after 9: 202 mod 11 = 4
      {cmMod11, mwIBM, "6", "610"},                 // a check value of 10 is sent as the digits 1 and 0
      {cmMod11, mwIBM, "14", "140"},                // a sum of 11 gives 0, not 11
      {cmMod1010, mwIBM, "1234", "123448"},
      {cmMod1110, mwIBM, "1234", "123430"},
      {cmMod1110, mwIBM, "6", "6106"},  // the modulo-10 digit covers the "10"
      {cmMod1110, mwNCR, "1234567", "123456790"},
  };
  for (const auto& c : cases) {
    TBarcode_MSI bc(nullptr);
    bc.SetCheckMethod(c.method);
    bc.SetMod11Weighting(c.weighting);
    EXPECT_EQ(Encode(bc, c.text, true).FullEncoded, c.full) << c.text;
  }
  TBarcode_MSI bc(nullptr);
  bc.SetCheckMethod(cmMod11);
  EXPECT_EQ(Encode(bc, "6", true).Pattern, "60" + MsiDigit(6) + MsiDigit(1) + MsiDigit(0) + "515");
}

TEST(MSI, CheckSettingsChangeTheSymbolOnlyWhenTheyApply) {
  TBarcode_MSI bc(nullptr);
  EXPECT_EQ(GetPropValue(bc, "CheckMethod"), "cmMod10");
  EXPECT_EQ(GetPropValue(bc, "Mod11Weighting"), "mwIBM");
  bc.SetBarcode("1234567");
  TImage image(nullptr);
  bc.SetImage(&image);
  int changes = 0, draws = 0;
  bc.OnChange = [&](TObject*) { ++changes; };
  image.OnChange = [&] { ++draws; };

  bc.SetMod11Weighting(mwNCR);  // modulo 10 uses no weighting: stored only
  EXPECT_EQ(bc.Mod11Weighting(), mwNCR);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(draws, 0);
  SetPropValue(bc, "CheckMethod", "cmMod1110");
  EXPECT_EQ(changes, 1);
  EXPECT_GT(draws, 0);
  bc.SetMod11Weighting(mwIBM);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(bc.GetFullEncoded(), "123456741");

  bc.SetAutoCheckDigit(false);
  changes = draws = 0;
  bc.SetCheckMethod(cmMod10);
  bc.SetMod11Weighting(mwNCR);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(draws, 0);
  EXPECT_EQ(bc.CheckMethod(), cmMod10);
  bc.SetImage(nullptr);

  TBarcode_MSI copy(nullptr);
  copy.Assign(&bc);
  EXPECT_EQ(copy.Mod11Weighting(), mwNCR);
  EXPECT_EQ(copy.Barcode(), "1234567");
}

TEST(PlesseyMsi, InvalidCharactersAreReportedAndNothingIsDrawn) {
  struct {
    std::unique_ptr<TBarcode> bc;
    const char* text;
    int index;
  } cases[] = {
      {std::make_unique<TBarcode_Plessey>(nullptr), "12ab", 3},  // upper-case hexadecimal only
      {std::make_unique<TBarcode_Plessey>(nullptr), "G", 1},
      {std::make_unique<TBarcode_MSI>(nullptr), "12A", 3},
      {std::make_unique<TBarcode_MSI>(nullptr), "1 2", 2},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<int> reported;
    c.bc->OnInvalidChar = [&](TObject*, int index, char) { reported.push_back(index); };
    TImage image(nullptr);
    c.bc->SetImage(&image);
    c.bc->SetBarcode(c.text);
    EXPECT_EQ(reported, std::vector<int>{c.index});
    TRecordingCanvas canvas;
    EXPECT_EQ(c.bc->DrawTo(canvas, 1, 0, 0, 30, 0), c.index);
    EXPECT_TRUE(canvas.Polygons.empty());
    c.bc->SetImage(nullptr);
  }
  TBarcode_Plessey plessey(nullptr);
  EXPECT_EQ(plessey.VerifyAllChars("0123456789ABCDEF", true), 0);
  EXPECT_TRUE(plessey.VerifyLength(std::string(500, 'F'), true));  // no length limit
}
