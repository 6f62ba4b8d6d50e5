// The generator's symbology catalogue: for every symbology it offers, the
// display name, the library class to create and the rows of the "Common
// properties:" grid (kind, default text, range or pick list); and the table
// of the colour names that colour rows accept.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/Types.h"

namespace tessel::generator {

// How a grid row is shown, edited and applied.
enum TPropertyKind : std::uint8_t {
  pkInteger,
  pkFloat,
  pkCharChoice,
  pkColor,
  pkBoolean,
  pkEnumeration,
  pkText,
  pkFont,
  pkColorList,
};
inline constexpr int PropertyKindCount = 9;

// One grid row.
struct TProperty {
  std::string_view Name;          // published property name of the component
  std::string_view DefaultValue;  // the row's text at selection; the fallback for unparsable input
  TPropertyKind Kind = pkText;
  int MinInt = 0, MaxInt = 0;         // range of an integer row
  double MinFloat = 0, MaxFloat = 0;  // range of a float row
  int Digits = 0;                     // decimals of a float row
  std::string_view PickList;          // choices of a character, colour, boolean, enumeration or colour-list row
  std::uint8_t ItemCount = 0;         // colours of a colour-list row
};

inline constexpr int MaxProperties = 23;

// One catalogue entry. The class is named, and created through the class
// registry, so an entry whose class is not linked in is reported, not a
// build failure.
struct TBarcodeComponent {
  std::string_view Name;
  std::string_view BarcodeClass;
  int PropertyCount = 0;
  std::array<TProperty, MaxProperties> Properties{};
  // Empty: the entry's place on the Designer palette is its place in the
  // list. Else the class it follows on the palette.
  std::string_view PaletteAfter;

  std::span<const TProperty> Rows() const { return {Properties.data(), static_cast<std::size_t>(PropertyCount)}; }
  // The row called Name (exact), or null.
  const TProperty* FindRow(std::string_view Name) const;
};

// The catalogue: one entry for each registered symbology class, in the order
// of the window's symbology list and of --list; index 0 is shown at start.
std::span<const TBarcodeComponent> Catalogue();
// The entry whose name equals Name exactly, or null.
const TBarcodeComponent* FindCatalogueEntry(std::string_view Name);
// The entries' classes in the order of the Designer palette.
std::span<const std::string_view> PaletteOrder();

struct TColorName {
  std::string_view Name;
  TColor Color;  // 0x00BBGGRR
};
inline constexpr int ColorNameCount = 24;
std::span<const TColorName, ColorNameCount> ColorNames();

// The colour of the first name in ColorNames equal to Name ignoring case;
// otherwise Fallback.
TColor ColorByName(std::string_view Name, TColor Fallback);

// The number of BarColors entries of a colour-list row, and their default.
inline constexpr int BarColorCount = 16;
inline constexpr std::string_view DefaultBarColors =
    "clBlack, clBlack, clBlack, clBlack, clBlack, clBlack, clBlack, clBlack, "
    "clBlack, clBlack, clBlack, clBlack, clBlack, clBlack, clBlack, clBlack";

}  // namespace tessel::generator
