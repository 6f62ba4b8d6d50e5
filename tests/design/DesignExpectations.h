// What the design-time package registers, written out independently of it:
// the palette in order and the property categories of TBarcode.
#pragma once

#include <string_view>

namespace tessel::design::testing {

inline constexpr std::string_view PaletteOrder[] = {
    "TDBBarcode",
    "TBarcode_Codabar",
    "TBarcode_Code11",
    "TBarcode_Code25Industrial",
    "TBarcode_Code25Invert",
    "TBarcode_IATA",
    "TBarcode_Code25Interleaved",
    "TBarcode_Code25Matrix",
    "TBarcode_Code25Datalogic",
    "TBarcode_Coop25",
    "TBarcode_Leitcode",
    "TBarcode_Identcode",
    "TBarcode_ITF6",
    "TBarcode_ITF14",
    "TBarcode_Code39",
    "TBarcode_Code39Ext",
    "TBarcode_Code32",
    "TBarcode_PZN",
    "TBarcode_Code93",
    "TBarcode_Code93Ext",
    "TBarcode_Plessey",
    "TBarcode_MSI",
    "TBarcode_Telepen",
    "TBarcode_PharmacodeOneTrack",
    "TBarcode_PharmacodeTwoTrack",
    "TBarcode_UPCA",
    "TBarcode_UPCE",
    "TBarcode_UPCE0",
    "TBarcode_UPCE1",
    "TBarcode_EAN2",
    "TBarcode_EAN5",
    "TBarcode_EAN13",
    "TBarcode_EAN8",
    "TBarcode_Code128",
    "TBarcode_EAN128",
    "TBarcode_Flattermarken",
    "TBarcode_BC309",
    "TBarcode_BC412",
    "TBarcode_Clocked35",
    "TBarcode_PLANET",
    "TBarcode_PostNet",
    "TBarcode_FIM",
    "TBarcode_KIX4S",
    "TBarcode_RM4SCC",
    "TBarcode_AP4SC",
    "TBarcode_CPCBin",
    "TBarcode_PostBar",
    "TBarcode_OneCode",
};

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
