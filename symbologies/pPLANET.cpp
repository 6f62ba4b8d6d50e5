#include "symbologies/pPLANET.h"

#include "check/pCheck.h"

namespace tessel {
namespace {

// The POSTNET digit codes with full and half bars swapped.
constexpr TPostNetDigitTable Tabelle_PLANET = {"A1A1515151", "515151A1A1", "5151A151A1", "5151A1A151", "51A15151A1",
                                               "51A151A151", "51A1A15151", "A1515151A1", "A15151A151", "A151A15151"};

}  // namespace

bool TBarcode_PLANET::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[static_cast<std::size_t>(Index - 1)];
  return c >= '0' && c <= '9';
}

std::string TBarcode_PLANET::AppendCheckDigit(const std::string& Barcode) { return Barcode + Mod10Com_Check(Barcode); }

std::string TBarcode_PLANET::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  return MakePostNetPattern(FullEncoded, Tabelle_PLANET);
}

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
