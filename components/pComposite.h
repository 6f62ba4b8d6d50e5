// The hooks through which a two-dimensional partner component, outside this
// library, draws a composite symbol with a linear component (the EAN/UPC
// family and Code 128). The partner finds them without knowing the concrete
// class: dynamic_cast<ICompositeLinear*>(component).
#pragma once

#include "components/pBarcode.h"

namespace tessel {

class ICompositeLinear {
 public:
  virtual ~ICompositeLinear() = default;
  // Lays the symbol out at the given module; returns the error code.
  // SymbolModules: the width of the lines in modules; LeftExtent and
  // RightExtent: the room (pixels) the human-readable text takes beside them.
  virtual int GetSymbolWidth(TCanvas* Canvas, int Module, int& SymbolModules, int& LeftExtent, int& RightExtent) = 0;
  // Draws the linear part of the composite; returns the error code.
  virtual int DrawToComposite(TCanvas& Canvas, int Module, int Left, int Top, int Angle, TColor BarColor,
                              TColor SpaceColor, const TCustomRotation* Rotation, bool Reserved, int Height) = 0;
  // The partner's handlers: ClearHandler before a change (the old symbol is
  // still known), ChangeHandler after it.
  virtual void SetOnChangeForComposite(TNotifyEvent ClearHandler, TNotifyEvent ChangeHandler) = 0;
};

// A linear component that a partner can draw in a composite: it measures and
// draws its symbol at the partner's module and the standard ratio, and tells
// the partner of every change it makes to the symbol. Not a symbology of its
// own: each one says how much room its text takes beside the lines.
class TCompositeLinearBarcode : public TBarcode, public ICompositeLinear {
 public:
  using TBarcode::TBarcode;

  int GetSymbolWidth(TCanvas* Canvas, int Module, int& SymbolModules, int& LeftExtent, int& RightExtent) override;
  int DrawToComposite(TCanvas& Canvas, int Module, int Left, int Top, int Angle, TColor BarColor, TColor SpaceColor,
                      const TCustomRotation* Rotation, bool Reserved, int Height) override;
  void SetOnChangeForComposite(TNotifyEvent ClearHandler, TNotifyEvent ChangeHandler) override;

 protected:
  // The room (pixels) the text takes left and right of the lines in a
  // symbol laid out for the partner.
  virtual void GetCompositeExtents(const TBarcodeParameters& Parameters, int& LeftExtent, int& RightExtent) = 0;
  // The partner's handlers; neither is called while the component is being
  // loaded.
  void DoClearForComposite() override;
  void DoChangeForComposite() override;

 private:
  TNotifyEvent onClearForComposite_;
  TNotifyEvent onChangeForComposite_;
};

}  // namespace tessel
