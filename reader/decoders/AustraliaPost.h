// The Australia Post four-state customer barcode.
#pragma once

#include "reader/BarDecoder.h"

namespace tessel {

// The format control code, the delivery point identifier, the customer
// information (characters of the C table) and the four Reed-Solomon
// parity symbols as two digits each; the parity must hold.
std::optional<TDecoded> DecodeAustraliaPost(std::span<const TBar> Bars);
// The same with customer information of digits (the N table).
std::optional<TDecoded> DecodeAustraliaPostNumeric(std::span<const TBar> Bars);

}  // namespace tessel
