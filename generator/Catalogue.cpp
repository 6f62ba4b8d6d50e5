#include "generator/Catalogue.h"

#include <initializer_list>
#include <utility>

#include "components/pBarcode.h"
#include "platform/Reflection.h"
#include "symbologies/pCode11.h"
#include "symbologies/pCode128.h"
#include "symbologies/pCode25Int.h"
#include "symbologies/pEAN128.h"
#include "symbologies/pITF6.h"
#include "symbologies/pMSI.h"
#include "symbologies/pOneCode.h"
#include "symbologies/pTelepen.h"

namespace tessel::generator {
namespace {

// ---- the colour names ------------------------------------------------------

constexpr std::array<TColorName, ColorNameCount> ColorNameTable{{
    {"clBlack", 0x000000},  {"clWhite", 0xFFFFFF},   {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080},  {"clNavy", 0x800000},    {"clPurple", 0x800080},     {"clTeal", 0x808000},
    {"clGray", 0x808080},   {"clSilver", 0xC0C0C0},  {"clRed", 0x0000FF},        {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF}, {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clLtGray", 0xC0C0C0}, {"clDkGray", 0x808080},  {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},  {"clMedGray", 0xA4A0A0}, {"clWebOrange", 0x00A5FF},  {"clWebLightPink", 0xC1B6FF},
}};

// The pick list of every colour row: the names above, in order, joined by ", ".
constexpr std::string_view ColorPickList =
    "clBlack, clWhite, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray, clSilver, clRed, clLime, "
    "clYellow, clBlue, clFuchsia, clAqua, clLtGray, clDkGray, clMoneyGreen, clSkyBlue, clCream, clMedGray, "
    "clWebOrange, clWebLightPink";

constexpr bool PickListMatchesColorNames() {
  std::size_t at = 0;
  for (std::size_t i = 0; i < ColorNameTable.size(); ++i) {
    if (i > 0) {
      if (ColorPickList.substr(at, 2) != ", ") return false;
      at += 2;
    }
    if (ColorPickList.substr(at, ColorNameTable[i].Name.size()) != ColorNameTable[i].Name) return false;
    at += ColorNameTable[i].Name.size();
  }
  return at == ColorPickList.size();
}
static_assert(PickListMatchesColorNames(), "the colour pick list lists the colour names in order");

// ---- row definitions -------------------------------------------------------

constexpr std::string_view BooleanPickList = "True, False";
constexpr std::string_view LetterPickList = "ABCD";

constexpr TProperty Row(std::string_view name, std::string_view value, TPropertyKind kind) {
  TProperty row;
  row.Name = name;
  row.DefaultValue = value;
  row.Kind = kind;
  return row;
}
constexpr TProperty Integer(std::string_view name, std::string_view value, int min, int max) {
  TProperty row = Row(name, value, pkInteger);
  row.MinInt = min;
  row.MaxInt = max;
  return row;
}
constexpr TProperty Float(std::string_view name, std::string_view value, double min, double max, int digits) {
  TProperty row = Row(name, value, pkFloat);
  row.MinFloat = min;
  row.MaxFloat = max;
  row.Digits = digits;
  return row;
}
constexpr TProperty Choice(std::string_view name, TPropertyKind kind, std::string_view value,
                           std::string_view pickList) {
  TProperty row = Row(name, value, kind);
  row.PickList = pickList;
  return row;
}
constexpr TProperty Boolean(std::string_view name, std::string_view value) {
  return Choice(name, pkBoolean, value, BooleanPickList);
}
// The value names of a published enumeration joined by ", ": the pick list
// of its rows, built from the enumeration's own names.
template <class E>
struct TEnumPickList {
  static constexpr std::size_t Length = [] {
    std::size_t length = 0;
    for (std::string_view name : TEnumNames<E>::Names) length += (length > 0 ? 2 : 0) + name.size();
    return length;
  }();
  static constexpr std::array<char, Length> Text = [] {
    std::array<char, Length> text{};
    std::size_t at = 0;
    for (std::string_view name : TEnumNames<E>::Names) {
      if (at > 0) {
        text[at++] = ',';
        text[at++] = ' ';
      }
      for (char c : name) text[at++] = c;
    }
    return text;
  }();
};

// A row of a published enumeration; a default that is not one of its names
// stops compilation.
template <class E>
constexpr TProperty Enumeration(std::string_view name, std::string_view value) {
  bool known = false;
  for (std::string_view valueName : TEnumNames<E>::Names) known = known || valueName == value;
  if (!known) throw "catalogue default is no value of the enumeration";
  return Choice(name, pkEnumeration, value, {TEnumPickList<E>::Text.data(), TEnumPickList<E>::Length});
}
constexpr TProperty Text(std::string_view name, std::string_view value) { return Row(name, value, pkText); }
constexpr TProperty ColorList(std::string_view name, std::string_view value, std::uint8_t itemCount) {
  TProperty row = Choice(name, pkColorList, value, ColorPickList);
  row.ItemCount = itemCount;
  return row;
}

// The standard rows, in the standard order.
constexpr TProperty rowBarcode = Text("Barcode", "");
constexpr TProperty rowModule = Integer("Module", "1", 1, 99);
constexpr TProperty rowRatio = Float("Ratio", "2.0", 1.0, 10.0, 1);
constexpr TProperty rowLeftMargin = Integer("LeftMargin", "5", 0, 1280);
constexpr TProperty rowTopMargin = Integer("TopMargin", "5", 0, 1280);
constexpr TProperty rowBarcodeWidth = Integer("BarcodeWidth", "-1", -1280, 1280);
constexpr TProperty rowBarcodeHeight = Integer("BarcodeHeight", "80", -1280, 1280);
constexpr TProperty rowStretchWidth = Boolean("StretchWidth", "False");
constexpr TProperty rowBarColor = Choice("BarColor", pkColor, "clBlack", ColorPickList);
constexpr TProperty rowSpaceColor = Choice("SpaceColor", pkColor, "clWhite", ColorPickList);
constexpr TProperty rowOrientation = Enumeration<TBarcodeOrientation>("Orientation", "boLeftRight");
constexpr TProperty rowAutoCheckDigit = Boolean("AutoCheckDigit", "True");
constexpr TProperty rowDisplayText = Enumeration<TDisplayText>("DisplayText", "dtBarcode");
constexpr TProperty rowTextFont = Row("TextFont", "Tahoma, 8, clBlack, 1", pkFont);
constexpr TProperty rowTextPosition = Enumeration<TTextPosition>("TextPosition", "tpBottomOut");
constexpr TProperty rowTextAlignment = Enumeration<TTextAlignment>("TextAlignment", "taCenter");
constexpr TProperty rowTextHSpacing = Integer("TextHSpacing", "0", -10, 10);
constexpr TProperty rowTextVSpacing = Integer("TextVSpacing", "0", -10, 10);
constexpr TProperty rowLocked = Boolean("Locked", "False");

// Rows that some symbologies add.
constexpr TProperty rowStartCode = Choice("StartCode", pkCharChoice, "A", LetterPickList);
constexpr TProperty rowStopCode = Choice("StopCode", pkCharChoice, "B", LetterPickList);
constexpr TProperty rowFIMType = Choice("FIMType", pkCharChoice, "A", LetterPickList);
constexpr TProperty rowNumberCheckDigit = Enumeration<TNumberCheckDigit>("NumberCheckDigit", "ncdAuto");
constexpr TProperty rowPadding = Enumeration<TCode25InterleavedPadding>("Padding", "cipLeft");
constexpr TProperty rowSplitText = Boolean("SplitText", "False");
constexpr TProperty rowSplitTextMode = Enumeration<TOneCodeSplitTextMode>("SplitText", "stmNone");
constexpr TProperty rowBearerBars = Enumeration<TBearerBars>("BearerBars", "bbFourSides");
constexpr TProperty rowLeftSpacing = Integer("LeftSpacing", "10", 0, 50);
constexpr TProperty rowRightSpacing = Integer("RightSpacing", "10", 0, 50);
constexpr TProperty rowBearerWidth = Integer("BearerWidth", "3", 0, 50);
constexpr TProperty rowShowGuards = Boolean("ShowGuards", "True");
constexpr TProperty rowInterGap = Boolean("InterGap", "False");
constexpr TProperty rowBidirectional = Boolean("Bidirectional", "True");
constexpr TProperty rowUKMode = Boolean("UKMode", "False");
constexpr TProperty rowNumCustomerInfo = Boolean("NumCustomerInfo", "False");
constexpr TProperty rowHideCheckDigitsText = Boolean("HideCheckDigitsText", "False");
constexpr TProperty rowCheckMethod = Enumeration<TCheckMethod>("CheckMethod", "cmMod10");
constexpr TProperty rowMod11Weighting = Enumeration<TMod11Weighting>("Mod11Weighting", "mwIBM");
constexpr TProperty rowMode = Enumeration<TTelepenMode>("Mode", "tmFullASCII");
constexpr TProperty rowGuards = Enumeration<TTelepenGuards>("Guards", "tgAuto");
constexpr TProperty rowExtraChar = Enumeration<TTelepenExtraChar>("ExtraChar", "tecNone");
constexpr TProperty rowOddEncode = Enumeration<TTelepenOddEncode>("OddEncode", "toeUseNULL");
constexpr TProperty rowBarColors = ColorList("BarColors", DefaultBarColors, BarColorCount);
constexpr TProperty rowExtraFontSize = Integer("ExtraFontSize", "7", 0, 255);
constexpr TProperty rowLeftQuietZoneSpacing = Integer("LeftQuietZoneSpacing", "1", 1, 9);
constexpr TProperty rowRightQuietZoneSpacing = Integer("RightQuietZoneSpacing", "1", 1, 7);
constexpr TProperty rowShowQuietZoneMark = Choice("ShowQuietZoneMark", pkEnumeration, "False", BooleanPickList);
constexpr TProperty rowInitialSubSet = Enumeration<TCode128SubSet>("InitialSubSet", "cssSubAuto");
constexpr TProperty rowCheckStart = Integer("CheckStart", "3", 1, 10);
constexpr TProperty rowCheckLength = Integer("CheckLength", "0", 0, 18);
constexpr TProperty rowLink2D = Enumeration<TLink2D>("Link2D", "ldNone");
constexpr TProperty rowTracking = Text("Tracking", "");
constexpr TProperty rowRouting = Text("Routing", "");

// ---- building the rows of one entry ---------------------------------------

// A row list built from the standard sequence by removing, inserting and
// re-defaulting rows; a name that is not there stops compilation.
class TRows {
 public:
  constexpr TRows() {
    for (const TProperty& row :
         {rowBarcode, rowModule, rowRatio, rowLeftMargin, rowTopMargin, rowBarcodeWidth, rowBarcodeHeight,
          rowStretchWidth, rowBarColor, rowSpaceColor, rowOrientation, rowAutoCheckDigit, rowDisplayText, rowTextFont,
          rowTextPosition, rowTextAlignment, rowTextHSpacing, rowTextVSpacing, rowLocked})
      rows_[count_++] = row;
  }

  constexpr TRows Without(std::initializer_list<std::string_view> names) const {
    TRows result = *this;
    for (std::string_view name : names) result.RemoveAt(result.IndexOf(name));
    return result;
  }
  constexpr TRows After(std::string_view name, std::initializer_list<TProperty> rows) const {
    TRows result = *this;
    result.InsertAt(result.IndexOf(name) + 1, rows);
    return result;
  }
  constexpr TRows First(std::initializer_list<TProperty> rows) const {
    TRows result = *this;
    result.InsertAt(0, rows);
    return result;
  }
  constexpr TRows Defaults(std::initializer_list<std::pair<std::string_view, std::string_view>> values) const {
    TRows result = *this;
    for (const auto& [name, value] : values) result.rows_[result.IndexOf(name)].DefaultValue = value;
    return result;
  }
  constexpr TRows Range(std::string_view name, int min, int max) const {
    TRows result = *this;
    result.rows_[result.IndexOf(name)].MinInt = min;
    result.rows_[result.IndexOf(name)].MaxInt = max;
    return result;
  }

  constexpr TBarcodeComponent Entry(std::string_view name, std::string_view barcodeClass,
                                    std::string_view paletteAfter = {}) const {
    return {name, barcodeClass, count_, rows_, paletteAfter};
  }

 private:
  constexpr int IndexOf(std::string_view name) const {
    for (int i = 0; i < count_; ++i)
      if (rows_[i].Name == name) return i;
    throw "catalogue row not found";
  }
  constexpr void RemoveAt(int index) {
    for (int i = index; i + 1 < count_; ++i) rows_[i] = rows_[i + 1];
    rows_[--count_] = TProperty{};
  }
  constexpr void InsertAt(int index, std::initializer_list<TProperty> rows) {
    const int n = static_cast<int>(rows.size());
    if (count_ + n > MaxProperties) throw "too many catalogue rows";
    for (int i = count_ - 1; i >= index; --i) rows_[i + n] = rows_[i];
    for (const TProperty& row : rows) rows_[index++] = row;
    count_ += n;
  }

  std::array<TProperty, MaxProperties> rows_{};
  int count_ = 0;
};

constexpr TRows Standard{};
using D = std::pair<std::string_view, std::string_view>;

// Row sets shared by several entries.
constexpr TRows Code39Rows = Standard.After("TextVSpacing", {rowShowGuards, rowInterGap});
constexpr TRows PharmacodeRows = Standard.Without({"Ratio", "AutoCheckDigit"}).After("TextVSpacing", {rowBarColors});
constexpr TRows UpcRows = Standard.After("TextFont", {rowExtraFontSize})
                              .After("TextVSpacing", {rowLeftQuietZoneSpacing, rowRightQuietZoneSpacing});
constexpr TRows AddOnRows =
    Standard.Without({"AutoCheckDigit"}).After("TextVSpacing", {rowShowQuietZoneMark, rowRightQuietZoneSpacing});
constexpr TRows EanRows =
    Standard.After("TextVSpacing", {rowShowQuietZoneMark, rowLeftQuietZoneSpacing, rowRightQuietZoneSpacing});
// Industrial and postal symbols: module 2, 32 pixels high.
constexpr D Module2{"Module", "2"};
constexpr D Height32{"BarcodeHeight", "32"};

// The size follows the entries: adding a symbology is adding its entry here.
constexpr auto CatalogueTable = std::to_array<TBarcodeComponent>({
    Standard.After("TextVSpacing", {rowStartCode, rowStopCode})
        .Defaults({{"Barcode", "1234567890"}, {"StartCode", "A"}, {"StopCode", "B"}})
        .Entry("Codabar", "TBarcode_Codabar"),
    Standard.After("AutoCheckDigit", {rowNumberCheckDigit})
        .Defaults({{"Barcode", "1234567890"}})
        .Entry("Code11", "TBarcode_Code11"),
    Standard.Defaults({{"Barcode", "1234567890"}}).Entry("Code25Industrial", "TBarcode_Code25Industrial"),
    Standard.Defaults({{"Barcode", "1234567890"}}).Entry("Code25Invert", "TBarcode_Code25Invert"),
    Standard.Defaults({{"Barcode", "1234567890"}}).Entry("IATA", "TBarcode_IATA"),
    Standard.After("TextVSpacing", {rowPadding})
        .Defaults({{"Barcode", "1234567890"}})
        .Entry("Code25Interleaved", "TBarcode_Code25Interleaved"),
    Standard.Defaults({{"Barcode", "1234567890"}}).Entry("Code25Matrix", "TBarcode_Code25Matrix"),
    Standard.Defaults({{"Barcode", "1234567890"}}).Entry("Code25Datalogic", "TBarcode_Code25Datalogic"),
    Standard.Defaults({{"Barcode", "1234567890"}}).Entry("Coop25", "TBarcode_Coop25"),
    Standard.After("TextVSpacing", {rowSplitText})
        .Defaults({{"Barcode", "1234567890123"}, {"SplitText", "False"}})
        .Entry("Leitcode", "TBarcode_Leitcode"),
    Standard.After("TextVSpacing", {rowSplitText})
        .Defaults({{"Barcode", "12345678901"}, {"SplitText", "False"}})
        .Entry("Identcode", "TBarcode_Identcode"),
    Standard.Without({"AutoCheckDigit", "TextHSpacing"})
        .After("TextVSpacing", {rowBearerBars, rowLeftSpacing, rowRightSpacing, rowBearerWidth})
        .Defaults({{"Barcode", "123456"}})
        .Entry("ITF-6", "TBarcode_ITF6"),
    Standard.Without({"TextHSpacing"})
        .After("TextVSpacing", {rowSplitText, rowBearerBars, rowLeftSpacing, rowBearerWidth, rowRightSpacing})
        .Defaults({{"Barcode", "1234567890123"}, {"SplitText", "False"}})
        .Entry("ITF-14", "TBarcode_ITF14"),
    Code39Rows.Defaults({{"Barcode", "ABC1234567890"}, {"ShowGuards", "True"}, {"InterGap", "False"}})
        .Entry("Code39", "TBarcode_Code39"),
    Code39Rows.Defaults({{"Barcode", "ABC1234567890ab"}, {"ShowGuards", "True"}, {"InterGap", "False"}})
        .Entry("Code39Extension", "TBarcode_Code39Ext"),
    Code39Rows
        .Defaults(
            {{"Barcode", "12345678"}, {"DisplayText", "dtFullEncoded"}, {"ShowGuards", "True"}, {"InterGap", "False"}})
        .Entry("Code32", "TBarcode_Code32"),
    Code39Rows
        .Defaults(
            {{"Barcode", "123456"}, {"DisplayText", "dtFullEncoded"}, {"ShowGuards", "True"}, {"InterGap", "False"}})
        .Entry("PZN", "TBarcode_PZN"),
    Standard.Defaults({{"Barcode", "ABC1234567890"}}).Entry("Code93", "TBarcode_Code93"),
    Standard.Defaults({{"Barcode", "ABC1234567890ab"}}).Entry("Code93Extension", "TBarcode_Code93Ext"),
    Standard.After("TextVSpacing", {rowBidirectional, rowUKMode})
        .Defaults({{"Barcode", "ABC1234567890"}, {"Bidirectional", "True"}, {"UKMode", "False"}})
        .Entry("Plessey", "TBarcode_Plessey"),
    Standard.After("AutoCheckDigit", {rowCheckMethod, rowMod11Weighting})
        .Defaults({{"Barcode", "1234567890"}})
        .Entry("MSI", "TBarcode_MSI"),
    Standard.After("TextVSpacing", {rowMode, rowGuards, rowExtraChar, rowOddEncode})
        .Defaults({{"Barcode", "ABC1234567890ab"}, {"Ratio", "3.0"}})
        .Entry("Telepen", "TBarcode_Telepen"),
    PharmacodeRows.Defaults({{"Barcode", "123456"}}).Entry("PharmacodeOneTrack", "TBarcode_PharmacodeOneTrack"),
    PharmacodeRows.Defaults({{"Barcode", "12345678"}}).Entry("PharmacodeTwoTrack", "TBarcode_PharmacodeTwoTrack"),
    UpcRows.Defaults({{"Barcode", "12345678901"}}).Range("RightQuietZoneSpacing", 1, 9).Entry("UPC-A", "TBarcode_UPCA"),
    UpcRows.Defaults({{"Barcode", "1234567"}}).Entry("UPC-E", "TBarcode_UPCE"),
    UpcRows.Defaults({{"Barcode", "123456"}}).Entry("UPC-E0", "TBarcode_UPCE0"),
    UpcRows.Defaults({{"Barcode", "123456"}}).Entry("UPC-E1", "TBarcode_UPCE1"),
    AddOnRows.Defaults({{"Barcode", "12"}}).Entry("EAN-2", "TBarcode_EAN2"),
    AddOnRows.Defaults({{"Barcode", "12345"}}).Entry("EAN-5", "TBarcode_EAN5"),
    EanRows.Defaults({{"Barcode", "123456789012"}, {"DisplayText", "dtFullEncoded"}})
        .Range("LeftQuietZoneSpacing", 1, 11)
        .Entry("EAN-13", "TBarcode_EAN13"),
    EanRows.Defaults({{"Barcode", "1234567"}, {"DisplayText", "dtFullEncoded"}})
        .Range("LeftQuietZoneSpacing", 1, 7)
        .Entry("EAN-8", "TBarcode_EAN8"),
    Standard.After("TextVSpacing", {rowInitialSubSet})
        .Defaults({{"Barcode", "AB1234567890"}})
        .Entry("Code-128", "TBarcode_Code128"),
    Standard.After("AutoCheckDigit", {rowCheckStart, rowCheckLength})
        .After("TextVSpacing", {rowInitialSubSet, rowLink2D})
        .Defaults({{"Barcode", "AB1234567890"}})
        .Entry("EAN-128", "TBarcode_EAN128"),
    Standard.Without({"Ratio", "AutoCheckDigit"})
        .Defaults({{"Barcode", "1234567890"}, Module2, Height32})
        .Entry("Flattermarken", "TBarcode_Flattermarken"),
    Standard.Without({"Ratio"})
        .Defaults({{"Barcode", "1234567890"}, Module2, Height32})
        .Entry("BC309", "TBarcode_BC309"),
    Standard.Without({"Ratio"})
        .Defaults({{"Barcode", "ABC1234567890"}, Module2, Height32})
        .Entry("BC412", "TBarcode_BC412"),
    Standard.Defaults({{"Barcode", "1234567"}, Module2, Height32, {"BarColor", "clWebOrange"}})
        .Entry("Clocked-35", "TBarcode_Clocked35"),
    Standard.Without({"Barcode", "Ratio", "AutoCheckDigit"})
        .First({rowFIMType})
        .Defaults({{"FIMType", "A"}, Module2, Height32})
        .Entry("FIM", "TBarcode_FIM", /*PaletteAfter*/ "TBarcode_PostNet"),
    Standard.Without({"TextHSpacing"})
        .Defaults({{"Barcode", "1234567890"}, Module2, Height32})
        .Entry("PLANET", "TBarcode_PLANET"),
    Standard.Without({"TextHSpacing"})
        .Defaults({{"Barcode", "1234567890"}, Module2, Height32})
        .Entry("PostNet", "TBarcode_PostNet"),
    Standard.Without({"Ratio", "AutoCheckDigit", "TextHSpacing"})
        .Defaults({{"Barcode", "ABC1234567890"}, Module2, Height32})
        .Entry("KIX4S", "TBarcode_KIX4S"),
    Standard.Without({"Ratio", "TextHSpacing"})
        .Defaults({{"Barcode", "ABC1234567890"}, Module2, Height32})
        .Entry("RM4SCC", "TBarcode_RM4SCC"),
    Standard.Without({"Ratio", "AutoCheckDigit", "TextHSpacing"})
        .After("TextVSpacing", {rowNumCustomerInfo, rowSplitText})
        .Defaults(
            {{"Barcode", "5932211324A124B"}, Module2, Height32, {"NumCustomerInfo", "False"}, {"SplitText", "True"}})
        .Entry("AP4SC", "TBarcode_AP4SC"),
    Standard.Without({"AutoCheckDigit"})
        .Defaults({{"Barcode", "L3B4T9"}, Module2, Height32, {"BarColor", "clWebLightPink"}})
        .Entry("CPC Binary", "TBarcode_CPCBin"),
    Standard.Without({"Ratio", "AutoCheckDigit", "TextHSpacing"})
        .After("TextVSpacing", {rowHideCheckDigitsText, rowSplitText})
        .Defaults(
            {{"Barcode", "BK1A4S21234"}, Module2, Height32, {"HideCheckDigitsText", "False"}, {"SplitText", "True"}})
        .Entry("PostBar", "TBarcode_PostBar"),
    Standard.Without({"Barcode", "Ratio", "AutoCheckDigit", "TextHSpacing"})
        .First({rowTracking, rowRouting})
        .After("TextVSpacing", {rowSplitTextMode})
        .Defaults({{"Tracking", "20704987654321654321"},
                   {"Routing", "123456789"},
                   Module2,
                   Height32,
                   {"SplitText", "stmNone"}})
        .Entry("OneCode", "TBarcode_OneCode"),
});

constexpr bool EveryEntryEndsWithLocked() {
  for (const TBarcodeComponent& entry : CatalogueTable)
    if (entry.PropertyCount < 1 || entry.Properties[entry.PropertyCount - 1].Name != "Locked") return false;
  return true;
}
static_assert(EveryEntryEndsWithLocked(), "Locked is the last row, so applying it unlocks and draws once");

// The classes in list order, then each entry with a palette neighbour moved
// behind it; a neighbour that is not in the catalogue stops compilation.
constexpr auto PaletteTable = [] {
  std::array<std::string_view, CatalogueTable.size()> order{};
  std::size_t count = 0;
  for (const TBarcodeComponent& entry : CatalogueTable)
    if (entry.PaletteAfter.empty()) order[count++] = entry.BarcodeClass;
  for (const TBarcodeComponent& entry : CatalogueTable) {
    if (entry.PaletteAfter.empty()) continue;
    std::size_t at = 0;
    while (at < count && order[at] != entry.PaletteAfter) ++at;
    if (at == count) throw "palette neighbour not in the catalogue";
    for (std::size_t i = count; i > at + 1; --i) order[i] = order[i - 1];
    order[at + 1] = entry.BarcodeClass;
    ++count;
  }
  return order;
}();

}  // namespace

const TProperty* TBarcodeComponent::FindRow(std::string_view Name) const {
  for (const TProperty& row : Rows())
    if (row.Name == Name) return &row;
  return nullptr;
}

std::span<const TBarcodeComponent> Catalogue() { return CatalogueTable; }

const TBarcodeComponent* FindCatalogueEntry(std::string_view Name) {
  for (const TBarcodeComponent& entry : CatalogueTable)
    if (entry.Name == Name) return &entry;
  return nullptr;
}

std::span<const std::string_view> PaletteOrder() { return PaletteTable; }

std::span<const TColorName, ColorNameCount> ColorNames() { return ColorNameTable; }

TColor ColorByName(std::string_view Name, TColor Fallback) {
  for (const TColorName& color : ColorNameTable)
    if (SameText(color.Name, Name)) return color.Color;
  return Fallback;
}

}  // namespace tessel::generator
