// The decoders of bars of several heights on bars built from independent
// pieces: the published Intelligent Mail examples, and the patterns the
// library's encoders draw; a wrong check or an upside-down symbol refused.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/Catalogue.h"
#include "generator/PropertyApply.h"
#include "reader/BarDecoder.h"
#include "reader/decoders/AustraliaPost.h"
#include "reader/decoders/IntelligentMail.h"
#include "reader/decoders/PostBar.h"
#include "reader/decoders/Postal.h"

using namespace tessel;
using namespace tessel::generator;

namespace {

// Bars of the states F, A, D, T (USPS-B-3200's letters) drawn a third of
// the height apart, one every two units along the line.
std::vector<TBar> Bars(std::string_view states) {
  constexpr double Third = 1.0 / 3, Pitch = 2;
  std::vector<TBar> bars;
  bars.reserve(states.size());
  for (const char s : states) {
    const bool up = s == 'F' || s == 'A', down = s == 'F' || s == 'D';
    bars.push_back({up ? 0 : Third, down ? 1 : 2 * Third, Pitch * static_cast<double>(bars.size())});
  }
  return bars;
}

// The states of an encoder's pattern (I a full bar, T an ascender, L a
// descender, H a tracker; 5 a full and A a half bar).
std::string States(std::string_view pattern) {
  std::string states;
  for (const char c : pattern) {
    if (c == 'I' || c == '5') states.push_back('F');
    if (c == 'T') states.push_back('A');
    if (c == 'L' || c == 'A') states.push_back('D');
    if (c == 'H') states.push_back('T');
  }
  return states;
}

struct TCase {
  std::string_view Name;
  TDecodeBars Decode;
  std::string_view States;
  std::optional<std::string_view> Text;  // none when refused
};

// USPS-B-3200, the encoding examples; the last with one bar changed.
const TCase Cases[] = {
    {"Intelligent Mail, 5-digit routing code", DecodeIntelligentMail,
     "DTTAFADDTTFTDTFTFDTDDADADAFADFATDDFTAAAFDTTADFAAATDFDTDFADDDTDFFT", "0123456709498765432101234"},
    {"Intelligent Mail, 9-digit routing code", DecodeIntelligentMail,
     "ADFTTAFDTTTTFATTADTAAATFTFTATDAAAFDDADATATDTDTTDFDTDATADADTDFFTFA", "01234567094987654321012345678"},
    {"Intelligent Mail, no routing code", DecodeIntelligentMail,
     "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT", "01234567094987654321"},
    {"Intelligent Mail, a bar changed", DecodeIntelligentMail,
     "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDD", std::nullopt},
    {"POSTNET upside down", DecodePostNet, "FAAFFAFAAAFF", std::nullopt},
};

// A symbol drawn by the library, read from its pattern; then with one
// state changed at Changed, which its check must refuse.
struct TDrawnCase {
  std::string_view Entry;  // the catalogue's name
  std::string_view Text;
  TDecodeBars Decode;
  std::size_t Changed;
};
const TDrawnCase Drawn[] = {
    {"AP4SC", "1139987520", DecodeAustraliaPost, 20},
    {"AP4SC", "5932211324A124B", DecodeAustraliaPost, 30},
    {"PostBar", "BK1A4S21234", DecodePostBar, 10},
    {"PostNet", "12345", DecodePostNet, 0},
};

}  // namespace

TEST(BarDecoders, ReadThePublishedExamplesAndRefuseAWrongOne) {
  for (const TCase& c : Cases) {
    SCOPED_TRACE(std::string(c.Name));
    const auto decoded = c.Decode(Bars(c.States));
    ASSERT_EQ(decoded.has_value(), c.Text.has_value());
    if (decoded) {
      EXPECT_EQ(decoded->Text, *c.Text);
    }
  }
}

TEST(BarDecoders, ReadTheDrawnPatternAndRefuseAChangedBar) {
  for (const TDrawnCase& c : Drawn) {
    SCOPED_TRACE(std::string(c.Entry) + " " + std::string(c.Text));
    const TBarcodeComponent* entry = FindCatalogueEntry(c.Entry);
    ASSERT_NE(entry, nullptr);
    std::unique_ptr<TBarcode> barcode = CreateCatalogueBarcode(*entry);
    ApplyCatalogueDefaults(*barcode, *entry);
    std::string fullEncoded;
    std::string states = States(barcode->MakeData(std::string(c.Text), true, fullEncoded));
    const auto decoded = c.Decode(Bars(states));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->Text, fullEncoded);
    EXPECT_DOUBLE_EQ(decoded->Decodability, 1);
    states[c.Changed] = states[c.Changed] == 'T' ? 'F' : 'T';
    EXPECT_FALSE(c.Decode(Bars(states)).has_value());
  }
}
