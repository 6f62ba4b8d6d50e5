// EAN-2: the 2-digit add-on printed beside a main EAN/UPC symbol; its
// digits stand in one group over the bars.
#pragma once

#include "symbologies/pEANAddOn.h"

namespace tessel {

class TBarcode_EAN2 : public TEANAddOn {
  TESSEL_CLASS_INFO
 public:
  using TEANAddOn::TEANAddOn;
  int NumberChars() override;

 protected:
  // By the value of the two digits mod 4.
  std::string_view Parities(const std::string& Digits) override;
};

}  // namespace tessel
