// EAN-5: the 5-digit add-on printed beside a main EAN/UPC symbol; its
// digits stand in one group over the bars.
#pragma once

#include "symbologies/pEANAddOn.h"

namespace tessel {

class TBarcode_EAN5 : public TEANAddOn {
  TESSEL_CLASS_INFO
 public:
  using TEANAddOn::TEANAddOn;
  int NumberChars() override;

 protected:
  // By the add-on's check value, carried by the parities only.
  std::string_view Parities(const std::string& Digits) override;
};

}  // namespace tessel
