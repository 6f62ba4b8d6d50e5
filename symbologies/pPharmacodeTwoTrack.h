// Two-track Pharmacode: a number from 1 to 64570080 as full, upper and lower
// bars.
#pragma once

#include "symbologies/pPharmacode.h"

namespace tessel {

class TBarcode_PharmacodeTwoTrack : public TBarcode_Pharmacode {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_PharmacodeTwoTrack(TComponent* AOwner);
};

}  // namespace tessel
