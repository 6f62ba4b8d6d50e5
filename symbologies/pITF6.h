// ITF-6: six digits in Interleaved 2 of 5, framed by bearer bars on four
// sides or above and below, with quiet zones of its own; the text is always
// drawn outside the bearers.
#pragma once

#include <cstdint>

#include "symbologies/pCode25Int.h"

namespace tessel {

TESSEL_PUBLISHED_ENUM(TBearerBars, bbFourSides, bbTopBottom)

class TBarcode_ITF6 : public TBarcode_Code25InterleavedCustom {
  TESSEL_CLASS_INFO
 public:
  explicit TBarcode_ITF6(TComponent* AOwner);

  TBearerBars BearerBars() const { return bearerBars_; }
  void SetBearerBars(TBearerBars Value) { SetErasing(bearerBars_, Value); }
  // Bearer thickness in modules; values of 0 or less are ignored.
  int BearerWidth() const { return bearerWidth_; }
  void SetBearerWidth(int Value);
  // Quiet zones in modules (inside the bearers); negative values are ignored.
  int LeftSpacing() const { return leftSpacing_; }
  void SetLeftSpacing(int Value);
  int RightSpacing() const { return rightSpacing_; }
  void SetRightSpacing(int Value);

  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  void GetQuietZonesWidth(TCanvas& Canvas, const std::string& FullEncoded, TDisplayText DisplayText,
                          TTextAlignment Alignment, int& LeftTextWidth, int& RightTextWidth, int& LeftSpacing,
                          int& RightSpacing, int& LeftHeight, int& RightHeight) override;
  // Moves a text placed inside the bars (tpTopIn, tpBottomIn) outside them.
  void DoCustomDrawText(TCanvas& Canvas, TDrawTextStep Step, TBarcodeDefine& Define, TBarcodeParameters& Parameters,
                        bool& Continue, TPoint& LeftTop, TPoint& RightBottom, std::span<const int>& PDx) override;
  // Draws the bearer bars, then raises OnDrawBarcode.
  void DoAfterDrawBarcode(TCanvas& Canvas, const TBarcodeDefine& Define, const TBarcodeParameters& Parameters) override;
  void Assign(const TPersistent* Source) override;

 private:
  TBearerBars bearerBars_ = bbFourSides;
  int bearerWidth_ = 3;
  int leftSpacing_ = 10;
  int rightSpacing_ = 10;
};

}  // namespace tessel
