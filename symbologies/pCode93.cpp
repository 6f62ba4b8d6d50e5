#include "symbologies/pCode93.h"

#include <array>

#include "check/pCheck.h"
#include "core/pCommon.h"

namespace tessel {
namespace {

// The 0-based position of a character is its Code 93 value. The first 43
// are the data characters; "[", "]", "{" and "}" stand for the shift
// characters ($), (%), (/) and (+); '*' is the start/stop character.
constexpr std::string_view CharSet_Code93 = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}*";
constexpr std::size_t DataChars = 43;
constexpr std::size_t StartStop = 47;

// Module widths of bar, space, bar, space, bar, space.
constexpr std::array<std::string_view, 48> Tabelle_Code93 = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",
    "221121", "222111", "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211", "111141"};

}  // namespace

bool TBarcode_Code93::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharSet_Code93.find(Barcode[Index - 1]) < DataChars;
}

std::string TBarcode_Code93::AppendCheckDigit(const std::string& Barcode) {
  return Barcode + ModDualRightSequenceWeight_Check(Barcode, CharSet_Code93, 20, 15, 47, false);
}

std::string TBarcode_Code93::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string modules;
  modules.reserve((FullEncoded.size() + 2) * 6 + 1);
  modules += Tabelle_Code93[StartStop];
  for (char c : FullEncoded) {
    const std::size_t value = CharSet_Code93.find(c);
    if (value < StartStop) modules += Tabelle_Code93[value];
  }
  modules += Tabelle_Code93[StartStop];
  modules += '1';  // the termination bar
  return ConvertToInternalFormat(modules);
}

namespace {
const TPropInfo properties[] = {BarcodeProperty(), RatioProperty(), AutoCheckDigitProperty(), TextHSpacingProperty()};
}

const TClassInfo TBarcode_Code93::ClassInfo{"TBarcode_Code93", &TBarcode::ClassInfo, properties,
                                            &NewComponent<TBarcode_Code93>};
TESSEL_REGISTER(TBarcode_Code93);

}  // namespace tessel
