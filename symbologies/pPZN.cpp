#include "symbologies/pPZN.h"

#include "core/pCommon.h"

namespace tessel {

TBarcode_PZN::TBarcode_PZN(TComponent* AOwner) : TBarcode_Code39(AOwner) { SetDisplayText(dtFullEncoded); }

std::string TBarcode_PZN::AppendSubCheckDigit(const std::string& Barcode, bool AutoCheckDigit) const {
  if (!AutoCheckDigit) return SetBarcodeLength(7, Barcode, '0');
  std::string number = SetBarcodeLength(6, Barcode, '0');
  int sum = 0;
  for (std::size_t i = 0; i < number.size(); ++i) sum += (number[i] - '0') * static_cast<int>(i + 2);
  const int remainder = ((sum % 11) + 11) % 11;
  return number + (remainder == 10 ? '+' : static_cast<char>('0' + remainder));
}

bool TBarcode_PZN::VerifyLength(const std::string& Barcode, bool AutoCheckDigit) {
  return Barcode.size() <= (AutoCheckDigit ? 6u : 7u);
}

bool TBarcode_PZN::VerifyChar(const std::string& Barcode, int Index, bool) {
  const char c = Barcode[Index - 1];
  return c >= '0' && c <= '9';
}

std::string TBarcode_PZN::MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) {
  FullEncoded = AppendSubCheckDigit(Barcode, AutoCheckDigit);
  FullEncoded.insert(FullEncoded.begin(), '-');
  return Code39Pattern(FullEncoded);
}

void TBarcode_PZN::DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define,
                                    TBarcodeParameters& Parameters, bool& Continue, TPoint& LeftTop,
                                    TPoint& RightBottom, std::span<const int>& PDx) {
  if (Step == dtsPrepare) Parameters.Text = "PZN" + SetBarcodeLength(8, Parameters.Text, '0');
  TBarcode_Code39::DoCustomDrawText(Canvas, Step, Define, Parameters, Continue, LeftTop, RightBottom, PDx);
}

const TClassInfo TBarcode_PZN::ClassInfo{"TBarcode_PZN", &TBarcode_Code39::ClassInfo, {}, &NewComponent<TBarcode_PZN>};
TESSEL_REGISTER(TBarcode_PZN);

}  // namespace tessel
