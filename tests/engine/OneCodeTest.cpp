// OneCode (Intelligent Mail barcode): the encoding steps on the worked
// examples of the published standard, validation, the Tracking and Routing
// views of the text and its grouping.
#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <set>
#include <thread>

#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Image.h"
#include "platform/Reflection.h"
#include "symbologies/pOneCode.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

struct TExample {
  const char* Tracking;
  const char* Routing;
  const char* Value;  // the 13 bytes of the data value in hexadecimal
  std::uint16_t FrameCheck;
  TOneCodeWords Codewords;   // J doubled, A with the frame check's bit 10
  TOneCodeWords Characters;  // after the frame check's inversions
  const char* Bars;          // A ascender, D descender, F full bar, T tracker
};

// USPS-B-3200's examples with routing codes of 0, 5, 9 and 11 digits.
const TExample Examples[] = {
    {"01234567094987654321",
     "",
     "00000000001122103B5C2004B1",
     0x051,
     {0, 0, 0, 0, 559, 202, 508, 451, 124, 34},
     {0x1FE0, 0x001F, 0x001F, 0x001F, 0x0ADB, 0x01A3, 0x1BC3, 0x1838, 0x012B, 0x0076},
     "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT"},
    {"01234567094987654321",
     "01234",
     "0000000D138A87BAB5CF3804B1",
     0x065,
     {0, 0, 15, 14, 290, 567, 385, 48, 388, 666},
     {0x1FE0, 0x001F, 0x02BF, 0x0057, 0x0255, 0x18DB, 0x1B17, 0x009D, 0x030B, 0x0583},
     "DTTAFADDTTFTDTFTFDTDDADADAFADFATDDFTAAAFDTTADFAAATDFDTDFADDDTDFFT"},
    {"01234567094987654321",
     "012345678",
     "000202BDC097711204D21804B1",
     0x606,
     {659, 110, 1113, 1363, 198, 413, 470, 468, 1333, 1026},
     {0x1154, 0x1F07, 0x01FE, 0x0110, 0x019A, 0x1298, 0x03A2, 0x03A1, 0x0084, 0x14EE},
     "ADFTTAFDTTTTFATTADTAAATFTFTATDAAAFDDADATATDTDTTDFDTDATADADTDFFTFA"},
    {"01234567094987654321",
     "01234567891",
     "016907B2A24ABC16A2E5C004B1",
     0x751,
     {673, 787, 607, 1022, 861, 19, 816, 1294, 35, 602},
     {0x0DCB, 0x085C, 0x08E4, 0x0B06, 0x06DD, 0x1740, 0x17C6, 0x1200, 0x123F, 0x1B2B},
     "AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA"},
};

std::string Hex(const QWordLong& v) {
  char text[27];
  std::snprintf(text, sizeof text, "%010llX%016llX", static_cast<unsigned long long>(v.Hi),
                static_cast<unsigned long long>(v.Lo));
  return text;
}

// The standard's bar letters as pattern characters, each bar followed by a space.
std::string BarPattern(std::string_view letters) {
  std::string pattern;
  for (const char c : letters) {
    pattern += c == 'F' ? 'I' : c == 'A' ? 'T' : c == 'D' ? 'L' : 'H';
    pattern += '0';
  }
  return pattern;
}

// A tracking code the component accepts.
constexpr const char* Tracking = "20704987654321654321";

}  // namespace

TEST(OneCode, EncodingStepsOfThePublishedExamples) {
  for (const TExample& e : Examples) {
    SCOPED_TRACE(std::string(e.Tracking) + "/" + e.Routing);
    const QWordLong value = OneCodeDataValue(e.Tracking, e.Routing);
    EXPECT_EQ(Hex(value), e.Value);
    const std::uint16_t frameCheck = OneCodeFrameCheckSequence(value);
    EXPECT_EQ(frameCheck, e.FrameCheck);
    const TOneCodeWords codewords = OneCodeCodewords(value, frameCheck);
    EXPECT_EQ(codewords, e.Codewords);
    EXPECT_EQ(OneCodeCharacters(codewords, frameCheck), e.Characters);

    TBarcode_OneCode bc(nullptr);
    const TEncoded encoded = Encode(bc, std::string(e.Tracking) + e.Routing, true);
    EXPECT_EQ(encoded.Pattern, BarPattern(e.Bars));
    EXPECT_EQ(encoded.FullEncoded, std::string(e.Tracking) + e.Routing);
  }
}

