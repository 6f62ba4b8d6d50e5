// One-track Pharmacode: a number from 1 to 131070 as narrow and wide bars.
#pragma once

#include "symbologies/pPharmacode.h"

namespace tessel {

class TBarcode_PharmacodeOneTrack : public TBarcode_Pharmacode {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_PharmacodeOneTrack(TComponent* AOwner);
};

}  // namespace tessel
