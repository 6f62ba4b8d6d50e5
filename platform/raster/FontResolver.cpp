#include "platform/raster/FontResolver.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <mutex>
#include <tuple>

namespace tessel {
namespace {

constexpr const char* FallbackFamily = "sans-serif";

// The face fontconfig matches for the pattern, or none.
std::optional<TFontFace> Match(FcConfig* config, const std::string& family, bool bold, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(FallbackFamily));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;
  std::optional<TFontFace> face;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
    face.emplace();
    face->File = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match, FC_INDEX, 0, &face->Index);
    FcChar8* name = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name)
      face->Family = reinterpret_cast<const char*>(name);
    int weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    face->Bold = weight >= FC_WEIGHT_DEMIBOLD;
    face->Italic = slant != FC_SLANT_ROMAN;
  }
  FcPatternDestroy(match);
  return face;
}

}  // namespace

std::optional<TFontFace> ResolveFontFace(const std::string& family, bool bold, bool italic) {
  static std::mutex mutex;
  static FcConfig* config = nullptr;
  static std::map<std::tuple<std::string, bool, bool>, std::optional<TFontFace>> faces;
  const std::lock_guard lock(mutex);
  const auto key = std::make_tuple(family, bold, italic);
  if (const auto found = faces.find(key); found != faces.end()) return found->second;
  // The configuration is loaded once and kept for the life of the process.
  if (!config) config = FcInitLoadConfigAndFonts();
  std::optional<TFontFace> face = config ? Match(config, family, bold, italic) : std::nullopt;
  faces.emplace(key, face);
  return face;
}

}  // namespace tessel
