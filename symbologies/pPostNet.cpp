#include "symbologies/pPostNet.h"

#include "check/pCheck.h"

namespace tessel {
namespace {

// The POSTNET digit codes: two full bars out of five (weights 7 4 2 1 0,
// 0 written as 11), a full bar for 1 and a half bar for 0.
constexpr TPostNetDigitTable Tabelle_PostNet = {
    "5151A1A1A1",  // [0] 0
    "A1A1A15151",  // [1] 1
    "A1A151A151",  // [2] 2
    "A1A15151A1",  // [3] 3
    "A151A1A151",  // [4] 4
    "A151A151A1",  // [5] 5
    "A15151A1A1",  // [6] 6
    "51A1A1A151",  // [7] 7
    "51A1A151A1",  // [8] 8
    "51A151A1A1",  // [9] 9
};

constexpr std::string_view FrameStart = "51";  // full bar and wide space
constexpr std::string_view FrameStop = "5";
constexpr std::size_t DigitLength = 10;

}  // namespace

std::string MakePostNetPattern(std::string_view FullEncoded, const TPostNetDigitTable& Digits) {
  std::string pattern;
  pattern.reserve(FrameStart.size() + FullEncoded.size() * DigitLength + FrameStop.size());
  pattern += FrameStart;
  for (const char c : FullEncoded)
    if (c >= '0' && c <= '9') pattern += Digits[static_cast<std::size_t>(c - '0')];  // validation rejects others
  pattern += FrameStop;
  return pattern;
}

bool TPostNetFamily::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[static_cast<std::size_t>(Index - 1)];
  return c >= '0' && c <= '9';
}

std::string TPostNetFamily::AppendCheckDigit(const std::string& Barcode) { return Barcode + Mod10Com_Check(Barcode); }

std::string TPostNetFamily::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  return MakePostNetPattern(FullEncoded, digits_);
}

TBarcode_PostNet::TBarcode_PostNet(TComponent* AOwner) : TPostNetFamily(AOwner, Tabelle_PostNet) {}

namespace {
const TPropInfo properties[] = {
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
};
}  // namespace

const TClassInfo TBarcode_PostNet::ClassInfo{"TBarcode_PostNet", &TBarcode::ClassInfo, properties,
                                             &NewComponent<TBarcode_PostNet>};
TESSEL_REGISTER(TBarcode_PostNet);

}  // namespace tessel
