#include "symbologies/pBC412.h"

#include <array>

#include "core/pCommon.h"
#include "symbologies/pBCFramed.h"

namespace tessel {
namespace {

// The 0-based position of a character is its value.
constexpr std::string_view CharSet_BC412 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::size_t Modulus = CharSet_BC412.size();

// Three of the nine narrow elements after the opening bar are bars; in O two
// of them touch ("55") and draw as one bar two modules wide.
constexpr std::array<std::string_view, 36> Tabelle_BC412 = {
    "505050000", "505005000", "505000500", "505000050", "505000005", "500505000",  // 0-5
    "500500500", "500500050", "500500005", "500050500", "500050050", "500050005",  // 6-B
    "500005050", "500005005", "500000505", "050505000", "050500500", "050500050",  // C-H
    "050500005", "050050500", "050050050", "050050005", "050005050", "050005005",  // I-N
    "050000550", "050000505", "005050500", "005050050", "005050005", "005005050",  // O-T
    "005005005", "005000505", "000505050", "000505005", "000500505", "000050505",  // U-Z
};
static_assert(Tabelle_BC412.size() == CharSet_BC412.size());

}  // namespace

bool TBarcode_BC412::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharInSet(CharSet_BC412, Barcode, Index);
}

std::string TBarcode_BC412::AppendCheckDigit(const std::string& Barcode) {
  std::size_t sum = 0;
  for (char c : Barcode) {
    const std::size_t value = CharSet_BC412.find(c);
    if (value != std::string_view::npos) sum += value;
  }
  return Barcode + CharSet_BC412[(Modulus - sum % Modulus) % Modulus];
}

std::string TBarcode_BC412::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  return MakeBCFramedPattern(FullEncoded, CharSet_BC412, Tabelle_BC412);
}

namespace {
const TPropInfo properties[] = {
    BarcodeProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_BC412::ClassInfo{"TBarcode_BC412", &TBarcode::ClassInfo, properties,
                                           &NewComponent<TBarcode_BC412>};
TESSEL_REGISTER(TBarcode_BC412);

}  // namespace tessel
