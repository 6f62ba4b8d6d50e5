#include "symbologies/pPLANET.h"

namespace tessel {
namespace {

// The POSTNET digit codes with full and half bars swapped.
constexpr TPostNetDigitTable Tabelle_PLANET = {"A1A1515151", "515151A1A1", "5151A151A1", "5151A1A151", "51A15151A1",
                                               "51A151A151", "51A1A15151", "A1515151A1", "A15151A151", "A151A15151"};

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
