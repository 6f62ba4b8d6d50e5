// RM4SCC: the Royal Mail four-state customer code, the KIX characters between
// a start and a stop bar with a row/column check character.
#pragma once

#include "symbologies/pKIX4S.h"

namespace tessel {

class TBarcode_RM4SCC : public TBarcode_KIX4S {
  TESSEL_CLASS_INFO
 public:
  using TBarcode_KIX4S::TBarcode_KIX4S;

  // Barcode and the character whose row is the sum of the characters' rows
  // and whose column is the sum of their columns, both taken modulo 6.
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
};

}  // namespace tessel
