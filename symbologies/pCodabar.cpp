#include "symbologies/pCodabar.h"

#include <array>

namespace tessel {
namespace {

// The 0-based position of a character is its value for the check character.
// The first 16 are the data characters, A to D the start/stop characters.
constexpr std::string_view CharSet_Codabar = "0123456789-$:/.+ABCD";
constexpr std::size_t DataChars = 16;

// Bar, space, bar, space, bar, space, bar.
// Source: ANSI/AIM BC3-1995 character patterns.
constexpr std::array<std::string_view, 20> Tabelle_Codabar = {
    "5050516",  // [0] 0
    "5050615",  // [1] 1
    "5051506",  // [2] 2
    "6150505",  // [3] 3
    "5060515",  // [4] 4
    "6050515",  // [5] 5
    "5150506",  // [6] 6
    "5150605",  // [7] 7
    "5160505",  // [8] 8
    "6051505",  // [9] 9
    "5051605",  // [10] -
    "5061505",  // [11] $
    "6050606",  // [12] :
    "6060506",  // [13] /
    "6060605",  // [14] .
    "5060606",  // [15] +
    "5061515",  // [16] A
    "5151506",  // [17] B
    "5051516",  // [18] C
    "5051615",  // [19] D
};

// The set position of a start/stop code (one letter A to D, either case),
// or npos.
std::size_t GuardValue(const std::string& Code) {
  if (Code.size() != 1) return std::string_view::npos;
  char c = Code[0];
  if (c >= 'a' && c <= 'd') c = static_cast<char>(c - 'a' + 'A');
  const std::size_t value = CharSet_Codabar.find(c);
  return value >= DataChars && value != std::string_view::npos ? value : std::string_view::npos;
}

}  // namespace

TBarcode_Codabar::TBarcode_Codabar(TComponent* AOwner) : TBarcode(AOwner), startCode_("A"), stopCode_("B") {}

bool TBarcode_Codabar::VerifyLength(const std::string&, bool) {
  return GuardValue(startCode_) != std::string_view::npos && GuardValue(stopCode_) != std::string_view::npos;
}

bool TBarcode_Codabar::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharSet_Codabar.find(Barcode[Index - 1]) < DataChars;
}

std::string TBarcode_Codabar::AppendCheckDigit(const std::string& Barcode) {
  std::size_t sum = 0;
  for (const std::size_t guard : {GuardValue(startCode_), GuardValue(stopCode_)})
    if (guard != std::string_view::npos) sum += guard;
  for (char c : Barcode) {
    const std::size_t value = CharSet_Codabar.find(c);
    if (value != std::string_view::npos) sum += value;
  }
  return Barcode + CharSet_Codabar[(16 - sum % 16) % 16];
}

std::string TBarcode_Codabar::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  const std::size_t start = GuardValue(startCode_), stop = GuardValue(stopCode_);
  if (start == std::string_view::npos || stop == std::string_view::npos) return {};
  std::string pattern;
  pattern.reserve((FullEncoded.size() + 2) * 8);
  pattern += Tabelle_Codabar[start];
  pattern += '0';
  for (char c : FullEncoded) {
    const std::size_t value = CharSet_Codabar.find(c);
    if (value >= DataChars) continue;  // validation rejects these beforehand
    pattern += Tabelle_Codabar[value];
    pattern += '0';
  }
  pattern += Tabelle_Codabar[stop];
  return pattern;
}

void TBarcode_Codabar::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_Codabar*>(Source);
  if (!source) return;
  startCode_ = source->startCode_;
  stopCode_ = source->stopCode_;
  TBarcode::Assign(Source);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_Codabar::StartCode, &TBarcode_Codabar::SetStartCode>("StartCode"),
    Published<&TBarcode_Codabar::StopCode, &TBarcode_Codabar::SetStopCode>("StopCode"),
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Codabar::ClassInfo{"TBarcode_Codabar", &TBarcode::ClassInfo, properties,
                                             &NewComponent<TBarcode_Codabar>};
TESSEL_REGISTER(TBarcode_Codabar);

}  // namespace tessel
