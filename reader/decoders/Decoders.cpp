// The one list of the reader's decoders.
#include <array>

#include "reader/Decoder.h"
#include "reader/decoders/AustraliaPost.h"
#include "reader/decoders/CodabarCode11.h"
#include "reader/decoders/Code128.h"
#include "reader/decoders/Code39.h"
#include "reader/decoders/Code93.h"
#include "reader/decoders/CpcBinary.h"
#include "reader/decoders/EanUpc.h"
#include "reader/decoders/Flattermarken.h"
#include "reader/decoders/FourState.h"
#include "reader/decoders/Industrial.h"
#include "reader/decoders/IntelligentMail.h"
#include "reader/decoders/ItfDerivatives.h"
#include "reader/decoders/Pharmacode.h"
#include "reader/decoders/PlesseyMsi.h"
#include "reader/decoders/PostBar.h"
#include "reader/decoders/Postal.h"
#include "reader/decoders/Telepen.h"
#include "reader/decoders/TwoOfFive.h"
#include "reader/decoders/TwoTrackPharmacode.h"

namespace tessel {
namespace {

// One row a class (two for the Australia Post code's two ways of writing
// its customer information). A class that reads the same bars as another,
// but with more rules, comes first: the width decoders (CPC Binary, with
// its parity and its letters, before Pharmacode, which any bars spell),
// then the bars' decoders with a frame or check before those any bars
// could spell, and last Flattermarken, which any narrow bars on a grid
// spell.
constexpr std::array List{
    TDecoder{"TBarcode_PZN", OnWidths<DecodePzn>},
    TDecoder{"TBarcode_Code32", OnWidths<DecodeCode32>},
    TDecoder{"TBarcode_Code39", OnWidths<DecodeCode39>},
    TDecoder{"TBarcode_Code39Ext", OnWidths<DecodeCode39Ext>},
    TDecoder{"TBarcode_UPCA", OnWidths<DecodeUpcA>},
    TDecoder{"TBarcode_EAN13", OnWidths<DecodeEan13>},
    TDecoder{"TBarcode_EAN8", OnWidths<DecodeEan8>},
    TDecoder{"TBarcode_UPCE0", OnWidths<DecodeUpcE0>},
    TDecoder{"TBarcode_UPCE1", OnWidths<DecodeUpcE1>},
    TDecoder{"TBarcode_UPCE", OnWidths<DecodeUpcE>},
    TDecoder{"TBarcode_EAN2", OnWidths<DecodeEan2>},
    TDecoder{"TBarcode_EAN5", OnWidths<DecodeEan5>},
    TDecoder{"TBarcode_EAN128", OnWidths<DecodeEan128>},
    TDecoder{"TBarcode_Code128", OnWidthsOrUnchecked<DecodeCode128, DecodeCode128Unchecked>},
    TDecoder{"TBarcode_ITF14", OnWidths<DecodeItf14>},
    TDecoder{"TBarcode_Leitcode", OnWidths<DecodeLeitcode>},
    TDecoder{"TBarcode_Identcode", OnWidths<DecodeIdentcode>},
    TDecoder{"TBarcode_ITF6", OnWidths<DecodeItf6>},
    TDecoder{"TBarcode_Code25Interleaved", OnWidths<DecodeCode25Interleaved>},
    TDecoder{"TBarcode_IATA", OnWidths<DecodeIata>},
    TDecoder{"TBarcode_Code25Industrial", OnWidths<DecodeCode25Industrial>},
    TDecoder{"TBarcode_Code25Invert", OnWidths<DecodeCode25Invert>},
    TDecoder{"TBarcode_Code25Matrix", OnWidths<DecodeCode25Matrix>},
    TDecoder{"TBarcode_Code25Datalogic", OnWidths<DecodeCode25Datalogic>},
    TDecoder{"TBarcode_Coop25", OnWidths<DecodeCoop25>},
    TDecoder{"TBarcode_Code93", OnWidths<DecodeCode93>},
    TDecoder{"TBarcode_Code93Ext", OnWidths<DecodeCode93Ext>},
    TDecoder{"TBarcode_Codabar", OnWidths<DecodeCodabar>},
    TDecoder{"TBarcode_Code11", OnWidths<DecodeCode11>},
    TDecoder{"TBarcode_Telepen", OnWidthsOrUnchecked<DecodeTelepen, DecodeTelepenUnchecked>},
    TDecoder{"TBarcode_Plessey", OnWidthsOrUnchecked<DecodePlessey, DecodePlesseyUnchecked>},
    TDecoder{"TBarcode_MSI", OnWidthsOrUnchecked<DecodeMsi, DecodeMsiUnchecked>},
    TDecoder{"TBarcode_BC412", OnWidthsOrUnchecked<DecodeBc412, DecodeBc412Unchecked>},
    TDecoder{"TBarcode_BC309", OnWidthsOrUnchecked<DecodeBc309, DecodeBc309Unchecked>},
    TDecoder{"TBarcode_Clocked35", OnWidthsOrUnchecked<DecodeClocked35, DecodeClocked35Unchecked>},
    TDecoder{"TBarcode_CPCBin", OnWidths<DecodeCpcBinary>},
    TDecoder{"TBarcode_PharmacodeOneTrack", OnWidths<DecodePharmacodeOneTrack>},
    TDecoder{"TBarcode_PostNet", OnBars<DecodePostNet>, true},
    TDecoder{"TBarcode_PLANET", OnBars<DecodePlanet>, true},
    TDecoder{"TBarcode_FIM", OnBars<DecodeFim>, true},
    TDecoder{"TBarcode_RM4SCC", OnBars<DecodeRm4scc>, true},
    TDecoder{"TBarcode_AP4SC", OnBars<DecodeAustraliaPost>, true},
    TDecoder{"TBarcode_AP4SC", OnBars<DecodeAustraliaPostNumeric>, true},
    TDecoder{"TBarcode_PostBar", OnBars<DecodePostBar>, true},
    TDecoder{"TBarcode_OneCode", OnBars<DecodeIntelligentMail>, true},
    TDecoder{"TBarcode_KIX4S", OnBars<DecodeKix>, true},
    TDecoder{"TBarcode_PharmacodeTwoTrack", OnBars<DecodeTwoTrackPharmacode>, true},
    TDecoder{"TBarcode_Flattermarken", DecodeFlattermarken},
};

}  // namespace

std::span<const TDecoder> Decoders() { return List; }

}  // namespace tessel
