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
inline constexpr std::array<std::string_view, 107> Tabelle_Code128 = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",  // 0
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",  // 10
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",  // 20
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",  // 30
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",  // 40
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",  // 50
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",  // 60
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",  // 70
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",  // 80
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",  // 90
    "114131", "311141", "411131", "211412", "211214", "211232", "233111"};                               // 100
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
