// The one list of the reader's decoders.
#include <array>

#include "reader/LinearDecoder.h"
#include "reader/decoders/Code39.h"
#include "reader/decoders/Industrial.h"
#include "reader/decoders/Pharmacode.h"
#include "reader/decoders/PlesseyMsi.h"
#include "reader/decoders/Telepen.h"

namespace tessel {
namespace {

constexpr std::array Decoders{
    TLinearDecoder{"TBarcode_PZN", DecodePzn},
    TLinearDecoder{"TBarcode_Code32", DecodeCode32},
    TLinearDecoder{"TBarcode_Code39", DecodeCode39},
    TLinearDecoder{"TBarcode_Code39Ext", DecodeCode39Ext},
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
