// PDF and EPS files drawn through cairo: one page of the image's size, a
// pixel taking 72 / Dpi points.
#pragma once

#include <functional>
#include <string>

#include "output/CairoCanvas.h"

namespace tessel {

enum class TVectorFormat { Pdf, Eps };

// Replaces Out with a page of Width x Height pixels at Dpi on which Draw
// draws (on a canvas laid out at LayoutDpi). Returns an empty string on
// success, else the reason; Draw returns false when it could not draw.
std::string DrawVectorFile(TVectorFormat Format, int Width, int Height, int Dpi, int LayoutDpi,
                           const std::function<bool(TCairoCanvas&)>& Draw, std::string& Out);

}  // namespace tessel
