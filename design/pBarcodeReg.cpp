#include "design/pBarcodeReg.h"

#include <vector>

#include "components/pDBBarcode.h"
#include "design/pProperty.h"
#include "generator/Catalogue.h"
#include "platform/Image.h"

namespace tessel::design {
namespace {

// The palette in order: the data-aware component, then the symbologies in
// the palette order of the catalogue (the intermediate classes TBarcode,
// TBarcode_Code25, TBarcode_Code25InterleavedCustom and TBarcode_UPC have no
// entry). A class that is not registered is left out; a test checks that
// every entry's class is.
std::vector<const TClassInfo*> MakePalette() {
  std::vector<const TClassInfo*> classes{&TDBBarcode::ClassInfo};
  for (std::string_view name : generator::PaletteOrder())
    if (const TClassInfo* cls = FindClass(name)) classes.push_back(cls);
  return classes;
}

const std::vector<const TClassInfo*>& Palette() {
  static const std::vector<const TClassInfo*> palette = MakePalette();
  return palette;
}

constexpr std::string_view ImageProperty = "Image";

// The object inspector's categories of TBarcode and its descendants.
constexpr std::string_view barcodeCategory[] = {
    "Barcode",         "Module",          "Ratio",        "BarColor",         "SpaceColor",    "AutoCheckDigit",
    "NumCustomerInfo", "StartCode",       "StopCode",     "NumberCheckDigit", "InitialSubSet", "Padding",
    "CheckStart",      "CheckLength",     "CheckMethod",  "Mod11Weighting",   "Tracking",      "Routing",
    "FIMType",         "ShowGuards",      "InterGap",     "Bidirectional",    "UKMode",        "Guards",
    "ExtraChar",       "OddEncode",       "BarColors",    "BearerBars",       "BearerWidth",   "OnChange",
    "OnInvalidChar",   "OnInvalidLength", "OnDrawBarcode"};
constexpr std::string_view positionCategory[] = {"LeftMargin",   "TopMargin",   "BarcodeWidth", "BarcodeHeight",
                                                 "StretchWidth", "Orientation", "Image"};
constexpr std::string_view textCategory[] = {"DisplayText",         "TextPosition", "TextAlignment", "TextFont",
                                             "ExtraFontSize",       "TextHSpacing", "TextVSpacing",  "SplitText",
                                             "HideCheckDigitsText", "OnDrawText"};
// TDBBarcode: the linked barcode component.
constexpr std::string_view dbBarcodeCategory[] = {"Barcode"};

void RegisterPalette(IDesignHost& host) {
  for (const TClassInfo* const& cls : Palette()) host.RegisterComponents(PalettePage, {&cls, 1});
}

void RegisterImageEditor(IDesignHost& host) {
  host.RegisterPropertyEditor(TControl::ClassInfo, TBarcode::ClassInfo, ImageProperty,
                              TBarcodeImageEditor::EditorClass);
}

void RegisterCategories(IDesignHost& host) {
  host.RegisterPropertiesInCategory("Barcode", TBarcode::ClassInfo, barcodeCategory);
  host.RegisterPropertiesInCategory("Position", TBarcode::ClassInfo, positionCategory);
  host.RegisterPropertiesInCategory("Text", TBarcode::ClassInfo, textCategory);
  host.RegisterPropertiesInCategory("Barcode", TDBBarcode::ClassInfo, dbBarcodeCategory);
}

}  // namespace

void Register(IDesignHost& host) {
  RegisterPalette(host);
  RegisterImageEditor(host);
  RegisterCategories(host);
}

std::span<const TClassInfo* const> PaletteClasses() { return Palette(); }

}  // namespace tessel::design
