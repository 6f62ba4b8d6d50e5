#include "symbologies/pLeitcode.h"

namespace tessel {

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_Leitcode::SplitText, &TBarcode_Leitcode::SetSplitText>("SplitText"),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Leitcode::ClassInfo{"TBarcode_Leitcode", &TBarcode_Code25InterleavedCustom::ClassInfo,
                                              properties, &NewComponent<TBarcode_Leitcode>};
TESSEL_REGISTER(TBarcode_Leitcode);

}  // namespace tessel