TEST(OneCode, CharacterTablesHoldEveryFiveAndTwoOfThirteenValueOnce) {
  const std::span<const std::uint16_t> tableI = TBarcode_OneCode::TableI(), tableII = TBarcode_OneCode::TableII();
  ASSERT_EQ(tableI.size(), 1287u);
  ASSERT_EQ(tableII.size(), 78u);
  for (const auto& [table, bits] : {std::pair{tableI, 5}, std::pair{tableII, 2}}) {
    const std::set<std::uint16_t> distinct(table.begin(), table.end());
    EXPECT_EQ(distinct.size(), table.size());
    for (const std::uint16_t v : table) EXPECT_EQ(std::popcount(v), bits) << v;
  }
  // A value and its reversal side by side from the start.
  EXPECT_EQ(tableI[0], 0x001F);
  EXPECT_EQ(tableI[1], 0x1F00);
  EXPECT_EQ(tableII[0], 0x0003);
  EXPECT_EQ(tableII[1], 0x1800);

  // A table too short for its values is filled without writing past it.
  std::array<std::uint16_t, 12> buffer{};
  buffer.fill(0xAAAA);
  TBarcode_OneCode::InitializeTables(std::span(buffer).subspan(1, 10), 2);
  EXPECT_EQ(buffer.front(), 0xAAAA);
  EXPECT_EQ(buffer.back(), 0xAAAA);
  EXPECT_EQ(buffer[1], 0x0003);
}

