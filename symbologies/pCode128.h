// Code 128 (ISO/IEC 15417): full ASCII through the subsets A, B and C with
// automatic choice of the start subset and of every subset change, digit
// pairs in subset C, function characters and subset changes written as
// backslash escapes, characters 128 to 255 through FNC4, and the modulo-103
// check character. It also carries the hooks of a composite partner.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "components/pComposite.h"

namespace tessel {

TESSEL_PUBLISHED_ENUM(TCode128SubSet, cssSubAuto, cssSubSetA, cssSubSetB, cssSubSetC)

// The symbol characters of values 0 to 106: widths in modules of bar, space,
// bar, space, bar, space. Entry 106 is the stop character without its final
// bar, TerminationBar.
// Source: ISO/IEC 15417 symbol character table.
inline constexpr std::array<std::string_view, 107> Tabelle_Code128 = {
    "212222",  // [0]
    "222122",  // [1]
    "222221",  // [2]
    "121223",  // [3]
    "121322",  // [4]
    "131222",  // [5]
    "122213",  // [6]
    "122312",  // [7]
    "132212",  // [8]
    "221213",  // [9]
    "221312",  // [10]
    "231212",  // [11]
    "112232",  // [12]
    "122132",  // [13]
    "122231",  // [14]
    "113222",  // [15]
    "123122",  // [16]
    "123221",  // [17]
    "223211",  // [18]
    "221132",  // [19]
    "221231",  // [20]
    "213212",  // [21]
    "223112",  // [22]
    "312131",  // [23]
    "311222",  // [24]
    "321122",  // [25]
    "321221",  // [26]
    "312212",  // [27]
    "322112",  // [28]
    "322211",  // [29]
    "212123",  // [30]
    "212321",  // [31]
    "232121",  // [32]
    "111323",  // [33]
    "131123",  // [34]
    "131321",  // [35]
    "112313",  // [36]
    "132113",  // [37]
    "132311",  // [38]
    "211313",  // [39]
    "231113",  // [40]
    "231311",  // [41]
    "112133",  // [42]
    "112331",  // [43]
    "132131",  // [44]
    "113123",  // [45]
    "113321",  // [46]
    "133121",  // [47]
    "313121",  // [48]
    "211331",  // [49]
    "231131",  // [50]
    "213113",  // [51]
    "213311",  // [52]
    "213131",  // [53]
    "311123",  // [54]
    "311321",  // [55]
    "331121",  // [56]
    "312113",  // [57]
    "312311",  // [58]
    "332111",  // [59]
    "314111",  // [60]
    "221411",  // [61]
    "431111",  // [62]
    "111224",  // [63]
    "111422",  // [64]
    "121124",  // [65]
    "121421",  // [66]
    "141122",  // [67]
    "141221",  // [68]
    "112214",  // [69]
    "112412",  // [70]
    "122114",  // [71]
    "122411",  // [72]
    "142112",  // [73]
    "142211",  // [74]
    "241211",  // [75]
    "221114",  // [76]
    "413111",  // [77]
    "241112",  // [78]
    "134111",  // [79]
    "111242",  // [80]
    "121142",  // [81]
    "121241",  // [82]
    "114212",  // [83]
    "124112",  // [84]
    "124211",  // [85]
    "411212",  // [86]
    "421112",  // [87]
    "421211",  // [88]
    "212141",  // [89]
    "214121",  // [90]
    "412121",  // [91]
    "111143",  // [92]
    "111341",  // [93]
    "131141",  // [94]
    "114113",  // [95]
    "114311",  // [96]
    "411113",  // [97]
    "411311",  // [98]
    "113141",  // [99]
    "114131",  // [100]
    "311141",  // [101]
    "411131",  // [102]
    "211412",  // [103]
    "211214",  // [104]
    "211232",  // [105]
    "233111",  // [106]
};
inline constexpr std::string_view TerminationBar = "2";

// Values used by name.
namespace code128 {
inline constexpr int FNC3 = 96;
inline constexpr int FNC2 = 97;
inline constexpr int Shift = 98;
inline constexpr int CodeC = 99;
inline constexpr int CodeB = 100;  // FNC4 in subset B
inline constexpr int CodeA = 101;  // FNC4 in subset A
inline constexpr int FNC1 = 102;
inline constexpr int StartA = 103;
inline constexpr int Stop = 106;
}  // namespace code128

// A text ready for the encoder: the entered text after the FNC4 rewriting,
// with backslash escapes, and which of its characters the rewriting carried
// with FNC4 (they lost their top bit). Such a character is always encoded on
// its own in subset A or B, never as part of a digit pair. A plain string
// converts to a text with no carried characters.
struct TCode128Scanned {
  TCode128Scanned() = default;
  TCode128Scanned(std::string text) : Text(std::move(text)) {}  // NOLINT: implicit on purpose
  TCode128Scanned(const char* text) : Text(text) {}             // NOLINT
  std::string Text;
  std::vector<bool> Carried;  // per character of Text; missing entries are false
};

class TBarcode_Code128 : public TCompositeLinearBarcode {
  TESSEL_CLASS_INFO
 public:
  using TCompositeLinearBarcode::TCompositeLinearBarcode;

  TCode128SubSet InitialSubSet() const { return initialSubSet_; }
  void SetInitialSubSet(TCode128SubSet Value);

  void Assign(const TPersistent* Source) override;
  int VerifyAllChars(const std::string& Barcode, bool AutoCheckDigit) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;

  // The FNC4 rewriting of the first Length characters: characters 128 to 255
  // become "\4" plus the character without its top bit, or, for longer runs,
  // are latched between "\4\4" pairs. A carried backslash is written "\\".
  static TCode128Scanned BarcodeScan(std::string_view Barcode, int Length);
  // The subset to use from the 1-based Position of the first Length
  // characters of Text on.
  static TCode128SubSet GetNextMode(const TCode128Scanned& Text, int Length, bool First, int Position);
  // Turns the first Length characters of Text into the value string (one
  // character per Code 128 value, without start, check and stop).
  static void Encode(const TCode128Scanned& Text, int Length, std::string& Values, TCode128SubSet& StartSubSet,
                     TCode128SubSet& FinalSubSet, TCode128SubSet InitialSubSet);
  // The printable form of a check value in the subset in force before it.
  static std::string GetCheckSumChar(int Value, TCode128SubSet SubSet);

  // The results of the last MakeData.
  TCode128SubSet StartSubSet() const { return startSubSet_; }
  TCode128SubSet FinalSubSet() const { return finalSubSet_; }
  // Start value plus the position-weighted sum of the data values, not
  // reduced modulo 103.
  std::int64_t CheckSum() const { return checkSum_; }
  // Values including the start character, without check and stop.
  int SymbolCharCount() const { return symbolCharCount_; }

 protected:
  // The quiet zones and the text beyond the lines.
  void GetCompositeExtents(const TBarcodeParameters& Parameters, int& LeftExtent, int& RightExtent) override;
  void SetCheckSum(std::int64_t Value) { checkSum_ = Value; }

 private:
  TCode128SubSet initialSubSet_ = cssSubAuto;
  TCode128SubSet startSubSet_ = cssSubAuto;
  std::int64_t checkSum_ = 0;
  int symbolCharCount_ = 0;
  TCode128SubSet finalSubSet_ = cssSubAuto;
};

// The pattern of a value string (start first, stop last) with the final bar.
std::string Code128Pattern(std::string_view Values);

}  // namespace tessel
