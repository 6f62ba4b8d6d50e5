// Turning the texts of the "Common properties:" grid into property
// assignments on a component, one catalogue row at a time. The window
// applies its cells with it and the command line (-s NAME) the catalogue
// defaults, so both set a symbology up the same way.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "components/pBarcode.h"
#include "generator/Catalogue.h"

namespace tessel::generator {

// Removes leading and trailing blanks and control characters.
std::string Trim(std::string_view Text);

// Splits comma text: commas and blanks separate items, double quotes group
// ("" inside quotes is one quote); a trailing comma ends with an empty item.
std::vector<std::string> SplitCommaText(std::string_view Text);

// Whole-text numbers (no surrounding blanks), else Fallback.
int IntOrDefault(std::string_view Text, int Fallback);
double FloatOrDefault(std::string_view Text, double Fallback);

// Assigns Value to the published property Name through SetPropValue, when
// the class publishes it and either it holds text or Value is not empty.
// Throws what the conversion throws.
void SetPropertyText(TPersistent& Instance, std::string_view Name, std::string_view Value);

// The font a TextFont cell describes: name, size, colour, character set and
// style names, each with its fallback ("Tahoma", 8, 0, 1).
TFont FontFromText(std::string_view FontText);

// True when a BarColors cell is a list of colours, not an entry being chosen
// ("03: clRed") or edited ("[03: clRed]").
bool IsColorListForm(std::string_view Cell);
// The colours of a list-form BarColors cell, each falling back to the row's
// default list; none when the cell has fewer than two items.
std::optional<std::array<TColor, BarColorCount>> BarColorsFromList(std::string_view Cell,
                                                                   std::string_view DefaultValue);
// Gives a pharmacode its bar colours; false for any other class.
bool SetBarColors(TBarcode& Barcode, const std::array<TColor, BarColorCount>& Colors);

// Gives a pharmacode the colours of a list-form BarColors text; false when
// the text is no such list or the class carries no bar colours.
bool ApplyBarColorsList(TBarcode& Barcode, std::string_view Text);

// Applies one row's text as the window does for a cell; FontText is the
// TextFont row's text. Conversion errors leave the property unchanged.
void ApplyRow(TBarcode& Barcode, const TProperty& Row, std::string_view Value, std::string_view FontText);

// A new component of the entry's class, or null when the class is unknown.
std::unique_ptr<TBarcode> CreateCatalogueBarcode(const TBarcodeComponent& Entry);
// Applies every catalogue default of the entry, locked until its last row.
void ApplyCatalogueDefaults(TBarcode& Barcode, const TBarcodeComponent& Entry);

}  // namespace tessel::generator
