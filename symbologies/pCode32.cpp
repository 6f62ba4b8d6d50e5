#include "symbologies/pCode32.h"

#include <charconv>
#include <cstdint>

#include "core/pCommon.h"

namespace tessel {
namespace {

// Base-32 digits; the value of a digit is its 0-based position.
constexpr std::string_view CharSet_Code32 = "0123456789BCDFGHJKLMNPQRSTUVWXYZ";

}  // namespace

TBarcode_Code32::TBarcode_Code32(TComponent* AOwner) : TBarcode_Code39(AOwner) { SetDisplayText(dtFullEncoded); }

std::string TBarcode_Code32::AppendSubCheckDigit(const std::string& Barcode, bool AutoCheckDigit) const {
  if (!AutoCheckDigit) return SetBarcodeLength(9, Barcode, '0');
  std::string number = SetBarcodeLength(8, Barcode, '0');
  int sum = 0;
  for (std::size_t i = 0; i < number.size(); ++i) {
    const int digit = number[i] - '0';
    if (i % 2 == 0) {
      sum += digit;
    } else {
      const int twice = 2 * digit;
      sum += twice > 9 ? twice - 9 : twice;
    }
  }
  return number + static_cast<char>('0' + ((sum % 10) + 10) % 10);
}

bool TBarcode_Code32::VerifyLength(const std::string& Barcode, bool AutoCheckDigit) {
  return Barcode.size() <= (AutoCheckDigit ? 8u : 9u);
}

bool TBarcode_Code32::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[Index - 1];
  return c >= '0' && c <= '9';
}

std::string TBarcode_Code32::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  FullEncoded = AppendSubCheckDigit(Barcode, AutoCheckDigit);
  std::uint64_t number = 0;
  const char* end = FullEncoded.data() + FullEncoded.size();
  const auto [at, error] = std::from_chars(FullEncoded.data(), end, number);
  if (error != std::errc() || at != end) number = 0;  // not a number
  number &= (std::uint64_t{1} << 30) - 1;
  std::string digits(6, '0');
  for (int i = 5; i >= 0; --i) {
    digits[i] = CharSet_Code32[number % 32];
    number /= 32;
  }
  return Code39Pattern(digits);
}

void TBarcode_Code32::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                       TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                       TPoint& RightBottom, std::span<const int>& PDx) {
  if (Step == dtsPrepare) Parameters.Text = std::string("A").append(SetBarcodeLength(9, Parameters.Text, '0'));
  TBarcode_Code39::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
}

const TClassInfo TBarcode_Code32::ClassInfo{
    "TBarcode_Code32", &TBarcode_Code39::ClassInfo, {}, &NewComponent<TBarcode_Code32>};
TESSEL_REGISTER(TBarcode_Code32);

}  // namespace tessel
