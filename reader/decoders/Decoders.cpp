// The one list of the reader's width decoders.
#include <array>

#include "reader/LinearDecoder.h"
#include "reader/decoders/CodabarCode11.h"
#include "reader/decoders/Code128.h"
#include "reader/decoders/Code39.h"
#include "reader/decoders/Code93.h"
#include "reader/decoders/EanUpc.h"
#include "reader/decoders/Industrial.h"
#include "reader/decoders/ItfDerivatives.h"
#include "reader/decoders/Pharmacode.h"
#include "reader/decoders/PlesseyMsi.h"
#include "reader/decoders/Telepen.h"
#include "reader/decoders/TwoOfFive.h"

namespace tessel {
namespace {

// One row a class; a class that reads the same bars as another, but with
// more rules, comes first.
constexpr std::array Decoders{
    TLinearDecoder{"TBarcode_PZN", DecodePzn},
    TLinearDecoder{"TBarcode_Code32", DecodeCode32},
    TLinearDecoder{"TBarcode_Code39", DecodeCode39},
    TLinearDecoder{"TBarcode_Code39Ext", DecodeCode39Ext},
    TLinearDecoder{"TBarcode_UPCA", DecodeUpcA},
    TLinearDecoder{"TBarcode_EAN13", DecodeEan13},
    TLinearDecoder{"TBarcode_EAN8", DecodeEan8},
    TLinearDecoder{"TBarcode_UPCE0", DecodeUpcE0},
    TLinearDecoder{"TBarcode_UPCE1", DecodeUpcE1},
    TLinearDecoder{"TBarcode_UPCE", DecodeUpcE},
    TLinearDecoder{"TBarcode_EAN2", DecodeEan2},
    TLinearDecoder{"TBarcode_EAN5", DecodeEan5},
    TLinearDecoder{"TBarcode_EAN128", DecodeEan128},
    TLinearDecoder{"TBarcode_Code128", DecodeCode128},
    TLinearDecoder{"TBarcode_ITF14", DecodeItf14},
    TLinearDecoder{"TBarcode_Leitcode", DecodeLeitcode},
    TLinearDecoder{"TBarcode_Identcode", DecodeIdentcode},
    TLinearDecoder{"TBarcode_ITF6", DecodeItf6},
    TLinearDecoder{"TBarcode_Code25Interleaved", DecodeCode25Interleaved},
    TLinearDecoder{"TBarcode_IATA", DecodeIata},
    TLinearDecoder{"TBarcode_Code25Industrial", DecodeCode25Industrial},
    TLinearDecoder{"TBarcode_Code25Invert", DecodeCode25Invert},
    TLinearDecoder{"TBarcode_Code25Matrix", DecodeCode25Matrix},
    TLinearDecoder{"TBarcode_Code25Datalogic", DecodeCode25Datalogic},
    TLinearDecoder{"TBarcode_Coop25", DecodeCoop25},
    TLinearDecoder{"TBarcode_Code93", DecodeCode93},
    TLinearDecoder{"TBarcode_Code93Ext", DecodeCode93Ext},
    TLinearDecoder{"TBarcode_Codabar", DecodeCodabar},
    TLinearDecoder{"TBarcode_Code11", DecodeCode11},
    TLinearDecoder{"TBarcode_Telepen", DecodeTelepen},
    TLinearDecoder{"TBarcode_Plessey", DecodePlessey},
    TLinearDecoder{"TBarcode_MSI", DecodeMsi},
    TLinearDecoder{"TBarcode_BC412", DecodeBc412},
    TLinearDecoder{"TBarcode_BC309", DecodeBc309},
    TLinearDecoder{"TBarcode_Clocked35", DecodeClocked35},
    TLinearDecoder{"TBarcode_PharmacodeOneTrack", DecodePharmacodeOneTrack},
};

}  // namespace

std::span<const TLinearDecoder> LinearDecoders() { return Decoders; }

}  // namespace tessel