TEST(OneCode, EncodesFromSeveralThreadsAtOnce) {
  const TExample& e = Examples[3];
  const std::string text = std::string(e.Tracking) + e.Routing, expected = BarPattern(e.Bars);
  std::vector<int> failures(8, 0);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < failures.size(); ++t)
    threads.emplace_back([&, t] {
      TBarcode_OneCode bc(nullptr);
      for (int i = 0; i < 200; ++i) {
        std::string full;
        if (bc.MakeData(text, true, full) != expected) ++failures[t];
      }
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(failures, std::vector<int>(failures.size(), 0));
}

TEST(OneCode, RoutingCodesOf0_5_9Or11DigitsOnly) {
  TBarcode_OneCode bc(nullptr);
  TImage image(nullptr);
  image.SetBounds(400, 60);
  bc.SetImage(&image);
  const std::string digits = "12345678901234";
  for (std::size_t routing = 0; routing <= 12; ++routing) {
    const bool valid = routing == 0 || routing == 5 || routing == 9 || routing == 11;
    EXPECT_EQ(bc.VerifyLength(Tracking + digits.substr(0, routing), true), valid) << routing;
  }
  EXPECT_FALSE(bc.VerifyLength("2070498765432165432", true));
  EXPECT_FALSE(bc.VerifyLength("", true));

  std::vector<std::string> reports;
  bc.OnInvalidLength = [&](TObject*, const std::string& text) { reports.push_back(text); };
  bc.SetBarcode(Tracking + std::string("1234567"));
  EXPECT_EQ(reports, std::vector<std::string>{Tracking + std::string("1234567")});
}

TEST(OneCode, TrackingCodeHeadIsCheckedPositionByPosition) {
  TBarcode_OneCode bc(nullptr);
  for (const char* valid : {"00700000000000000000", "50706999999999999999", "30702123456789012345"})
    EXPECT_EQ(bc.VerifyAllChars(valid, true), 0) << valid;
  const std::pair<const char*, int> invalid[] = {
      {"60700000000000000000", 1},                                // barcode identifier 60
      {"21704987654321654321", 2},                                // barcode identifier 21
      {"20804987654321654321", 3},                                // service type 804
      {"20714987654321654321", 4},  {"20701987654321654321", 5},  // service type 701
      {"2070498765432165432X", 20}, {"20704987654321654321123A5", 24}, {"A1", 1},
  };
  for (const auto& [text, position] : invalid) EXPECT_EQ(bc.VerifyAllChars(text, true), position) << text;

  std::vector<int> reports;
  bc.OnInvalidChar = [&](TObject*, int index, char) { reports.push_back(index); };
  TImage image(nullptr);
  image.SetBounds(400, 60);
  bc.SetImage(&image);
  bc.SetTracking("20804987654321654321");
  EXPECT_EQ(reports, std::vector<int>{3});
}

TEST(OneCode, TrackingAndRoutingAreViewsOfTheText) {
  TBarcode_OneCode bc(nullptr);
  int changes = 0;
  bc.OnChange = [&](TObject*) { ++changes; };
  bc.SetRouting("123456789");
  EXPECT_EQ(bc.Barcode(), "00000000000000000000123456789");
  bc.SetTracking("207049876543216");
  EXPECT_EQ(bc.Tracking(), "20704987654321600000");
  EXPECT_EQ(bc.Routing(), "123456789");
  EXPECT_EQ(changes, 2);
  bc.SetTracking("20704987654321600000");  // unchanged
  EXPECT_EQ(changes, 2);
  SetPropValue(bc, "Tracking", "2070498765432165432199999");
  EXPECT_EQ(bc.Barcode(), "20704987654321654321123456789");
  SetPropValue(bc, "Routing", "");
  EXPECT_EQ(bc.Barcode(), Tracking);
  EXPECT_EQ(GetPropValue(bc, "Routing"), "");
  EXPECT_EQ(changes, 4);
}

TEST(OneCode, FullEncodedPadsTheRoutingCodeToItsField) {
  TBarcode_OneCode bc(nullptr);
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"123", "00123"},
      {"12345", "12345"},
      {"1234567", "001234567"},
      {"123456789", "123456789"},
      {"1234567890", "01234567890"},
      {"12345678901", "12345678901"},
  };
  for (const auto& [routing, shown] : cases) {
    const TEncoded e = Encode(bc, Tracking + std::string(routing), true);
    EXPECT_EQ(e.FullEncoded, Tracking + std::string(shown)) << routing;
    // The bars encode the routing code as shown.
    EXPECT_EQ(e.Pattern, Encode(bc, Tracking + std::string(shown), true).Pattern) << routing;
    EXPECT_EQ(e.Pattern.size(), 130u);
  }
  // A short tracking code is padded with zeros on the right.
  EXPECT_EQ(Encode(bc, "207", true).FullEncoded, "20700000000000000000");
}

TEST(OneCode, SplitTextGroupsTheShownText) {
  TBarcode_OneCode bc(nullptr);
  bc.SetBarcode(Tracking);
  EXPECT_EQ(ShownText(bc, dtBarcode), Tracking);
  bc.SetSplitText(stmMID6SN9);
  EXPECT_EQ(ShownText(bc, dtBarcode), "20 704 987654 321654321 ");
  bc.SetRouting("123456789");
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "20 704 987654 321654321 123456789");
  bc.SetSplitText(stmMID9SN6);
  EXPECT_EQ(ShownText(bc, dtFullEncoded), "20 704 987654321 654321 123456789");
  EXPECT_EQ(GetPropValue(bc, "SplitText"), "stmMID9SN6");
}

TEST(OneCode, AssignCopiesSplitTextFromAOneCodeOnly) {
  TBarcode_OneCode source(nullptr), target(nullptr);
  source.SetBarcode(Tracking);
  source.SetSplitText(stmMID9SN6);
  target.Assign(&source);
  EXPECT_EQ(target.SplitText(), stmMID9SN6);
  EXPECT_EQ(target.Barcode(), Tracking);

  TBarcode other(nullptr);
  other.SetBarcode("1");
  target.Assign(&other);
  EXPECT_EQ(target.Barcode(), Tracking);
}
