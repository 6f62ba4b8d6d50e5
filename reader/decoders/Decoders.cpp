// The one list of the reader's decoders.
#include <array>

#include "reader/LinearDecoder.h"
#include "reader/decoders/Code128.h"
#include "reader/decoders/Code39.h"
#include "reader/decoders/EanUpc.h"

namespace tessel {
namespace {

constexpr std::array Decoders{
    TLinearDecoder{"TBarcode_PZN", DecodePzn},       TLinearDecoder{"TBarcode_Code32", DecodeCode32},
    TLinearDecoder{"TBarcode_Code39", DecodeCode39}, TLinearDecoder{"TBarcode_Code39Ext", DecodeCode39Ext},
    TLinearDecoder{"TBarcode_UPCA", DecodeUpcA},     TLinearDecoder{"TBarcode_EAN13", DecodeEan13},
    TLinearDecoder{"TBarcode_EAN8", DecodeEan8},     TLinearDecoder{"TBarcode_UPCE0", DecodeUpcE0},
    TLinearDecoder{"TBarcode_UPCE1", DecodeUpcE1},   TLinearDecoder{"TBarcode_UPCE", DecodeUpcE},
    TLinearDecoder{"TBarcode_EAN2", DecodeEan2},     TLinearDecoder{"TBarcode_EAN5", DecodeEan5},
    TLinearDecoder{"TBarcode_EAN128", DecodeEan128}, TLinearDecoder{"TBarcode_Code128", DecodeCode128},
};

}  // namespace

std::span<const TLinearDecoder> LinearDecoders() { return Decoders; }

}  // namespace tessel
