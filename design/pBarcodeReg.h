// Registration of the component library with a component IDE host: the
// palette page, the Image editor and the property categories.
#pragma once

#include <span>
#include <string_view>

#include "design/DesignIntf.h"

namespace tessel::design {

// The palette page that shows the components.
inline constexpr std::string_view PalettePage = "Corvella";

// Called by the host when it loads the design-time package.
void Register(IDesignHost& host);

// The registered component classes in palette order: TDBBarcode, then the
// symbologies in the palette order of the generator's catalogue.
std::span<const TClassInfo* const> PaletteClasses();

}  // namespace tessel::design
