#include "symbologies/pCode93Ext.h"

#include <array>

#include "core/pCommon.h"

namespace tessel {
namespace {

// The full-ASCII table: the Code 93 characters that stand for each character
// code 0 to 127, with "[", "]", "{", "}" for the shifts ($), (%), (/), (+).
constexpr std::array<std::string_view, 128> Tabelle_Code93Ext = {
    "]U", "[A", "[B", "[C", "[D", "[E", "[F", "[G",  // 0-7
    "[H", "[I", "[J", "[K", "[L", "[M", "[N", "[O",  // 8-15
    "[P", "[Q", "[R", "[S", "[T", "[U", "[V", "[W",  // 16-23
    "[X", "[Y", "[Z", "]A", "]B", "]C", "]D", "]E",  // 24-31
    " ",  "{A", "{B", "{C", "$",  "%",  "{F", "{G",  // 32-39
    "{H", "{I", "{J", "+",  "{L", "-",  ".",  "/",   // 40-47
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",   // 48-55
    "8",  "9",  "{Z", "]F", "]G", "]H", "]I", "]J",  // 56-63
    "]V", "A",  "B",  "C",  "D",  "E",  "F",  "G",   // 64-71
    "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",   // 72-79
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",   // 80-87
    "X",  "Y",  "Z",  "]K", "]L", "]M", "]N", "]O",  // 88-95
    "]W", "}A", "}B", "}C", "}D", "}E", "}F", "}G",  // 96-103
    "}H", "}I", "}J", "}K", "}L", "}M", "}N", "}O",  // 104-111
    "}P", "}Q", "}R", "}S", "}T", "}U", "}V", "}W",  // 112-119
    "}X", "}Y", "}Z", "]P", "]Q", "]R", "]S", "]T",  // 120-127
};

}  // namespace

bool TBarcode_Code93Ext::VerifyChar(const std::string& Barcode, int Index, bool) {
  return static_cast<unsigned char>(Barcode[Index - 1]) < 128;
}

std::string TBarcode_Code93Ext::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  const std::string expanded = ExpandByTable(Barcode, Tabelle_Code93Ext);
  std::string encoded;
  std::string pattern = TBarcode_Code93::MakeData(expanded, AutoCheckDigit, encoded);
  FullEncoded = Barcode;
  if (AutoCheckDigit && encoded.size() >= 2) FullEncoded += encoded.substr(encoded.size() - 2);
  return pattern;
}

const TClassInfo TBarcode_Code93Ext::ClassInfo{
    "TBarcode_Code93Ext", &TBarcode_Code93::ClassInfo, {}, &NewComponent<TBarcode_Code93Ext>};
TESSEL_REGISTER(TBarcode_Code93Ext);

}  // namespace tessel
