// EAN/UPC (ISO/IEC 15420): EAN-13, UPC-A, EAN-8, UPC-E and the EAN-2 and
// EAN-5 add-ons. A main symbol followed across a gap by an add-on reads as
// the main symbol's digits, a space and the add-on's digits.
#pragma once

#include "reader/LinearDecoder.h"

namespace tessel {

// The thirteen digits, the leading one read from the left half's number
// sets, the check digit holding.
std::optional<TDecoded> DecodeEan13(std::span<const double> Widths);
// An EAN-13 symbol whose leading digit is 0: the other twelve digits.
std::optional<TDecoded> DecodeUpcA(std::span<const double> Widths);
// The eight digits, the check digit holding.
std::optional<TDecoded> DecodeEan8(std::span<const double> Widths);
// Eight digits: the number system (0 or 1) and the check digit read from
// the six characters' number sets, then the six data digits between them;
// the check digit holds for the number expanded to its UPC-A form.
std::optional<TDecoded> DecodeUpcE(std::span<const double> Widths);
// UPC-E of number system 0, and of number system 1.
std::optional<TDecoded> DecodeUpcE0(std::span<const double> Widths);
std::optional<TDecoded> DecodeUpcE1(std::span<const double> Widths);
// The add-ons' two and five digits, their number sets agreeing with them.
std::optional<TDecoded> DecodeEan2(std::span<const double> Widths);
std::optional<TDecoded> DecodeEan5(std::span<const double> Widths);

}  // namespace tessel
