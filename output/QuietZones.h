// Each symbology's minimum quiet zones left and right of the symbol, in
// modules (the narrow element the class draws with Module), as its standard
// gives them. Standards that state a zone in millimetres or inches are
// converted at their nominal bar width, rounded up; each row names its source.
//
// EAN/UPC and ITF-14/ITF-6 lay out zones of their own (texts, marks,
// bearers): their rows hold the standard's whole minimum, and the caller
// subtracts what the class already lays out.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace tessel {

struct TQuietZoneModules {
  int Left = 0, Right = 0;
  friend bool operator==(const TQuietZoneModules&, const TQuietZoneModules&) = default;
};

// One symbology class: its registered name, its minimum zones in modules
// and where they come from.
struct TQuietZoneRow {
  std::string_view ClassName;
  int Left, Right;
  std::string_view Source;
};

// Every registered symbology class once, sorted by class name.
std::span<const TQuietZoneRow> QuietZoneTable();

// The minimum quiet zones of a registered symbology class; none for a name
// the table does not hold.
std::optional<TQuietZoneModules> StandardQuietZone(std::string_view ClassName);

}  // namespace tessel
