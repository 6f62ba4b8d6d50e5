// Which font file draws a font name in a style: fontconfig's best match for
// the family, weight and slant, with sans-serif as the fallback family (as
// Qt resolves a font the system lacks). Resolutions are cached per name and
// style; fontconfig is loaded on the first one.
#pragma once

#include <optional>
#include <string>

namespace tessel {

struct TFontFace {
  std::string File;
  int Index = 0;        // the face's index in a collection file
  std::string Family;   // the family name of the face
  bool Bold = false;    // the face itself is bold
  bool Italic = false;  // the face itself is italic or oblique
};

// The face for a family name, bold and italic or not; none when fontconfig
// finds no font file at all. Thread-safe.
std::optional<TFontFace> ResolveFontFace(const std::string& family, bool bold, bool italic);

}  // namespace tessel
