// IATA 2 of 5: the Industrial digits between shorter start and stop codes.
#pragma once

#include "symbologies/pCode25Ind.h"

namespace tessel {

class TBarcode_IATA : public TBarcode_Code25Industrial {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code25Industrial::TBarcode_Code25Industrial;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
