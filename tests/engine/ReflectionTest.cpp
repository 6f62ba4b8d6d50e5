// Published properties of the two-of-five classes read and written by name
// as text, and the class registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "RecordingCanvas.h"
#include "platform/Image.h"
#include "symbologies/pCode25.h"
#include "symbologies/pCode25Dat.h"
#include "symbologies/pCode25Ind.h"
#include "symbologies/pCode25Int.h"
#include "symbologies/pCoop25.h"

using namespace tessel;

namespace {

const std::vector<std::string> kBase = {"Image",         "Module",        "BarColor",     "SpaceColor",
                                        "Orientation",   "StretchWidth",  "LeftMargin",   "TopMargin",
                                        "BarcodeWidth",  "BarcodeHeight", "DisplayText",  "TextPosition",
                                        "TextAlignment", "TextFont",      "TextVSpacing", "Locked"};

std::vector<std::string> With(std::initializer_list<const char*> more) {
  std::vector<std::string> names = kBase;
  names.insert(names.end(), more.begin(), more.end());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> NamesOf(const TClassInfo& cls) {
  std::vector<std::string> names;
  for (const TPropInfo* p : PublishedProperties(cls)) names.emplace_back(p->Name);
  std::sort(names.begin(), names.end());
  return names;
}

const char* const kTwoOfFive[] = {"TBarcode_Code25Datalogic",
                                  "TBarcode_Code25Industrial",
                                  "TBarcode_Code25Interleaved",
                                  "TBarcode_Code25Invert",
                                  "TBarcode_Code25Matrix",
                                  "TBarcode_Coop25",
                                  "TBarcode_IATA"};

// Property, text to write, text read back.
struct TPropertyText {
  const char* Name;
  const char* Written;
  const char* Read;
};

const TPropertyText kRoundTrips[] = {
    {"Module", "3", "3"},
    {"BarColor", "255", "255"},
    {"SpaceColor", "$FF00", "65280"},
    {"Orientation", "boTopBottom", "boTopBottom"},
    {"Orientation", "BOBOTTOMTOP", "boBottomTop"},
    {"StretchWidth", "True", "True"},
    {"StretchWidth", "false", "False"},
    {"LeftMargin", "-4", "-4"},
    {"TopMargin", "+7", "7"},
    {"BarcodeWidth", "120", "120"},
    {"BarcodeHeight", "-20", "-20"},
    {"DisplayText", "dtFullEncoded", "dtFullEncoded"},
    {"TextPosition", "tpTopIn", "tpTopIn"},
    {"TextAlignment", "taJustifyQuietZone", "taJustifyQuietZone"},
    {"TextFont", "Arial,12,255,0,fsBold,fsItalic", "Arial,12,255,0,fsBold,fsItalic"},
    {"TextFont", "Courier", "Courier,8,0,1"},
    {"TextVSpacing", "2", "2"},
    {"Locked", "True", "True"},
    {"Locked", "False", "False"},
    {"Barcode", "0123", "0123"},
    {"Ratio", "2.5", "2.5"},
    {"Ratio", "3", "3"},
    {"AutoCheckDigit", "False", "False"},
    {"TextHSpacing", "3", "3"},
    {"Padding", "cipRight", "cipRight"},
};

class Reflection : public ::testing::Test {
 protected:
  Reflection() { image->SetName("Image1"); }
  TControl form{nullptr};
  TImage* image = new TImage(&form);
};

}  // namespace

TEST_F(Reflection, EachClassPublishesItsProperties) {
  EXPECT_EQ(NamesOf(TBarcode_Code25::ClassInfo), With({"Barcode", "Ratio"}));
  const auto industrialLike = With({"Barcode", "Ratio", "AutoCheckDigit", "TextHSpacing"});
  for (const char* name : {"TBarcode_Code25Industrial", "TBarcode_Code25Invert", "TBarcode_IATA",
                           "TBarcode_Code25Matrix", "TBarcode_Code25Datalogic", "TBarcode_Coop25"}) {
    ASSERT_NE(FindClass(name), nullptr) << name;
    EXPECT_EQ(NamesOf(*FindClass(name)), industrialLike) << name;
  }
  EXPECT_EQ(NamesOf(TBarcode_Code25Interleaved::ClassInfo),
            With({"Barcode", "Ratio", "AutoCheckDigit", "TextHSpacing", "Padding"}));
  EXPECT_EQ(NamesOf(TBarcode_Code25InterleavedCustom::ClassInfo), With({"Barcode", "Ratio"}));
}

TEST_F(Reflection, InheritedEntriesAreFound) {
  const TPropInfo* autoCheck = FindProperty(TBarcode_Code25Datalogic::ClassInfo, "autocheckdigit");
  ASSERT_NE(autoCheck, nullptr);
  EXPECT_EQ(autoCheck->Kind, TTypeKind::tkBoolean);
  EXPECT_EQ(FindProperty(TBarcode_Code25Datalogic::ClassInfo, "Module")->Kind, TTypeKind::tkInteger);
  EXPECT_EQ(FindProperty(TBarcode_Code25Datalogic::ClassInfo, "Ratio")->Kind, TTypeKind::tkFloat);
  EXPECT_EQ(FindProperty(TBarcode_Code25Datalogic::ClassInfo, "BarColor")->Kind, TTypeKind::tkColor);
  EXPECT_EQ(FindProperty(TBarcode_Code25Datalogic::ClassInfo, "Barcode")->Kind, TTypeKind::tkString);
  const TPropInfo* padding = FindProperty(TBarcode_Code25Interleaved::ClassInfo, "Padding");
  ASSERT_NE(padding, nullptr);
  ASSERT_NE(padding->Enum, nullptr);
  EXPECT_EQ(std::vector<std::string_view>(padding->Enum->Names.begin(), padding->Enum->Names.end()),
            (std::vector<std::string_view>{"cipLeft", "cipRight"}));
  const TPropInfo* alignment = FindProperty(TBarcode_Coop25::ClassInfo, "TextAlignment");
  EXPECT_EQ(alignment->Kind, TTypeKind::tkEnumeration);
  EXPECT_EQ(alignment->Enum->Names.size(), 9u);
  EXPECT_EQ(alignment->Enum->Names[8], "taCustom");
  EXPECT_EQ(FindProperty(TBarcode_Code25Industrial::ClassInfo, "Padding"), nullptr);
  EXPECT_EQ(FindProperty(TBarcode_Code25::ClassInfo, "AutoCheckDigit"), nullptr);
  EXPECT_EQ(FindProperty(TBarcode_Coop25::ClassInfo, "ExtraFontSize"), nullptr);
}

TEST_F(Reflection, EveryPublishedPropertyRoundTripsAsText) {
  for (const char* className : kTwoOfFive) {
    TComponent* bc = CreateComponent(className, &form);
    ASSERT_NE(bc, nullptr) << className;
    for (const TPropertyText& p : kRoundTrips) {
      if (!FindProperty(bc->ClassType(), p.Name)) continue;
      SetPropValue(*bc, p.Name, p.Written);
      EXPECT_EQ(GetPropValue(*bc, p.Name), p.Read) << className << "." << p.Name;
    }
    SetPropValue(*bc, "Image", "Image1");
    EXPECT_EQ(static_cast<TBarcode*>(bc)->Image(), image);
    EXPECT_EQ(GetPropValue(*bc, "image"), "Image1");
    SetPropValue(*bc, "Image", "");
    EXPECT_EQ(GetPropValue(*bc, "Image"), "");
    delete bc;
  }
}

TEST_F(Reflection, TextThatDoesNotConvertThrowsAndChangesNothing) {
  TBarcode_Code25Interleaved bc(&form);
  const TPropertyText bad[] = {
      {"Module", "abc", "1"},
      {"Module", "1.5", "1"},
      {"Module", "", "1"},
      {"Module", "99999999999", "1"},
      {"Module", "--5", "1"},
      {"Module", "+-5", "1"},
      {"Module", "0x-1F", "1"},
      {"Module", "$+1F", "1"},
      {"Module", "--9223372036854775808", "1"},
      {"BarColor", "--9223372036854775808", "0"},
      {"BarColor", "-9223372036854775808", "0"},
      {"Ratio", "x", "2"},
      {"Ratio", "2,5", "2"},
      {"Ratio", "nan", "2"},
      {"Orientation", "boDiagonal", "boLeftRight"},
      {"AutoCheckDigit", "yes", "True"},
      {"BarColor", "-1", "0"},
      {"BarColor", "0x100000000", "0"},
      {"TextFont", "", "Tahoma,8,0,1"},
      {"TextFont", "Arial,big", "Tahoma,8,0,1"},
      {"TextFont", "Arial,9,0,1,fsHeavy", "Tahoma,8,0,1"},
      {"Padding", "cipMiddle", "cipLeft"},
      {"Image", "NoSuchImage", ""},
  };
  for (const TPropertyText& p : bad) {
    EXPECT_THROW(SetPropValue(bc, p.Name, p.Written), EConvertError) << p.Name << " = " << p.Written;
    EXPECT_EQ(GetPropValue(bc, p.Name), p.Read) << p.Name;
  }
}

TEST_F(Reflection, UnknownNamesThrow) {
  TBarcode_Code25Industrial industrial(&form);
  EXPECT_THROW(SetPropValue(industrial, "Foo", "1"), EPropertyError);
  EXPECT_THROW(SetPropValue(industrial, "Padding", "cipLeft"), EPropertyError);
  EXPECT_THROW(SetPropValue(industrial, "ExtraFontSize", "3"), EPropertyError);
  EXPECT_THROW(GetPropValue(industrial, "Foo"), EPropertyError);
  TBarcode_Code25 base(&form);
  EXPECT_THROW(SetPropValue(base, "AutoCheckDigit", "False"), EPropertyError);
  EXPECT_TRUE(base.AutoCheckDigit());
}

TEST(Registry, ListsAndCreatesTheTwoOfFiveClasses) {
  const std::vector<const TClassInfo*> classes = RegisteredClasses();
  EXPECT_TRUE(std::is_sorted(classes.begin(), classes.end(),
                             [](const TClassInfo* a, const TClassInfo* b) { return a->Name < b->Name; }));
  TControl owner(nullptr);
  for (const char* name : kTwoOfFive) {
    EXPECT_TRUE(std::any_of(classes.begin(), classes.end(), [&](const TClassInfo* c) { return c->Name == name; }))
        << name;
    TComponent* created = CreateComponent(name, &owner);
    ASSERT_NE(created, nullptr) << name;
    EXPECT_EQ(created->ClassName(), name);
    EXPECT_EQ(created->Owner(), &owner);
    EXPECT_TRUE(created->InheritsFrom("TBarcode"));
    EXPECT_NE(dynamic_cast<TBarcode*>(created), nullptr);
  }
  EXPECT_EQ(owner.ComponentCount(), 7);                                               // freed by their owner
  const std::unique_ptr<TComponent> iata(CreateComponent("tbarcode_iata", nullptr));  // names are case-insensitive
  ASSERT_NE(iata, nullptr);
  EXPECT_EQ(iata->ClassName(), "TBarcode_IATA");
}

TEST(Registry, AbstractBasesAreNotCreatable) {
  for (const char* name : {"TBarcode", "TBarcode_Code25", "TBarcode_Code25InterleavedCustom", "TNoSuchClass"}) {
    EXPECT_EQ(FindClass(name), nullptr) << name;
    EXPECT_EQ(CreateComponent(name, nullptr), nullptr) << name;
  }
  EXPECT_EQ(TBarcode_Code25::ClassInfo.Create, nullptr);
  EXPECT_EQ(TBarcode_Code25InterleavedCustom::ClassInfo.Create, nullptr);
  EXPECT_TRUE(TBarcode_Code25Datalogic(nullptr).InheritsFrom("TBarcode_Code25Matrix"));
  EXPECT_FALSE(TBarcode_Coop25(nullptr).InheritsFrom("TBarcode_Code25"));
}

// A class whose component reports another class's name (its class body lacks
// TESSEL_CLASS_INFO) fails here. Which classes must be registered is checked
// against the catalogue and the palette (design_tests).
TEST(Registry, EveryRegisteredClassCreatesAComponentOfItsName) {
  const std::vector<const TClassInfo*> classes = RegisteredClasses();
  ASSERT_FALSE(classes.empty());
  for (const TClassInfo* info : classes) {
    ASSERT_NE(info->Create, nullptr) << info->Name;
    const std::unique_ptr<TComponent> created(info->Create(nullptr));
    EXPECT_EQ(created->ClassName(), info->Name);
  }
}
