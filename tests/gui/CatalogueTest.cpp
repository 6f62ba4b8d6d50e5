// The symbology catalogue, the colour names and the grid's text rules.
#include <gtest/gtest.h>

#include <QTest>

#include "generator/Catalogue.h"
#include "generator/PropertyApply.h"
#include "gui/WindowTestSupport.h"
#include "qt/QtTestSupport.h"

using namespace tessel;
using namespace tessel::generator;
using namespace tessel::testing;

TEST(ColorByName, FindsNamesIgnoringCaseElseTheFallback) {
  EXPECT_EQ(ColorByName("CLRED", 7), 0x0000FFu);
  EXPECT_EQ(ColorByName("clLtGray", 7), 0xC0C0C0u);
  EXPECT_EQ(ColorByName("clSilver", 7), 0xC0C0C0u);
  EXPECT_EQ(ColorByName("clWebLightPink", 7), 0xC1B6FFu);
  EXPECT_EQ(ColorByName("clBalck", 7), 7u);
  EXPECT_EQ(ColorByName("", 7), 7u);
}

TEST(Catalogue, EntriesAreInListOrderWithTheirRows) {
  const auto catalogue = Catalogue();
  EXPECT_EQ(catalogue.front().Name, "Codabar");
  EXPECT_EQ(catalogue[32].Name, "Code-128");
  EXPECT_EQ(catalogue.back().Name, "OneCode");
  struct TCase {
    std::string_view Name;
    int Rows;
    std::string_view First, Extra, ExtraDefault;
  };
  const TCase cases[] = {
      {"Codabar", 21, "Barcode", "StopCode", "B"},
      {"ITF-6", 21, "Barcode", "BearerWidth", "3"},
      {"Telepen", 23, "Barcode", "Ratio", "3.0"},
      {"PharmacodeTwoTrack", 18, "Barcode", "BarColors", DefaultBarColors},
      {"EAN-128", 23, "Barcode", "Link2D", "ldNone"},
      {"FIM", 17, "FIMType", "Module", "2"},
      {"OneCode", 18, "Tracking", "Routing", "123456789"},
      {"CPC Binary", 18, "Barcode", "BarColor", "clWebLightPink"},
  };
  for (const TCase& c : cases) {
    const TBarcodeComponent* entry = FindCatalogueEntry(c.Name);
    ASSERT_NE(entry, nullptr) << c.Name;
    EXPECT_EQ(entry->PropertyCount, c.Rows) << c.Name;
    EXPECT_EQ(entry->Rows().front().Name, c.First) << c.Name;
    EXPECT_EQ(entry->Rows().back().Name, "Locked") << c.Name;
    ASSERT_NE(entry->FindRow(c.Extra), nullptr) << c.Name;
    EXPECT_EQ(entry->FindRow(c.Extra)->DefaultValue, c.ExtraDefault) << c.Name;
  }
  EXPECT_EQ(FindCatalogueEntry("EAN-13")->FindRow("LeftQuietZoneSpacing")->MaxInt, 11);
  EXPECT_EQ(FindCatalogueEntry("UPC-A")->FindRow("RightQuietZoneSpacing")->MaxInt, 9);
  EXPECT_EQ(FindCatalogueEntry("UPC-E")->FindRow("RightQuietZoneSpacing")->MaxInt, 7);
  EXPECT_EQ(FindCatalogueEntry("codabar"), nullptr);  // names match exactly
}

TEST(GridText, CommaTextSplitsOnCommasAndBlanksAndKeepsQuotes) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitCommaText("\"OCR-B 10 BT\", 8, clBalck, 1"), (V{"OCR-B 10 BT", "8", "clBalck", "1"}));
  EXPECT_EQ(SplitCommaText("a b,,c,"), (V{"a", "b", "", "c", ""}));
  EXPECT_EQ(SplitCommaText("  "), V{});
  EXPECT_EQ(SplitCommaText("\"say \"\"hi\"\"\""), V{"say \"hi\""});
}

TEST(GridText, FontTextFallsBackItemByItem) {
  const TFont font = FontFromText("Arial, x, clRed, 0, fsItalic,fsStrikeOut");
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Color(), 0x0000FFu);
  EXPECT_EQ(font.Charset(), 0);
  EXPECT_EQ(font.Style(), (TFontStyles{TFontStyle::fsItalic, TFontStyle::fsStrikeOut}));
  const TFont empty = FontFromText("");
  EXPECT_EQ(empty.Name(), "Tahoma");
  EXPECT_EQ(empty.Charset(), 1);
  EXPECT_EQ(FontFromText("Arial, 9, 255").Color(), 255u);  // a colour number
}

TEST(GridText, BarColorListsFallBackToTheDefaults) {
  EXPECT_FALSE(BarColorsFromList("clRed", DefaultBarColors));  // one colour changes nothing
  const auto colors = BarColorsFromList("clRed, nonsense", "clBlack, clBlue, clLime");
  ASSERT_TRUE(colors);
  EXPECT_EQ((*colors)[0], 0x0000FFu);
  EXPECT_EQ((*colors)[1], 0xFF0000u);  // the default's item 1
  EXPECT_EQ((*colors)[2], 0x00FF00u);
  EXPECT_EQ((*colors)[15], 0u);  // beyond both lists
  EXPECT_TRUE(IsColorListForm("clRed,clBlue"));
  EXPECT_FALSE(IsColorListForm(" 03: clRed"));
  EXPECT_FALSE(IsColorListForm("[03: clRed]"));
}

// Every entry draws its default text; the reader decodes those it reads.
class EveryEntry : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryEntry, DrawsItsDefaultSymbolWithoutAnError) {
  const TBarcodeComponent& entry = Catalogue()[static_cast<std::size_t>(GetParam())];
  Select(QString::fromLatin1(entry.Name));
  ASSERT_NE(window->Barcode(), nullptr) << "class " << entry.BarcodeClass << " is not available";
  EXPECT_EQ(State(), "");
  const QImage preview = window->PreviewImage();
  EXPECT_FALSE(InkBox(preview).isNull());

  // Symbologies the reader knows, with the reader's name and modes.
  struct TReadable {
    std::string_view Name, Format;
    TReaderModes Modes;
  };
  const TReadable readable[] = {
      {"Codabar", "Codabar", {}},
      {"Code25Interleaved", "ITF", {}},
      {"ITF-14", "ITF", {}},
      {"Code39", "Code39", {}},
      {"Code39Extension", "Code39", {.Code39Extended = true}},
      {"Code93", "Code93", {}},
      {"Code93Extension", "Code93", {}},
      {"UPC-A", "UPCA|EAN13", {}},
      {"EAN-13", "EAN13", {}},
      {"EAN-8", "EAN8", {}},
      {"Code-128", "Code128", {}},
  };
  for (const TReadable& r : readable) {
    if (r.Name != entry.Name) continue;
    const auto decoded = Decode(preview, std::string(r.Format), r.Modes);
    ASSERT_TRUE(decoded) << entry.Name;
    EXPECT_NE(decoded->Text.find(entry.FindRow("Barcode")->DefaultValue), std::string::npos)
        << entry.Name << ": " << decoded->Text;
  }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, EveryEntry, ::testing::Range(0, static_cast<int>(Catalogue().size())),
                         [](const ::testing::TestParamInfo<int>& info) {
                           std::string name(Catalogue()[static_cast<std::size_t>(info.param)].Name);
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });
