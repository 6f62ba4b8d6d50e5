#include <gtest/gtest.h>

#include "FourStateBars.h"
#include "RecordingCanvas.h"
#include "SymbolTestSupport.h"
#include "platform/Image.h"
#include "platform/Reflection.h"
#include "symbologies/pPostBar.h"

using namespace tessel;
using namespace tessel::testing;

namespace {

int ErrorOf(TBarcode& bc, const std::string& text) { return VerifyBarcode(text, bc.BuildBarcodeDefineExtra(false, 0)); }

// The format character and field characters give three bars each (space 003,
// A 000 ... 9 322), postal-code letters three (A 002, K 110, S 202), digits
// two (1 01, 2 02, 3 10, 4 11).
struct TPostBarCase {
  const char* text;
  const char* data;   // format character, prefix and fields
  const char* check;  // the check symbols, the last first; for Z then the number's four bars
  const char* full;
};
const TPostBarCase formats[] = {
    {"1123ABCDEFGH", "300 010210 000001002010011012020021", "323331221010", "1123ABCDEFGH59614104"},
    // A short field is filled with spaces.
    {"1123AB", "300 010210 000001003003003003003003", "303211013111", "1123AB51370721"},
    // A "-" ends the first field early; the second field follows it.
    {"2123ABC-DEFG", "301 010210 000001002003003003003003 010011012020003003003003003003", "311031311201",
     "2123ABC-DEFG53135333"},
    {"2123ABCDEFGHIJKLMNOPQR", "301 010210 000001002010011012020021 022100101102110111112120121122", "333222022222",
     "2123ABCDEFGHIJKLMNOPQR63421042"},
    {"AK1A4S2", "000 110 01 002 11 202 02", "102031322033", "AK1A4S218135815"},
    // The generator's sample: 11 data and 4 check symbols, 49 bars.
    {"BK1A4S21234", "001 110010021120202 300301302310 003", "102130133330", "BK1A4S2123418283160"},
    {"CK1A4S2AB-CDEFGHIJKLM", "002 110010021120202 000001003003 002010011012020021022100101102110", "120332231133",
     "CK1A4S2AB-CDEFGHIJKLM24624531"},
    {"SXABC", "200 212 000001002 003003003003003003003003003003003003003003003003", "012023112023", "SXABC06112211"},
    {"TABCDEFGHIJ", "201 000001002010011012020021022100", "011310102231", "TABCDEFGHIJ05521845"},
    {"T", "201 003003003003003003003003003003", "223012100201", "T43061633"},
    {"UAB", "202 000001003003003", "001333002001", "UAB01630201"},
    // Ten check symbols, then the number 123.
    {"ZK1A4S2123", "221 110010021120202", "303113213122210100032010122312 1323", "ZK1A4S251233926361614042654123"},
};

}  // namespace

TEST(PostBar, EveryFormat) {
  TBarcode_PostBar bc(nullptr);
  EXPECT_TRUE(bc.IsMultiState());
  for (const TPostBarCase& c : formats) {
    SCOPED_TRACE(c.text);
    ASSERT_EQ(ErrorOf(bc, c.text), ecValid);
    const TEncoded e = Encode(bc, c.text, false);
    EXPECT_EQ(FourStateBars(e.Pattern), "13" + Bars(c.data) + Bars(c.check) + "13");
    EXPECT_EQ(e.FullEncoded, c.full);
  }
  EXPECT_EQ(Encode(bc, "BK1A4S21234", true).Pattern.size(), 97u);
}

TEST(PostBar, HiddenCheckDigitsAndTheNumberOfFormatZ) {
  TBarcode_PostBar bc(nullptr);
  bc.SetHideCheckDigitsText(true);
  for (const TPostBarCase& c : formats) {
    const std::string text = c.text;
    EXPECT_EQ(Encode(bc, text, true).FullEncoded, text[0] == 'Z' ? text.substr(0, 7) + "123" : text);
  }
  struct {
    const char* text;
    const char* bars;
    const char* shown;
  } numbers[] = {{"ZK1A4S2", "0000", "000"}, {"ZK1A4S244", "0230", "044"}, {"ZK1A4S2255", "3333", "255"}};
  for (const auto& n : numbers) {
    const TEncoded e = Encode(bc, n.text, true);
    const std::string bars = FourStateBars(e.Pattern);
    EXPECT_EQ(bars.substr(bars.size() - 6, 4), n.bars) << n.text;
    EXPECT_EQ(e.FullEncoded, std::string("ZK1A4S2") + n.shown);
  }
}

TEST(PostBar, ReadZField) {
  struct {
    const char* text;
    int start, count;
    const char* field;
    int next;
  } cases[] = {
      {"2123AB--CD", 5, 8, "000001003003003003003003", 9},  // "-" ends the field; separators are skipped
      {"2123ABCDEFGH-IJ", 5, 8, "000001002010011012020021", 14},
      {"2123", 5, 3, "003003003", 6},     // past the end: spaces
      {"1123A#B", 5, 3, "000003003", 7},  // any other character ends the field too
  };
  for (const auto& c : cases) {
    std::string field = "x";
    int next = 0;
    TBarcode_PostBar::ReadZField(c.text, c.start, c.count, field, next);
    EXPECT_EQ(field, std::string("x") + c.field) << c.text;
    EXPECT_EQ(next, c.next) << c.text;
  }
}

