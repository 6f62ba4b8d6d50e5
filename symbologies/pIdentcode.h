// German postal Identcode (identification code): eleven digits and a check
// digit weighted 4 and 9, in Interleaved 2 of 5; the text may be split as
// 123.45 678.901 6.
#pragma once

#include "symbologies/pITFGroups.h"

namespace tessel {

class TBarcode_Identcode : public TPostalDigits<TBarcode_Identcode> {
  TESSEL_CLASS_INFO
 public:
  static constexpr TDigitGroups Groups{11, "###.## ###.### #"};
  using TPostalDigits::TPostalDigits;
};

}  // namespace tessel
