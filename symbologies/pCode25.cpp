#include "symbologies/pCode25.h"

#include "check/pCheck.h"

namespace tessel {

bool TBarcode_Code25::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[Index - 1];
  return c >= '0' && c <= '9';
}

std::string TBarcode_Code25::AppendCheckDigit(const std::string& Barcode) {
  return Barcode + Mod10RightOdd3WeightCom_Check(Barcode);
}

namespace {
const TPropInfo properties[] = {BarcodeProperty(), RatioProperty()};
}  // namespace

const TClassInfo TBarcode_Code25::ClassInfo{"TBarcode_Code25", &TBarcode::ClassInfo, properties, nullptr};

}  // namespace tessel
