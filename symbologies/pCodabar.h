// Codabar: digits and "-$:/.+" between a start and a stop character (each
// one of the letters A to D), with an optional modulo-16 check character.
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class TBarcode_Codabar : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_Codabar(TComponent* AOwner);

  // One of the letters A to D (lower case is taken as upper case). Any other
  // value makes the symbol unencodable: drawing reports OnInvalidLength.
  const std::string& StartCode() const { return startCode_; }
  void SetStartCode(const std::string& Value) { SetComposite(startCode_, Value, true); }
  const std::string& StopCode() const { return stopCode_; }
  void SetStopCode(const std::string& Value) { SetComposite(stopCode_, Value, true); }

  // False also when the start or stop code is not one of A to D.
  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  std::string AppendCheckDigit(const std::string& Barcode) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void Assign(const TPersistent* Source) override;

 private:
  std::string startCode_;
  std::string stopCode_;
};

}  // namespace tessel
