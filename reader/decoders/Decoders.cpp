// The one list of the reader's decoders.
#include <array>

#include "reader/LinearDecoder.h"
#include "reader/decoders/Code39.h"

namespace tessel {
namespace {

constexpr std::array Decoders{
    TLinearDecoder{"TBarcode_PZN", DecodePzn},
    TLinearDecoder{"TBarcode_Code32", DecodeCode32},
    TLinearDecoder{"TBarcode_Code39", DecodeCode39},
    TLinearDecoder{"TBarcode_Code39Ext", DecodeCode39Ext},
};

}  // namespace

std::span<const TLinearDecoder> LinearDecoders() { return Decoders; }

}  // namespace tessel
