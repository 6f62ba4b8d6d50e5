#include "output/OutputSettings.h"

#include <algorithm>
#include <cmath>

namespace tessel {
namespace {

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

// The reason a length is out of 0..Limit dots, or empty.
std::string LengthRefusal(const TLength& length, int dpi, const char* what, int limit) {
  if (!std::isfinite(length.Value) || length.Value < 0) return std::string(what) + " must not be negative";
  if (length.Dots(dpi) > limit)
    return std::string(what) + " of " + LengthText(length) + " would take more than " + DotsText(limit);
  return {};
}

}  // namespace

int WholeDots(const TLength& Length, int Dpi) {
  const double dots = std::round(Length.Dots(Dpi));
  // NaN and lengths beyond any canvas come to the bounds, never undefined.
  return std::isnan(dots) ? 1 : static_cast<int>(std::clamp(dots, 1.0, static_cast<double>(MaxExtent)));
}

bool LaidOutInDots(const TOutputOptions& Options) {
  return Options.XDimension.Given() || Options.BarHeight.Given() || Options.BarWidthReduction.Given();
}

int LayoutDpi(const TOutputOptions& Options) {
  constexpr int ScreenDpi = 96;
  return LaidOutInDots(Options) ? Options.Dpi : ScreenDpi;
}

std::string TOutputSettings::Check(const TOutputOptions& Options) {
  if (Options.Dpi < MinDpi || Options.Dpi > MaxDpi)
    return "the resolution must be " + std::to_string(MinDpi) + " to " + std::to_string(MaxDpi) + " dpi";
  for (const std::string& refusal :
       {LengthRefusal(Options.XDimension, Options.Dpi, "the X dimension", MaxModule),
        LengthRefusal(Options.BarHeight, Options.Dpi, "the bar height", MaxExtent),
        LengthRefusal(Options.BarWidthReduction, Options.Dpi, "the bar width reduction", MaxModule)})
    if (!refusal.empty()) return refusal;
  if (Options.QuietZone.Kind == TQuietZone::TKind::Modules &&
      (Options.QuietZone.Modules < 0 || Options.QuietZone.Modules > MaxQuietZoneModules))
    return "a quiet zone must be 0 to " + std::to_string(MaxQuietZoneModules) + " modules";
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
      topMargin_(Barcode.TopMargin()),
      barHeight_(Barcode.BarcodeHeight()),
      barWidthReduction_(Barcode.BarWidthReduction()) {
  if (!refusal_.empty()) return;
  // Locked: the settings change for this call without redrawing an image.
  barcode_.SetLocked(true);
  if (Options.Angle) barcode_.SetOrientation(OrientationOf(*Options.Angle));
  if (Options.XDimension.Given()) barcode_.SetModule(WholeDots(Options.XDimension, Options.Dpi));
  if (Options.BarHeight.Given()) barcode_.SetBarcodeHeight(WholeDots(Options.BarHeight, Options.Dpi));
  if (Options.LeftMargin) barcode_.SetLeftMargin(*Options.LeftMargin);
  if (Options.TopMargin) barcode_.SetTopMargin(*Options.TopMargin);
  // Raster formats draw whole dots: the canvas rounds the reduction.
  barcode_.SetBarWidthReduction(Options.BarWidthReduction.Millimetres(Options.Dpi));
}

TOutputSettings::~TOutputSettings() {
  if (!refusal_.empty()) return;
  barcode_.SetOrientation(orientation_);
  barcode_.SetModule(module_);
  barcode_.SetLeftMargin(leftMargin_);
  barcode_.SetTopMargin(topMargin_);
  barcode_.SetBarcodeHeight(barHeight_);
  barcode_.SetBarWidthReduction(barWidthReduction_);
  barcode_.SetLocked(wasLocked_);
}

}  // namespace tessel
