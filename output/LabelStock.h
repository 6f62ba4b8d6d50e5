// Label stock: sheets of labels in a grid, and rolls of single labels, with
// their sizes in millimetres. A catalogue of common stocks by the names
// people type ("a4-3x8", vendor codes as aliases), and custom stocks
// described as "page=A4,cols=3,rows=8,w=70mm,h=37mm".
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

struct TLabelStock {
  std::string Name;  // as users type it, lower case
  std::vector<std::string> Aliases;
  std::string Description;
  double PageWidth = 0, PageHeight = 0;  // mm
  int Columns = 1, Rows = 1;
  double LabelWidth = 0, LabelHeight = 0;  // mm
  // From the page's corner to the first label's top-left corner, mm.
  double LeftMargin = 0, TopMargin = 0;
  // From one label's corner to the next one's, across and down, mm.
  double HorizontalPitch = 0, VerticalPitch = 0;
  bool Roll = false;   // one label per page, the page the label's size
  std::string Source;  // where the dimensions come from

  int LabelsPerPage() const { return Columns * Rows; }
};

// A label's place on its page, mm from the page's top-left corner.
struct TLabelRect {
  double Left = 0, Top = 0, Width = 0, Height = 0;
};

// The rectangle of label Index (0-based, left to right, top to bottom) on
// its page.
TLabelRect LabelRectOnPage(const TLabelStock& Stock, int Index);

// The catalogue, in the order --sheets lists it.
std::span<const TLabelStock> LabelStocks();

// The catalogue's stock of that name or alias, in any case; none when unknown.
std::optional<TLabelStock> FindLabelStock(std::string_view Name);

// One line per stock for --sheets: name, aliases, description, label size
// and labels per page.
std::string LabelStockListing();

// A stock named in the catalogue or described as a custom stock; Error
// says why it is neither.
struct TParsedStock {
  std::optional<TLabelStock> Stock;
  std::string Error;
};

// Reads a custom stock: comma-separated KEY=VALUE pairs. page= A4, A5,
// Letter, Legal or WIDTHxHEIGHT with units; cols=, rows= counts; w=, h= the
// label's size; left=, top= the first label's corner (default: the grid
// centred on the page); hpitch=, vpitch= (default: the label's size).
// Lengths take a unit: mm, in or mil (see ParseLength).
TParsedStock ParseLabelStock(std::string_view Description);

// The catalogue's stock, or else a custom description.
TParsedStock LabelStockFromArgument(std::string_view NameOrDescription);

}  // namespace tessel
