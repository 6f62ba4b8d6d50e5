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

// The partner's two handlers as a linear component keeps them; neither is
// called while the component is being loaded.
struct TCompositeHandlers {
  TNotifyEvent Clear;
  TNotifyEvent Change;
  void NotifyClear(TComponent* Sender) const {
    if (Clear && !Sender->Loading()) Clear(Sender);
  }
  void NotifyChange(TComponent* Sender) const {
    if (Change && !Sender->Loading()) Change(Sender);
  }
};

}  // namespace tessel
