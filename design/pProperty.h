// TBarcodeImageEditor: the editor of a barcode component's Image property.
// Its drop-down offers only the image controls of the form.
#pragma once

#include "design/DesignIntf.h"

namespace tessel::design {

class TBarcodeImageEditor : public TComponentProperty {
 public:
  static const TPropertyEditorClass EditorClass;

  using TComponentProperty::TComponentProperty;
  // The inherited list (sorted when the attributes ask for it), keeping only
  // image controls: TImage and its descendants, and a report library's
  // image control, known by its class name "TQRImage".
  void GetValues(const TGetStrProc& proc) const override;
};

}  // namespace tessel::design
