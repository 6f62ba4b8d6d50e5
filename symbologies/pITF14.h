// ITF-14: thirteen digits and a check digit in Interleaved 2 of 5 with the
// bearer bars of ITF-6; the text may be split into the groups 1 2 5 5 1.
#pragma once

#include "symbologies/pITF6.h"
#include "symbologies/pITFGroups.h"

namespace tessel {

class TBarcode_ITF14 : public TGroupedDigits<TBarcode_ITF14, TBarcode_ITF6> {
  TESSEL_CLASS_INFO
 public:
  static constexpr TDigitGroups Groups{13, "# ## ##### ##### #"};
  explicit TBarcode_ITF14(TComponent* AOwner);
};

}  // namespace tessel