TEST(PostBar, Validation) {
  struct {
    const char* text;
    int error;
  } cases[] = {
      // Lengths; for 2 and C the second field's start counts.
      {"", ecInvalidLength},
      {"X123", ecInvalidLength},
      {"112", ecInvalidLength},
      {"1123ABCDEFGHI", ecInvalidLength},
      {"2123A-BCDEFGHIJK", ecValid},
      {"2123A-BCDEFGHIJKL", ecInvalidLength},
      {"AK1A4S21", ecInvalidLength},
      {"CK1A4S2AB-CDEFGHIJKLM", ecValid},
      {"CK1A4S2AB-CDEFGHIJKLMN", ecInvalidLength},
      {"S", ecInvalidLength},
      {"T", ecValid},
      {"TABCDEFGHIJK", ecInvalidLength},
      {"UABCDEF", ecInvalidLength},
      // Digits, postal-code letters and field characters where they belong.
      {"11A3", 3},
      {"1123AB-C", 7},
      {"2123ABC#DEFG", 8},
      {"AK1A4SX", 7},
      {"A11A4S2", 2},
      {"BK1A4S2-234", 8},
      {"S-", 2},
      {"Ta", 2},
      {"ZK1A4S21A", 9},
      // A second "-" would end the second field and lose the rest; only "-"
      // separates the fields.
      {"2123AB-CD-EF", 10},
      {"CK1A4S2A-B-CDEF", 11},
      {"2123ABCDEFGH#IJ", 13},
      // Format Z holds eight bits of its number.
      {"ZK1A4S2255", ecValid},
      {"ZK1A4S2300", 10},
  };
  TBarcode_PostBar bc(nullptr);
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(bc, c.text), c.error) << c.text;
}

TEST(PostBar, SplitText) {
  struct {
    const char* text;
    bool hide;
    const char* typed;
    const char* full;
  } cases[] = {
      {"1123AB", false, "1 123 AB", "1 123 AB 51370721"},
      {"2123ABCDEFGHIJKLMNOPQR", false, "2 123 ABCDEFGH IJKLMNOPQR", "2 123 ABCDEFGH IJKLMNOPQR 63421042"},
      {"AK1A4S2", false, "A K1A4S2", "A K1A4S2 18135815"},
      {"BK1A4S21234", false, "B K1A4S2 1234", "B K1A4S2 1234 18283160"},
      {"CK1A4S2AB-CDEFGHIJKLM", false, "C K1A4S2 AB-C DEFGHIJKLM", "C K1A4S2 AB-C DEFGHIJKLM 24624531"},
      {"SXABC", false, "S X ABC", "S X ABC 06112211"},
      {"TABCDEFGHIJ", false, "T ABCDEFGHIJ", "T ABCDEFGHIJ 05521845"},
      {"UAB", false, "U AB", "U AB 01630201"},
      {"ZK1A4S2123", false, "Z K1A4S2 123", "Z K1A4S2 51233926361614042654 123"},
      {"TABCDEFGHIJ", true, "T ABCDEFGHIJ", "T ABCDEFGHIJ"},
      {"ZK1A4S2123", true, "Z K1A4S2 123", "Z K1A4S2 123"},
  };
  for (const auto& c : cases) {
    TBarcode_PostBar bc(nullptr);
    bc.SetBarcode(c.text);
    bc.SetHideCheckDigitsText(c.hide);
    bc.SetSplitText(true);
    EXPECT_EQ(ShownText(bc, dtBarcode), c.typed);
    EXPECT_EQ(ShownText(bc, dtFullEncoded), c.full);
    bc.SetSplitText(false);
    EXPECT_EQ(ShownText(bc, dtFullEncoded), bc.GetFullEncoded());
  }
}

TEST(PostBar, SettersRedrawOnlyWhatTheTextShows) {
  TImage image(nullptr);
  image.SetBounds(400, 80);
  TBarcode_PostBar bc(nullptr);
  bc.SetImage(&image);
  bc.SetBarcode("BK1A4S21234");
  auto& canvas = static_cast<TRecordingCanvas&>(image.Picture().Bitmap()->Canvas());
  std::size_t drawn = canvas.Polygons.size();
  bc.SetSplitText(true);  // no text shown
  bc.SetHideCheckDigitsText(true);
  EXPECT_EQ(canvas.Polygons.size(), drawn);
  bc.SetDisplayText(dtBarcode);
  drawn = canvas.Polygons.size();
  bc.SetHideCheckDigitsText(false);  // not in the typed text
  EXPECT_EQ(canvas.Polygons.size(), drawn);
  bc.SetSplitText(false);
  EXPECT_GT(canvas.Polygons.size(), drawn);
  bc.SetDisplayText(dtFullEncoded);
  drawn = canvas.Polygons.size();
  bc.SetHideCheckDigitsText(true);
  EXPECT_GT(canvas.Polygons.size(), drawn);

  const std::vector<const TPropInfo*> props = PublishedProperties(bc.ClassType());
  ASSERT_GE(props.size(), 3u);
  EXPECT_EQ(props[props.size() - 3]->Name, "SplitText");
  EXPECT_EQ(props[props.size() - 2]->Name, "HideCheckDigitsText");
  EXPECT_EQ(props[props.size() - 1]->Name, "Barcode");
  TBarcode_PostBar copy(nullptr);
  copy.Assign(&bc);
  EXPECT_TRUE(copy.HideCheckDigitsText());
  EXPECT_FALSE(copy.SplitText());
  EXPECT_EQ(copy.Barcode(), "BK1A4S21234");
}
