// What the design-time package registers: the palette in order, and the
// property categories of TBarcode written out independently of it.
#pragma once

#include <string_view>
#include <vector>

#include "generator/Catalogue.h"

namespace tessel::design::testing {

// The data-aware component, then the catalogue's classes in palette order.
inline std::vector<std::string_view> PaletteOrder() {
  std::vector<std::string_view> names{"TDBBarcode"};
  for (std::string_view name : generator::PaletteOrder()) names.push_back(name);
  return names;
}

inline constexpr std::string_view BarcodeCategory[] = {
    "Barcode",         "Module",          "Ratio",        "BarColor",         "SpaceColor",    "AutoCheckDigit",
    "NumCustomerInfo", "StartCode",       "StopCode",     "NumberCheckDigit", "InitialSubSet", "Padding",
    "CheckStart",      "CheckLength",     "CheckMethod",  "Mod11Weighting",   "Tracking",      "Routing",
    "FIMType",         "ShowGuards",      "InterGap",     "Bidirectional",    "UKMode",        "Guards",
    "ExtraChar",       "OddEncode",       "BarColors",    "BearerBars",       "BearerWidth",   "OnChange",
    "OnInvalidChar",   "OnInvalidLength", "OnDrawBarcode"};
inline constexpr std::string_view PositionCategory[] = {"LeftMargin",   "TopMargin",   "BarcodeWidth", "BarcodeHeight",
                                                        "StretchWidth", "Orientation", "Image"};
inline constexpr std::string_view TextCategory[] = {"DisplayText",         "TextPosition", "TextAlignment", "TextFont",
                                                    "ExtraFontSize",       "TextHSpacing", "TextVSpacing",  "SplitText",
                                                    "HideCheckDigitsText", "OnDrawText"};

}  // namespace tessel::design::testing
