#include "symbologies/pPharmacodeOneTrack.h"

namespace tessel {
namespace {

// Digit 1 a narrow bar (one module), digit 2 a wide bar (three modules);
// spaces of two modules, three between bars of different colours. Sixteen
// wide bars are the largest value, 2 + 4 + ... + 2^16.
constexpr TPharmacodeTrack OneTrack{
    .Limit = 131070, .Base = 2, .Bars = "57", .Space = '1', .WideSpace = '2', .MultiState = false};

}  // namespace

TBarcode_PharmacodeOneTrack::TBarcode_PharmacodeOneTrack(TComponent* AOwner) : TBarcode_Pharmacode(AOwner, OneTrack) {}

const TClassInfo TBarcode_PharmacodeOneTrack::ClassInfo{
    "TBarcode_PharmacodeOneTrack", &TBarcode_Pharmacode::ClassInfo, {}, &NewComponent<TBarcode_PharmacodeOneTrack>};
TESSEL_REGISTER(TBarcode_PharmacodeOneTrack);

}  // namespace tessel
