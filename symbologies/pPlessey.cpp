#include "symbologies/pPlessey.h"

#include <array>
#include <cstdint>

#include "core/pCommon.h"

namespace tessel {
namespace {

// The 0-based position of a character is its value.
constexpr std::string_view CharSet_Plessey = "0123456789ABCDEF";
// Position n holds the digit whose value is n with its four bits reversed,
// so a byte of the bit stream (first bit sent = most significant) turns
// back into digits through it.
constexpr std::string_view Reversed_Plessey = "084C2A6E195D3B7F";
constexpr int BitsPerDigit = 4;

// The symbols a symbol is built from ('0'..'6': a data bit or a piece of a
// termination) and the lines of each.
constexpr std::array<std::string_view, 7> Tabelle_Plessey = {
    "53",  // a 0 bit: narrow bar, double-wide space
    "71",  // a 1 bit: bar one and a half wide, wide space
    "58",  // narrow bar run into a double-wide bar: the bidirectional termination's first bar
    "35",  // double-wide space, narrow bar
    "17",  // wide space, bar one and a half wide
    "7",   // termination bar
    "6",   // wide bar: the UK termination's first bar
};

// Symbol strings: the start, and the terminations.
constexpr std::string_view StartSymbols = "1101";
constexpr std::string_view PlainTermination = "15";
constexpr std::string_view BidirectionalTermination = "23344";
constexpr std::string_view UKTermination = "63344";

// x^8 + x^7 + x^6 + x^5 + x^3 + 1 without its x^8 term.
constexpr unsigned CrcPolynomial = 0xE9;
constexpr int CrcBits = 8;

void AppendSymbols(std::string& Pattern, std::string_view Symbols) {
  for (char symbol : Symbols) Pattern += Tabelle_Plessey[static_cast<std::size_t>(symbol - '0')];
}

// The remainder of the data bits followed by eight zero bits divided by the
// CRC polynomial. Leading zero bits do not change a remainder, so this is
// also the remainder of the text padded to whole bytes with a leading "0".
std::uint8_t PlesseyCrc(std::string_view Barcode) {
  unsigned reg = 0;
  auto shiftIn = [&reg](unsigned bit) {
    const bool carry = (reg & 0x80) != 0;
    reg = ((reg << 1) & 0xFF) | bit;
    if (carry) reg ^= CrcPolynomial;
  };
  for (char c : Barcode) {
    const std::size_t value = CharSet_Plessey.find(c);
    if (value == std::string_view::npos) continue;  // validation rejects these beforehand
    for (int bit = 0; bit < BitsPerDigit; ++bit) shiftIn((value >> bit) & 1);
  }
  for (int bit = 0; bit < CrcBits; ++bit) shiftIn(0);
  return static_cast<std::uint8_t>(reg);
}

}  // namespace

TBarcode_Plessey::TBarcode_Plessey(TComponent* AOwner) : TBarcode(AOwner), bidirectional_(true) {}

bool TBarcode_Plessey::VerifyChar(const std::string& Barcode, int Index, bool) {
  return CharInSet(CharSet_Plessey, Barcode, Index);
}

std::string TBarcode_Plessey::AppendCheckDigit(const std::string& Barcode) {
  const std::uint8_t crc = PlesseyCrc(Barcode);
  // Each character is sent least significant bit first, so the remainder's
  // eight bits go out from the highest down.
  std::string result = Barcode;
  result += Reversed_Plessey[crc >> 4];
  result += Reversed_Plessey[crc & 0x0F];
  return result;
}

std::string TBarcode_Plessey::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  TBarcode::MakeData(Barcode, AutoCheckDigit, FullEncoded);
  std::string pattern;
  pattern.reserve((FullEncoded.size() * BitsPerDigit + StartSymbols.size() + UKTermination.size()) * 2);
  AppendSymbols(pattern, StartSymbols);
  for (char c : FullEncoded) {
    const std::size_t value = CharSet_Plessey.find(c);
    if (value == std::string_view::npos) continue;  // validation rejects these beforehand
    for (int bit = 0; bit < BitsPerDigit; ++bit) pattern += Tabelle_Plessey[(value >> bit) & 1];
  }
  if (!bidirectional_)
    AppendSymbols(pattern, PlainTermination);
  else
    AppendSymbols(pattern, ukMode_ ? UKTermination : BidirectionalTermination);
  return pattern;
}

void TBarcode_Plessey::Assign(const TPersistent* Source) {
  const auto* source = dynamic_cast<const TBarcode_Plessey*>(Source);
  if (!source) return;
  bidirectional_ = source->bidirectional_;
  ukMode_ = source->ukMode_;
  TBarcode::Assign(Source);
}

namespace {
const TPropInfo properties[] = {
    Published<&TBarcode_Plessey::Bidirectional, &TBarcode_Plessey::SetBidirectional>("Bidirectional"),
    Published<&TBarcode_Plessey::UKMode, &TBarcode_Plessey::SetUKMode>("UKMode"),
    BarcodeProperty(),
    RatioProperty(),
    AutoCheckDigitProperty(),
    TextHSpacingProperty(),
};
}  // namespace

const TClassInfo TBarcode_Plessey::ClassInfo{"TBarcode_Plessey", &TBarcode::ClassInfo, properties,
                                             &NewComponent<TBarcode_Plessey>};
TESSEL_REGISTER(TBarcode_Plessey);

}  // namespace tessel
