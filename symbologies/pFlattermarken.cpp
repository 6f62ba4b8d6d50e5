#include "symbologies/pFlattermarken.h"

#include "core/pCommon.h"

namespace tessel {

bool TBarcode_Flattermarken::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharInSet(Charset_Flattermarken, Barcode, Index);
}

std::string TBarcode_Flattermarken::MakeData(const std::string& Barcode, bool, std::string& FullEncoded) {
  FullEncoded = Barcode;
  std::string pattern;
  pattern.reserve(Barcode.size() * Tabelle_Flattermarken[0].size());
  for (char c : Barcode) {
    const std::size_t value = Charset_Flattermarken.find(c);
    if (value == std::string_view::npos) continue;  // validation rejects these beforehand
    pattern += Tabelle_Flattermarken[value];
  }
  return pattern;
}

namespace {
const TPropInfo properties[] = {
    BarcodeProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Flattermarken::ClassInfo{"TBarcode_Flattermarken", &TBarcode::ClassInfo, properties,
                                                   &NewComponent<TBarcode_Flattermarken>};
TESSEL_REGISTER(TBarcode_Flattermarken);

}  // namespace tessel
