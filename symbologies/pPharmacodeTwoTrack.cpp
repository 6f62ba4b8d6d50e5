#include "symbologies/pPharmacodeTwoTrack.h"

namespace tessel {
namespace {

// Digit 1 a lower bar, 2 an upper bar, 3 a full bar, each one module wide;
// spaces of one module, two between bars of different colours. Sixteen full
// bars are the largest value, 3 + 9 + ... + 3^16.
constexpr TPharmacodeTrack TwoTrack{
    .Limit = 64570080, .Base = 3, .Bars = "945", .Space = '0', .WideSpace = '1', .MultiState = true};

}  // namespace

TBarcode_PharmacodeTwoTrack::TBarcode_PharmacodeTwoTrack(TComponent* AOwner) : TBarcode_Pharmacode(AOwner, TwoTrack) {}

const TClassInfo TBarcode_PharmacodeTwoTrack::ClassInfo{
    "TBarcode_PharmacodeTwoTrack", &TBarcode_Pharmacode::ClassInfo, {}, &NewComponent<TBarcode_PharmacodeTwoTrack>};
TESSEL_REGISTER(TBarcode_PharmacodeTwoTrack);

}  // namespace tessel
