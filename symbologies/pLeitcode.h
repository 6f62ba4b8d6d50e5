// German postal Leitcode (routing code): thirteen digits and a check digit
// weighted 4 and 9, in Interleaved 2 of 5; the text may be split as
// 12345.678.901.23 6.
#pragma once

#include "symbologies/pITFGroups.h"

namespace tessel {

class TBarcode_Leitcode : public TPostalDigits<TBarcode_Leitcode> {
  TESSEL_CLASS_INFO
 public:
  static constexpr TDigitGroups Groups{13, "#####.###.###.## #"};
  using TPostalDigits::TPostalDigits;
};

}  // namespace tessel
