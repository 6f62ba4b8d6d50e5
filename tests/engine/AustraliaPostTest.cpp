#include <gtest/gtest.h>

#include "FourStateBars.h"
#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Image.h"
#include "platform/Reflection.h"
#include "symbologies/pAP4SC.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

std::string Trackers(std::size_t count) { return std::string(count, '3'); }

int ErrorOf(TBarcode& bc, const std::string& text) { return VerifyBarcode(text, bc.BuildBarcodeDefineExtra(false, 0)); }

// The parity digits of the full-encoded text as bars: each two-digit value in
// three base-4 digits.
std::string ParityBarsOf(const std::string& digits) {
  std::string bars;
  for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
    const int value = std::stoi(digits.substr(i, 2));
    bars += std::to_string(value / 16) + std::to_string(value / 4 % 4) + std::to_string(value % 4);
  }
  return bars;
}

}  // namespace

TEST(AustraliaPost, StandardCustomerBarcode) {
  TBarcode_AP4SC bc(nullptr);
  EXPECT_TRUE(bc.IsMultiState());
  // FCC 11, DPID 39987520: start, FCC and DPID through the N table, a filler,
  // the parity 50 25 52 50, stop.
  const TEncoded e = Encode(bc, "1139987520", false);
  EXPECT_EQ(FourStateBars(e.Pattern), Bars("13 0101 1030302221120200 3 302 121 310 302 13"));
  EXPECT_EQ(e.Pattern.size(), 73u);
  EXPECT_EQ(e.Pattern.substr(0, 7), "T0H0I0T");
  EXPECT_EQ(e.FullEncoded, "113998752050255250");
}

// What zint does not offer: information shorter than its field, and FCC 44.
TEST(AustraliaPost, InformationFieldsFilledWithTrackers) {
  struct {
    const char* text;
    bool numeric;
    std::size_t bars;
    std::string field;  // customer information and filler
  } cases[] = {
      {"5912345678A", false, 52, "000" + Trackers(13)},
      {"59123456781234", true, 52, "01021011" + Trackers(8)},
      {"6212345678", true, 67, Trackers(31)},
      {"4412345678a#", false, 67, "023013" + Trackers(25)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TBarcode_AP4SC bc(nullptr);
    bc.SetNumCustomerInfo(c.numeric);
    ASSERT_EQ(ErrorOf(bc, c.text), ecValid);
    const TEncoded e = Encode(bc, c.text, true);
    const std::string bars = FourStateBars(e.Pattern);
    ASSERT_EQ(bars.size(), c.bars);
    EXPECT_EQ(bars.substr(6, 16), "0102101112202122");  // DPID 12345678
    EXPECT_EQ(bars.substr(22, c.field.size()), c.field);
    // The text, then the four parity symbols, which are the bars before the stop.
    const std::size_t length = std::string(c.text).size();
    ASSERT_EQ(e.FullEncoded.size(), length + 8);
    EXPECT_EQ(e.FullEncoded.substr(0, length), c.text);
    EXPECT_EQ(bars.substr(bars.size() - 14, 12), ParityBarsOf(e.FullEncoded.substr(length)));
  }
}

TEST(AustraliaPost, Validation) {
  struct {
    const char* text;
    bool numeric;
    int error;
  } cases[] = {
      {"1139987520", false, ecValid},
      {"113998752", false, ecInvalidLength},    // shorter than FCC and DPID
      {"11399875201", false, ecInvalidLength},  // FCC 11 takes no customer information
      {"0012345678", false, ecInvalidLength},   // unknown FCC
      {"00123456789012", true, ecInvalidLength},
      {"11A9987520", false, 3},  // FCC and DPID are digits
      {"113998752A", false, 10},
      {"5912345678A", false, ecValid},
      {"5912345678A", true, 11},
      {"5912345678a #", false, ecValid},
      {"5912345678-", false, 11},
      {"5912345678123456", false, ecInvalidLength},  // 6 characters through the C table
      {"5912345678123456", true, ecValid},
      {"5912345678123456789", true, ecInvalidLength},
      {"62123456781234567890", false, ecValid},
      {"621234567812345678901", false, ecInvalidLength},
      {"4412345678123456789012345", true, ecValid},
      {"44123456781234567890123456", true, ecInvalidLength},
  };
  for (const auto& c : cases) {
    TBarcode_AP4SC bc(nullptr);
    bc.SetNumCustomerInfo(c.numeric);
    EXPECT_EQ(ErrorOf(bc, c.text), c.error) << c.text << " numeric " << c.numeric;
  }
}

TEST(AustraliaPost, SplitText) {
  TBarcode_AP4SC bc(nullptr);
  bc.SetBarcode("1139987520");
  bc.SetSplitText(true);
  EXPECT_EQ(ShownText(bc, dtBarcode), "11 39987520 ");
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "11 39987520 50 25 52 50");
  bc.SetBarcode("5912345678AB");
  const std::string full = bc.GetFullEncoded();
  ASSERT_EQ(full.size(), 20u);
  EXPECT_EQ(ShownText(bc, dtBarcode), "59 12345678 AB");
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "59 12345678 AB " + full.substr(12, 2) + " " + full.substr(14, 2) + " " +
                                              full.substr(16, 2) + " " + full.substr(18, 2));
  bc.SetSplitText(false);
  EXPECT_EQ(ShownText(bc, dtFullEncoded), full);
}

TEST(AustraliaPost, NumCustomerInfoOnEmptiesTheText) {
  TImage image(nullptr);
  image.SetBounds(300, 60);
  TBarcode_AP4SC bc(nullptr);
  bc.SetImage(&image);
  int changes = 0;
  bc.OnChange = [&](TObject*) { ++changes; };
  bc.SetBarcode("5912345678AB");
  changes = 0;
  bc.SetNumCustomerInfo(true);
  EXPECT_EQ(bc.Barcode(), "");
  EXPECT_EQ(changes, 1);
  bc.SetBarcode("591234567812");
  bc.SetNumCustomerInfo(false);  // digits are customer information of the C table too
  EXPECT_EQ(bc.Barcode(), "591234567812");
  bc.SetBarcode("");
  bc.SetNumCustomerInfo(true);
  EXPECT_TRUE(bc.NumCustomerInfo());

  // Published in this order after TBarcode's; Assign takes only its own class.
  const std::vector<const TPropInfo*> props = PublishedProperties(bc.ClassType());
  ASSERT_GE(props.size(), 3u);
  EXPECT_EQ(props[props.size() - 3]->Name, "NumCustomerInfo");
  EXPECT_EQ(props[props.size() - 2]->Name, "SplitText");
  EXPECT_EQ(props[props.size() - 1]->Name, "Barcode");
  TBarcode_AP4SC copy(nullptr);
  bc.SetSplitText(true);
  copy.Assign(&bc);
  EXPECT_TRUE(copy.NumCustomerInfo());
  EXPECT_TRUE(copy.SplitText());
  TBarcode other(nullptr);
  copy.Assign(&other);
  EXPECT_TRUE(copy.NumCustomerInfo());
}
