#include "symbologies/pIdentcode.h"

namespace tessel {

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_Identcode::SplitText, &TBarcode_Identcode::SetSplitText>("SplitText"),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Identcode::ClassInfo{"TBarcode_Identcode", &TBarcode_Code25InterleavedCustom::ClassInfo,
                                               properties, &NewComponent<TBarcode_Identcode>};
TESSEL_REGISTER(TBarcode_Identcode);

}  // namespace tessel
