// The component settings one call of the writers overrides (orientation,
// module, bar height, margins): checked, applied while the symbol is written, and put
// back afterwards.
#pragma once

#include <string>

#include "components/pBarcode.h"
#include "output/SymbolOutput.h"

namespace tessel {

// The resolutions the writers accept, in dots per inch.
inline constexpr int MinDpi = 1;
inline constexpr int MaxDpi = 100000;
// The widest quiet zone the writers take, in modules.
inline constexpr int MaxQuietZoneModules = 1000;

class TOutputSettings {
 public:
  // Applies Options to Barcode unless Refusal() says why they may not be.
  TOutputSettings(TBarcode& Barcode, const TOutputOptions& Options);
  ~TOutputSettings();
  TOutputSettings(const TOutputSettings&) = delete;
  TOutputSettings& operator=(const TOutputSettings&) = delete;

  // Why the options are refused, or empty when they were applied.
  const std::string& Refusal() const { return refusal_; }
  // The reason an option is out of range, or empty: checked before a run
  // that draws many symbols with the same options.
  static std::string Check(const TOutputOptions& Options);

 private:
  TBarcode& barcode_;
  std::string refusal_;
  bool wasLocked_;
  TBarcodeOrientation orientation_;
  int module_, leftMargin_, topMargin_, barHeight_;
  double barWidthReduction_;
};

// The whole number of dots nearest to Length at Dpi, from one to MaxExtent.
int WholeDots(const TLength& Length, int Dpi);
// Whether the options size the symbol in dots of the output (an X
// dimension, bar height or bar width reduction given).
bool LaidOutInDots(const TOutputOptions& Options);
// The resolution the symbol is laid out at: Dpi when it is sized in dots of
// the output, else that of a 96 dpi screen (the generator's preview bitmaps).
int LayoutDpi(const TOutputOptions& Options);

}  // namespace tessel
