#include "symbologies/pITF14.h"

namespace tessel {

TBarcode_ITF14::TBarcode_ITF14(TComponent* AOwner) : TGroupedDigits(AOwner) { SetAutoCheckDigit(true); }

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_ITF14::SplitText, &TBarcode_ITF14::SetSplitText>("SplitText"),
    AutoCheckDigitProperty(),
};
}  // namespace

const TClassInfo TBarcode_ITF14::ClassInfo{"TBarcode_ITF14", &TBarcode_ITF6::ClassInfo, properties,
                                           &NewComponent<TBarcode_ITF14>};
TESSEL_REGISTER(TBarcode_ITF14);

}  // namespace tessel
