#include "symbologies/pPLANET.h"

namespace tessel {
namespace {

// The POSTNET digit codes with full and half bars swapped.
constexpr TPostNetDigitTable Tabelle_PLANET = {
    "A1A1515151",  // [0] 0
    "515151A1A1",  // [1] 1
    "5151A151A1",  // [2] 2
    "5151A1A151",  // [3] 3
    "51A15151A1",  // [4] 4
    "51A151A151",  // [5] 5
    "51A1A15151",  // [6] 6
    "A1515151A1",  // [7] 7
    "A15151A151",  // [8] 8
    "A151A15151",  // [9] 9
};

}  // namespace

TBarcode_PLANET::TBarcode_PLANET(TComponent* AOwner) : TPostNetFamily(AOwner, Tabelle_PLANET) {}

namespace {
const TPropInfo properties[] = {
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
};
}  // namespace

const TClassInfo TBarcode_PLANET::ClassInfo{"TBarcode_PLANET", &TBarcode::ClassInfo, properties,
                                            &NewComponent<TBarcode_PLANET>};
TESSEL_REGISTER(TBarcode_PLANET);

}  // namespace tessel
