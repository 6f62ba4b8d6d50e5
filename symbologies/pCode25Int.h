// Interleaved 2 of 5: digit pairs, the first digit in the bars and the
// second in the spaces; an odd count is padded on the left with "0" or on
// the right with ':' (five narrow elements).
#pragma once

#include <cstdint>

#include "symbologies/pCode25.h"

namespace tessel {

TESSEL_PUBLISHED_ENUM(TCode25InterleavedPadding, cipLeft, cipRight)

// The base of the interleaved codes.
class TBarcode_Code25InterleavedCustom : public TBarcode_Code25 {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code25::TBarcode_Code25;
  TCode25InterleavedPadding Padding() const { return padding_; }
  void SetPadding(TCode25InterleavedPadding Value);
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void Assign(const TPersistent* Source) override;

 private:
  TCode25InterleavedPadding padding_ = cipLeft;
};

class TBarcode_Code25Interleaved : public TBarcode_Code25InterleavedCustom {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code25InterleavedCustom::TBarcode_Code25InterleavedCustom;
};

}  // namespace tessel
