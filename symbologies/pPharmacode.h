// The Pharmacode family: a number written as a row of bars, each with a
// colour of its own. TBarcode_Pharmacode holds what both tracks share: the
// sixteen bar colours, the value check and the bar arithmetic; the one- and
// two-track classes give it their track.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "components/pBarcode.h"

namespace tessel {

// The most bars a Pharmacode has, and so the number of bar colours.
inline constexpr int PharmacodeMaxBars = 16;

// Bar colours by bar, entry 0 for the rightmost bar.
using TBarColors = std::array<TColor, PharmacodeMaxBars>;

// The colours as text: the sixteen entries from 0 on, as colour values
// separated by commas. Reading accepts 1 to 16 items (blanks around an item
// are ignored); entries not given are black.
template <>
struct TPropertyType<TBarColors> {
  static constexpr TTypeKind Kind = TTypeKind::tkString;
  static std::string ToText(const TBarColors& Colors);
  static TBarColors FromText(std::string_view Text);
};

// How one track writes its number: the value as bijective digits 1 to Base,
// the rightmost bar the lowest digit.
struct TPharmacodeTrack {
  std::uint32_t Limit;    // the largest value: sixteen bars of digit Base
  std::uint32_t Base;     // digits per bar
  std::string_view Bars;  // the bar of digit d at position d - 1
  char Space;             // between bars of one colour
  char WideSpace;         // between bars of different colours
  bool MultiState;        // bars of more than one height
};

class TBarcode_Pharmacode : public TBarcode {
  TESSEL_CLASS_INFO
 public:
  // The colour of bar Index (0: the rightmost); 0 for an index outside 0 to 15.
  TColor GetBarColors(int Index) const;
  // Ignored for an index outside 0 to 15; a new colour erases and redraws.
  void SetBarColors(int Index, TColor Value);
  // All sixteen colours at once, erasing and redrawing once.
  const TBarColors& BarColors() const { return barColors_; }
  void SetBarColors(const TBarColors& Value) { SetErasing(barColors_, Value); }
  // The number of bars of the last pattern built.
  int BarCount() const { return barCount_; }

  // Bar colours that followed the old bar colour take the new one.
  void SetBarColor(TColor Value) override;

  bool VerifyLength(const std::string& Barcode, bool AutoCheckDigit) override;
  bool VerifyChar(const std::string& Barcode, int Index, bool AutoCheckDigit) override;
  // No check character: the full-encoded text is the text itself.
  std::string MakeData(const std::string& Barcode, bool AutoCheckDigit, std::string& FullEncoded) override;
  bool IsMultiState() override { return track_.MultiState; }
  // Paints each bar with its entry of BarColors.
  void DoDrawLine(int Index, TLineType LineType, TColor& Color, int& Left, int& Top, int& Width, int& Height) override;
  // Copies from the same class or a descendant only.
  void Assign(const TPersistent* Source) override;

 protected:
  TBarcode_Pharmacode(TComponent* AOwner, const TPharmacodeTrack& Track) : TBarcode(AOwner), track_(Track) {}

 private:
  const TPharmacodeTrack& track_;
  TBarColors barColors_{};
  int barCount_ = 0;
};

}  // namespace tessel
