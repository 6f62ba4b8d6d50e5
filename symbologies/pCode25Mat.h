// Matrix 2 of 5: each digit as three bars and two spaces, followed by a
// narrow space.
#pragma once

#include "symbologies/pCode25.h"

namespace tessel {

class TBarcode_Code25Matrix : public TBarcode_Code25 {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code25::TBarcode_Code25;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
