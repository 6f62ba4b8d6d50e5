// EAN-13, EAN-8 and UPC-A: check digits, padding, validation, the exact bars
// (compared with module strings built from the published number-set codes),
// published properties and Assign.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "engine/RecordingCanvas.h"
#include "engine/SymbolTestSupport.h"
#include "platform/Reflection.h"
#include "symbologies/pCode25Int.h"
#include "symbologies/pEAN13.h"
#include "symbologies/pEAN8.h"
#include "symbologies/pUPCA.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

// Parities of EAN-13 characters 2 to 7 by the leading digit.
const char* const LeadingParity[] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                     "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};

std::string Ean13Modules(const std::string& s) {
  std::string bits = "101";
  for (int k = 1; k <= 6; ++k) bits += LeadingParity[s[0] - '0'][k - 1] == 'A' ? SetA[s[k] - '0'] : SetB[s[k] - '0'];
  bits += "01010";
  for (int k = 7; k <= 12; ++k) bits += SetC(s[k] - '0');
  return bits + "101";
}

// UPC-A and EAN-8: number set A on the left, C on the right.
std::string LeftRightModules(const std::string& s) {
  const std::size_t half = s.size() / 2;
  std::string bits = "101";
  for (std::size_t k = 0; k < half; ++k) bits += SetA[s[k] - '0'];
  bits += "01010";
  for (std::size_t k = half; k < s.size(); ++k) bits += SetC(s[k] - '0');
  return bits + "101";
}

using TFactory = std::function<std::unique_ptr<TBarcode_UPC>()>;
template <class T>
TFactory Make() {
  return [] { return std::make_unique<T>(nullptr); };
}

struct TEncodeCase {
  const char* Name;
  TFactory Create;
  const char* Input;
  bool AutoCheckDigit;
  const char* FullEncoded;
};
void PrintTo(const TEncodeCase& c, std::ostream* os) { *os << c.Name; }

class EanUpcEncode : public ::testing::TestWithParam<TEncodeCase> {};

}  // namespace

