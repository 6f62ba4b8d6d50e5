// PLANET: the United States postal code drawn like POSTNET with the inverse
// digit table (three full bars out of five).
#pragma once

#include "symbologies/pPostNet.h"

namespace tessel {

class TBarcode_PLANET : public TPostNetFamily {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_PLANET(TComponent* AOwner);
};

}  // namespace tessel
