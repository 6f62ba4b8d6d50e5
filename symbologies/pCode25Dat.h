// Datalogic 2 of 5: the Matrix digits between shorter start and stop codes.
#pragma once

#include "symbologies/pCode25Mat.h"

namespace tessel {

class TBarcode_Code25Datalogic : public TBarcode_Code25Matrix {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_Code25Matrix::TBarcode_Code25Matrix;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