TEST_P(EanUpcEncode, FullTextAndBars) {
  const TEncodeCase& c = GetParam();
  auto bc = c.Create();
  std::string full;
  const std::string pattern = bc->MakeData(c.Input, c.AutoCheckDigit, full);
  EXPECT_EQ(full, c.FullEncoded);
  const std::string expected = full.size() == 13 ? Ean13Modules(full) : LeftRightModules(full);
  EXPECT_EQ(Modules(pattern), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EanUpcEncode,
    ::testing::Values(TEncodeCase{"Ean13", Make<TBarcode_EAN13>(), "590123412345", true, "5901234123457"},
                      TEncodeCase{"Ean13Second", Make<TBarcode_EAN13>(), "400638133393", true, "4006381333931"},
                      TEncodeCase{"Ean13Padded", Make<TBarcode_EAN13>(), "123", true, "0000000001236"},
                      TEncodeCase{"Ean13Empty", Make<TBarcode_EAN13>(), "", true, "0000000000000"},
                      // A typed check digit is encoded as typed, even a wrong one.
                      TEncodeCase{"Ean13TypedCheck", Make<TBarcode_EAN13>(), "590123412340", false, "0590123412340"},
                      TEncodeCase{"Ean8", Make<TBarcode_EAN8>(), "1234567", true, "12345670"},
                      TEncodeCase{"Ean8Second", Make<TBarcode_EAN8>(), "9638507", true, "96385074"},
                      TEncodeCase{"Ean8Padded", Make<TBarcode_EAN8>(), "42", true, "00000420"},
                      TEncodeCase{"UpcA", Make<TBarcode_UPCA>(), "03600029145", true, "036000291452"},
                      TEncodeCase{"UpcATyped", Make<TBarcode_UPCA>(), "36000291452", false, "036000291452"}),
    [](const auto& info) { return info.param.Name; });

TEST(EanUpc, EveryLeadingDigitSelectsItsParityRow) {
  TBarcode_EAN13 bc(nullptr);
  for (char lead = '0'; lead <= '9'; ++lead) {
    const std::string text = std::string(1, lead) + "123456789012";
    std::string full;
    EXPECT_EQ(Modules(bc.MakeData(text, false, full)), Ean13Modules(text)) << text;
  }
}

TEST(EanUpc, Ean13WithLeadingZeroHasTheBarsOfUpcA) {
  TBarcode_EAN13 ean(nullptr);
  TBarcode_UPCA upc(nullptr);
  std::string fullEan, fullUpc;
  EXPECT_EQ(ean.MakeData("003600029145", true, fullEan), upc.MakeData("03600029145", true, fullUpc));
  EXPECT_EQ(fullEan, "0" + fullUpc);
}

TEST(EanUpc, LengthAndCharacterErrorsThroughTheEvents) {
  struct TCase {
    TFactory Create;
    const char* Input;
    bool AutoCheckDigit;
    int Error;
  };
  const TCase cases[] = {
      {Make<TBarcode_EAN13>(), "5901234123457", true, ecInvalidLength},
      {Make<TBarcode_EAN13>(), "5901234123457", false, ecValid},
      {Make<TBarcode_EAN13>(), "59012341234570", false, ecInvalidLength},
      {Make<TBarcode_EAN13>(), "5901x34", true, 5},
      // Length is checked before the characters.
      {Make<TBarcode_EAN13>(), "5901x341234567", true, ecInvalidLength},
      {Make<TBarcode_EAN8>(), "12345670", true, ecInvalidLength},
      {Make<TBarcode_EAN8>(), "12345670", false, ecValid},
      {Make<TBarcode_EAN8>(), " 1", true, 1},
      {Make<TBarcode_UPCA>(), "036000291452", true, ecInvalidLength},
      {Make<TBarcode_UPCA>(), "03600029145-", false, 12},
  };
  for (const TCase& c : cases) {
    auto bc = c.Create();
    bc->SetAutoCheckDigit(c.AutoCheckDigit);
    bc->SetBarcode(c.Input);
    int lengthEvents = 0, charIndex = 0;
    char badChar = 0;
    bc->OnInvalidLength = [&](TObject*, const std::string&) { ++lengthEvents; };
    bc->OnInvalidChar = [&](TObject*, int index, char ch) {
      charIndex = index;
      badChar = ch;
    };
    TRecordingCanvas canvas;
    EXPECT_EQ(bc->DrawTo(canvas, 1, 0, 0, 40, 0), c.Error) << c.Input;
    if (c.Error != ecValid) {
      EXPECT_TRUE(canvas.Polygons.empty()) << c.Input;
    }
    EXPECT_EQ(bc->DefaultDisplayWidth(1, 0) == 0, c.Error != ecValid);  // reports through the events
    EXPECT_EQ(lengthEvents, c.Error == ecInvalidLength ? 1 : 0) << c.Input;
    if (c.Error > 0) {
      EXPECT_EQ(charIndex, c.Error) << c.Input;
      EXPECT_EQ(badChar, c.Input[c.Error - 1]) << c.Input;
    }
  }
}

TEST(EanUpc, GarbageReachingTheEncoderIsHarmless) {
  // GetFullEncoded runs the encoder without validation; it must not index
  // outside the digit tables.
  TBarcode_EAN13 bc(nullptr);
  bc.SetBarcode(
      "\xff"
      "a~");
  EXPECT_EQ(bc.GetFullEncoded().size(), 13u);
  std::string full;
  EXPECT_EQ(Modules(bc.MakeData("\x80\x01zzzzzzzzzzzzzz", false, full)).size(), 95u);
}

TEST(EanUpc, PublishedPropertiesAndDefaults) {
  struct TCase {
    const char* Class;
    std::vector<std::string> Published;
    std::vector<std::string> Hidden;
  };
  const TCase cases[] = {
      {"TBarcode_EAN13",
       {"Barcode", "Ratio", "TextHSpacing", "AutoCheckDigit", "ShowQuietZoneMark", "LeftQuietZoneSpacing",
        "RightQuietZoneSpacing"},
       {"ExtraFontSize"}},
      {"TBarcode_EAN8",
       {"AutoCheckDigit", "ShowQuietZoneMark", "LeftQuietZoneSpacing", "RightQuietZoneSpacing"},
       {"ExtraFontSize"}},
      {"TBarcode_UPCA",
       {"AutoCheckDigit", "LeftQuietZoneSpacing", "RightQuietZoneSpacing", "ExtraFontSize"},
       {"ShowQuietZoneMark"}},
  };
  for (const TCase& c : cases) {
    const TClassInfo* cls = FindClass(c.Class);
    ASSERT_NE(cls, nullptr) << c.Class;
    std::unique_ptr<TComponent> bc(CreateComponent(c.Class, nullptr));
    ASSERT_NE(bc, nullptr);
    for (const std::string& name : c.Published) EXPECT_NE(FindProperty(*cls, name), nullptr) << c.Class << name;
    for (const std::string& name : c.Hidden) EXPECT_EQ(FindProperty(*cls, name), nullptr) << c.Class << name;
    EXPECT_EQ(GetPropValue(*bc, "AutoCheckDigit"), "True");
    EXPECT_EQ(GetPropValue(*bc, "LeftQuietZoneSpacing"), "1");
    EXPECT_EQ(GetPropValue(*bc, "RightQuietZoneSpacing"), "1");
    EXPECT_EQ(GetPropValue(*bc, "TextHSpacing"), "0");
    EXPECT_EQ(std::stod(GetPropValue(*bc, "Ratio")), 2.0);
  }
  // The family base is a class of its own but cannot be created by name.
  EXPECT_EQ(FindClass("TBarcode_UPC"), nullptr);

  TBarcode_EAN13 ean(nullptr);
  SetPropValue(ean, "ShowQuietZoneMark", "True");
  SetPropValue(ean, "LeftQuietZoneSpacing", "4");
  EXPECT_TRUE(ean.ShowQuietZoneMark());
  EXPECT_EQ(ean.LeftQuietZoneSpacing(), 4);
}

TEST(EanUpc, AssignCopiesWithinTheFamilyOnly) {
  TBarcode_EAN8 source(nullptr);
  source.SetBarcode("1234567");
  source.SetShowQuietZoneMark(true);
  source.SetLeftQuietZoneSpacing(3);
  source.SetRightQuietZoneSpacing(5);
  source.SetModule(2);

  TBarcode_EAN13 target(nullptr);
  target.Assign(&source);
  EXPECT_EQ(target.Barcode(), "1234567");
  EXPECT_TRUE(target.ShowQuietZoneMark());
  EXPECT_EQ(target.LeftQuietZoneSpacing(), 3);
  EXPECT_EQ(target.RightQuietZoneSpacing(), 5);
  EXPECT_EQ(target.Module(), 2);

  TBarcode_Code25Interleaved other(nullptr);
  other.SetBarcode("99");
  other.SetModule(4);
  TBarcode_EAN13 untouched(nullptr);
  untouched.Assign(&other);
  EXPECT_EQ(untouched.Barcode(), "");
  EXPECT_EQ(untouched.Module(), 1);
}
