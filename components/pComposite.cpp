#include "components/pComposite.h"

#include <utility>

namespace tessel {

// The partner draws the linear part at the standard ratio (DrawToComposite),
// so it is measured at that ratio too.
constexpr double CompositeRatio = 2.0;

int TCompositeLinearBarcode::GetSymbolWidth(TCanvas* Canvas, int Module, int& SymbolModules, int& LeftExtent,
                                            int& RightExtent) {
  SymbolModules = LeftExtent = RightExtent = 0;
  TBarcodeDefineExtra define = BuildBarcodeDefineExtra(false, 0);
  define.Module = Module;
  define.Ratio = CompositeRatio;
  TBarcodeParameters parameters;
  const int error = BuildBarcodeParameters(Canvas, Barcode(), define, parameters, 0, 0, 0, 1, 1, nullptr);
  if (error != ecValid) return error;
  SymbolModules = Module > 0 ? parameters.LinesWidth / Module : 0;
  GetCompositeExtents(parameters, LeftExtent, RightExtent);
  return ecValid;
}

int TCompositeLinearBarcode::DrawToComposite(TCanvas& Canvas, int Module, int Left, int Top, int Angle, TColor BarColor,
                                             TColor SpaceColor, const TCustomRotation* Rotation, bool, int Height) {
  TBarcodeDefineExtra define = BuildBarcodeDefineExtra(true, Angle);
  define.Module = Module;
  define.Ratio = CompositeRatio;
  return DrawBarcode(Canvas, Barcode(), Left, Top, Height, BarColor, SpaceColor, SpaceColor, define, 1, 1, Rotation);
}

void TCompositeLinearBarcode::SetOnChangeForComposite(TNotifyEvent ClearHandler, TNotifyEvent ChangeHandler) {
  onClearForComposite_ = std::move(ClearHandler);
  onChangeForComposite_ = std::move(ChangeHandler);
}

void TCompositeLinearBarcode::DoClearForComposite() {
  if (onClearForComposite_ && !Loading()) onClearForComposite_(this);
  TBarcode::DoClearForComposite();
}

void TCompositeLinearBarcode::DoChangeForComposite() {
  TBarcode::DoChangeForComposite();
  if (onChangeForComposite_ && !Loading()) onChangeForComposite_(this);
}

}  // namespace tessel
