#include "design/pBarcodeReg.h"

#include "components/pDBBarcode.h"
#include "design/pProperty.h"
#include "platform/Image.h"
#include "symbologies/pAP4SC.h"
#include "symbologies/pBC309.h"
#include "symbologies/pBC412.h"
#include "symbologies/pCPCBin.h"
#include "symbologies/pClocked35.h"
#include "symbologies/pCodabar.h"
#include "symbologies/pCode11.h"
#include "symbologies/pCode128.h"
#include "symbologies/pCode25Dat.h"
#include "symbologies/pCode25Ind.h"
#include "symbologies/pCode25Int.h"
#include "symbologies/pCode25Inv.h"
#include "symbologies/pCode25Mat.h"
#include "symbologies/pCode32.h"
#include "symbologies/pCode39.h"
#include "symbologies/pCode39Ext.h"
#include "symbologies/pCode93.h"
#include "symbologies/pCode93Ext.h"
#include "symbologies/pCoop25.h"
#include "symbologies/pEAN128.h"
#include "symbologies/pEAN13.h"
#include "symbologies/pEAN2.h"
#include "symbologies/pEAN5.h"
#include "symbologies/pEAN8.h"
#include "symbologies/pFIM.h"
#include "symbologies/pFlattermarken.h"
#include "symbologies/pIATA.h"
#include "symbologies/pITF14.h"
#include "symbologies/pITF6.h"
#include "symbologies/pIdentcode.h"
#include "symbologies/pKIX4S.h"
#include "symbologies/pLeitcode.h"
#include "symbologies/pMSI.h"
#include "symbologies/pOneCode.h"
#include "symbologies/pPLANET.h"
#include "symbologies/pPZN.h"
#include "symbologies/pPharmacodeOneTrack.h"
#include "symbologies/pPharmacodeTwoTrack.h"
#include "symbologies/pPlessey.h"
#include "symbologies/pPostBar.h"
#include "symbologies/pPostNet.h"
#include "symbologies/pRM4SCC.h"
#include "symbologies/pTelepen.h"
#include "symbologies/pUPCA.h"
#include "symbologies/pUPCE.h"
#include "symbologies/pUPCE0.h"
#include "symbologies/pUPCE1.h"

namespace tessel::design {
namespace {

// One palette entry per class, in palette order; the intermediate classes
// (TBarcode, TBarcode_Code25, TBarcode_Code25InterleavedCustom, TBarcode_UPC)
// are not on the palette.
const TClassInfo* const paletteClasses[] = {
    &TDBBarcode::ClassInfo,
    &TBarcode_Codabar::ClassInfo,
    &TBarcode_Code11::ClassInfo,
    &TBarcode_Code25Industrial::ClassInfo,
    &TBarcode_Code25Invert::ClassInfo,
    &TBarcode_IATA::ClassInfo,
    &TBarcode_Code25Interleaved::ClassInfo,
    &TBarcode_Code25Matrix::ClassInfo,
    &TBarcode_Code25Datalogic::ClassInfo,
    &TBarcode_Coop25::ClassInfo,
    &TBarcode_Leitcode::ClassInfo,
    &TBarcode_Identcode::ClassInfo,
    &TBarcode_ITF6::ClassInfo,
    &TBarcode_ITF14::ClassInfo,
    &TBarcode_Code39::ClassInfo,
    &TBarcode_Code39Ext::ClassInfo,
    &TBarcode_Code32::ClassInfo,
    &TBarcode_PZN::ClassInfo,
    &TBarcode_Code93::ClassInfo,
    &TBarcode_Code93Ext::ClassInfo,
    &TBarcode_Plessey::ClassInfo,
    &TBarcode_MSI::ClassInfo,
    &TBarcode_Telepen::ClassInfo,
    &TBarcode_PharmacodeOneTrack::ClassInfo,
    &TBarcode_PharmacodeTwoTrack::ClassInfo,
    &TBarcode_UPCA::ClassInfo,
    &TBarcode_UPCE::ClassInfo,
    &TBarcode_UPCE0::ClassInfo,
    &TBarcode_UPCE1::ClassInfo,
    &TBarcode_EAN2::ClassInfo,
    &TBarcode_EAN5::ClassInfo,
    &TBarcode_EAN13::ClassInfo,
    &TBarcode_EAN8::ClassInfo,
    &TBarcode_Code128::ClassInfo,
    &TBarcode_EAN128::ClassInfo,
    &TBarcode_Flattermarken::ClassInfo,
    &TBarcode_BC309::ClassInfo,
    &TBarcode_BC412::ClassInfo,
    &TBarcode_Clocked35::ClassInfo,
    &TBarcode_PLANET::ClassInfo,
    &TBarcode_PostNet::ClassInfo,
    &TBarcode_FIM::ClassInfo,
    &TBarcode_KIX4S::ClassInfo,
    &TBarcode_RM4SCC::ClassInfo,
    &TBarcode_AP4SC::ClassInfo,
    &TBarcode_CPCBin::ClassInfo,
    &TBarcode_PostBar::ClassInfo,
    &TBarcode_OneCode::ClassInfo,
};
static_assert(std::size(paletteClasses) == 48);

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
  for (const TClassInfo* const& cls : paletteClasses) host.RegisterComponents(PalettePage, {&cls, 1});
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

std::span<const TClassInfo* const> PaletteClasses() { return paletteClasses; }

}  // namespace tessel::design
