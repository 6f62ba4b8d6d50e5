// Industrial 2 of 5: every element is a bar, wide or narrow, followed by a
// narrow space.
#pragma once

#include "symbologies/pCode25.h"

namespace tessel {

class TBarcode_Code25Industrial : public TBarcode_Code25 {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code25::TBarcode_Code25;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
