#include "output/OutputSettings.h"

#include <algorithm>
#include <cmath>

namespace tessel {
namespace {

constexpr double MmPerInch = 25.4;
constexpr int RightAngle = 90;
constexpr int FullTurn = 360;

// The orientation that turns the symbol by a multiple of a right angle
// counter-clockwise, as TBarcode::GetAngle gives them.
TBarcodeOrientation OrientationOf(int angle) {
  switch (((angle % FullTurn) + FullTurn) % FullTurn) {
    case 90: return boBottomTop;
    case 180: return boRightLeft;
    case 270: return boTopBottom;
    default: return boLeftRight;
  }
}

}  // namespace

int ModuleDots(double XDimensionMm, int Dpi) {
  return static_cast<int>(std::max(1.0, std::round(XDimensionMm * Dpi / MmPerInch)));
}

std::string TOutputSettings::Check(const TOutputOptions& Options) {
  if (Options.Dpi < MinDpi || Options.Dpi > MaxDpi)
    return "the resolution must be " + std::to_string(MinDpi) + " to " + std::to_string(MaxDpi) + " dpi";
  if (!std::isfinite(Options.XDimensionMm) || Options.XDimensionMm < 0)
    return "the X dimension must be 0 or a positive number of millimetres";
  if (Options.XDimensionMm > 0 && Options.XDimensionMm * Options.Dpi / MmPerInch > MaxModule)
    return "the X dimension would take more than " + std::to_string(MaxModule) + " dots";
  if (Options.Angle && *Options.Angle % RightAngle != 0) return "the angle must be a multiple of 90 degrees";
  if ((Options.LeftMargin && (*Options.LeftMargin < 0 || *Options.LeftMargin > MaxExtent)) ||
      (Options.TopMargin && (*Options.TopMargin < 0 || *Options.TopMargin > MaxExtent)))
    return "a margin must be 0 to " + std::to_string(MaxExtent) + " pixels";
  return {};
}

TOutputSettings::TOutputSettings(TBarcode& Barcode, const TOutputOptions& Options)
    : barcode_(Barcode),
      refusal_(Check(Options)),
      wasLocked_(Barcode.Locked()),
      orientation_(Barcode.Orientation()),
      module_(Barcode.Module()),
      leftMargin_(Barcode.LeftMargin()),
      topMargin_(Barcode.TopMargin()) {
  if (!refusal_.empty()) return;
  // Locked: the settings change for this call without redrawing an image.
  barcode_.SetLocked(true);
  if (Options.Angle) barcode_.SetOrientation(OrientationOf(*Options.Angle));
  if (Options.XDimensionMm > 0) barcode_.SetModule(ModuleDots(Options.XDimensionMm, Options.Dpi));
  if (Options.LeftMargin) barcode_.SetLeftMargin(*Options.LeftMargin);
  if (Options.TopMargin) barcode_.SetTopMargin(*Options.TopMargin);
}

TOutputSettings::~TOutputSettings() {
  if (!refusal_.empty()) return;
  barcode_.SetOrientation(orientation_);
  barcode_.SetModule(module_);
  barcode_.SetLeftMargin(leftMargin_);
  barcode_.SetTopMargin(topMargin_);
  barcode_.SetLocked(wasLocked_);
}

}  // namespace tessel
