#include "output/LabelStock.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <utility>

#include "core/pCore.h"
#include "output/Length.h"

namespace tessel {
namespace {

constexpr double Inch = MillimetresPerInch;

// The catalogue. Sheets from their vendors' published templates; the side
// and top margins where a template gives only the gaps are those that
// centre the grid, as the sheets are cut.
const std::vector<TLabelStock>& Catalogue() {
  static const std::vector<TLabelStock> stocks{
      {.Name = "a4-3x8",
       .Aliases = {"avery-3474"},
       .Description = "A4 sheet, 3 x 8 labels",
       .PageWidth = 210,
       .PageHeight = 297,
       .Columns = 3,
       .Rows = 8,
       .LabelWidth = 70,
       .LabelHeight = 37,
       .LeftMargin = 0,
       .TopMargin = 0.5,
       .HorizontalPitch = 70,
       .VerticalPitch = 37,
       .Source = "Avery 3474 template: 70 x 37 mm, 3 x 8, no gaps, the grid centred down the page"},
      {.Name = "a4-3x7",
       .Aliases = {"l7160", "avery-l7160"},
       .Description = "A4 sheet, 3 x 7 labels",
       .PageWidth = 210,
       .PageHeight = 297,
       .Columns = 3,
       .Rows = 7,
       .LabelWidth = 63.5,
       .LabelHeight = 38.1,
       .LeftMargin = 7.21,
       .TopMargin = 15.15,
       .HorizontalPitch = 66.04,
       .VerticalPitch = 38.1,
       .Source = "Avery L7160 template: 63.5 x 38.1 mm, 3 x 7, top margin 15.15 mm, pitch 66.04 x 38.1 mm"},
      {.Name = "a4-2x7",
       .Aliases = {"l7163", "avery-l7163"},
       .Description = "A4 sheet, 2 x 7 labels",
       .PageWidth = 210,
       .PageHeight = 297,
       .Columns = 2,
       .Rows = 7,
       .LabelWidth = 99.1,
       .LabelHeight = 38.1,
       .LeftMargin = 4.65,
       .TopMargin = 15.15,
       .HorizontalPitch = 101.6,
       .VerticalPitch = 38.1,
       .Source = "Avery L7163 template: 99.1 x 38.1 mm, 2 x 7, top margin 15.15 mm, pitch 101.6 x 38.1 mm"},
      {.Name = "letter-3x10",
       .Aliases = {"5160", "avery-5160"},
       .Description = "US Letter sheet, 3 x 10 labels",
       .PageWidth = 8.5 * Inch,
       .PageHeight = 11 * Inch,
       .Columns = 3,
       .Rows = 10,
       .LabelWidth = 2.625 * Inch,
       .LabelHeight = 1 * Inch,
       .LeftMargin = 0.1875 * Inch,
       .TopMargin = 0.5 * Inch,
       .HorizontalPitch = 2.75 * Inch,
       .VerticalPitch = 1 * Inch,
       .Source = "Avery 5160 template: 2 5/8 x 1 in, 3 x 10, margins 3/16 in and 1/2 in, gap 1/8 in across"},
      {.Name = "letter-2x10",
       .Aliases = {"5161", "avery-5161"},
       .Description = "US Letter sheet, 2 x 10 labels",
       .PageWidth = 8.5 * Inch,
       .PageHeight = 11 * Inch,
       .Columns = 2,
       .Rows = 10,
       .LabelWidth = 4 * Inch,
       .LabelHeight = 1 * Inch,
       .LeftMargin = 0.15625 * Inch,
       .TopMargin = 0.5 * Inch,
       .HorizontalPitch = 4.1875 * Inch,
       .VerticalPitch = 1 * Inch,
       .Source = "Avery 5161 template: 4 x 1 in, 2 x 10, margins 5/32 in and 1/2 in, gap 3/16 in across"},
      {.Name = "roll-4x6in",
       .Aliases = {"4x6", "shipping-4x6"},
       .Description = "roll, one 4 x 6 in label a page",
       .PageWidth = 4 * Inch,
       .PageHeight = 6 * Inch,
       .LabelWidth = 4 * Inch,
       .LabelHeight = 6 * Inch,
       .HorizontalPitch = 4 * Inch,
       .VerticalPitch = 6 * Inch,
       .Roll = true,
       .Source = "the 4 x 6 in direct thermal shipping label of carriers' label printers"},
      {.Name = "roll-2x1in",
       .Aliases = {"2x1"},
       .Description = "roll, one 2 x 1 in label a page",
       .PageWidth = 2 * Inch,
       .PageHeight = 1 * Inch,
       .LabelWidth = 2 * Inch,
       .LabelHeight = 1 * Inch,
       .HorizontalPitch = 2 * Inch,
       .VerticalPitch = 1 * Inch,
       .Roll = true,
       .Source = "the 2 x 1 in thermal label of desktop barcode printers"},
  };
  return stocks;
}

// Paper sizes a custom stock may name, mm (ISO 216 and ANSI).
struct TPaper {
  std::string_view Name;
  double Width, Height;
};
constexpr std::array<TPaper, 4> Papers{{
    {"a4", 210, 297},
    {"a5", 148, 210},
    {"letter", 8.5 * Inch, 11 * Inch},
    {"legal", 8.5 * Inch, 14 * Inch},
}};

// The keys of a custom stock, in the order messages list them.
constexpr std::array<std::string_view, 9> Keys{"page", "cols", "rows", "w", "h", "left", "top", "hpitch", "vpitch"};

// The largest page side and grid a custom stock may have: beyond any
// printer's, and within what a PDF page may be.
constexpr double MaxPageSideMm = 5000;
constexpr int MaxGridCount = 1000;
// Lengths closer than this are the same: templates round to hundredths.
constexpr double ToleranceMm = 0.005;

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  return text;
}

std::string Mm(double millimetres) { return LengthText(Millimetres(millimetres)); }

std::string AllKeys() {
  std::string list;
  for (const std::string_view key : Keys) list += (list.empty() ? "" : ", ") + std::string(key);
  return list;
}

// The values given for each key, as typed.
struct TFields {
  std::array<std::optional<std::string>, Keys.size()> Values;

  const std::optional<std::string>& operator[](std::string_view key) const {
    return Values[static_cast<std::size_t>(std::find(Keys.begin(), Keys.end(), key) - Keys.begin())];
  }
};

// Splits "key=value,..." into Fields; the reason when it cannot.
std::string SplitFields(std::string_view text, TFields& fields) {
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view item = Trimmed(text.substr(0, comma));
    const std::size_t equals = item.find('=');
    if (item.empty()) return "an empty item (items are KEY=VALUE separated by commas)";
    if (equals == std::string_view::npos) return "'" + std::string(item) + "' is not KEY=VALUE";
    const std::string key = Lower(Trimmed(item.substr(0, equals)));
    const auto known = std::find(Keys.begin(), Keys.end(), key);
    if (known == Keys.end()) return "unknown key '" + key + "' (the keys are " + AllKeys() + ")";
    auto& value = fields.Values[static_cast<std::size_t>(known - Keys.begin())];
    if (value) return "'" + key + "' is given twice";
    value = std::string(Trimmed(item.substr(equals + 1)));
    if (comma == std::string_view::npos) return {};
    text.remove_prefix(comma + 1);
  }
}

// A length with its unit, in mm; the reason when it is none.
std::string ReadLength(std::string_view key, std::string_view text, bool mayBeZero, double& mm) {
  const std::optional<TLength> length = ParseLength(text);
  if (!length) return std::string(key) + "='" + std::string(text) + "' is not a length";
  if (length->Unit == TLengthUnit::Dots)
    return std::string(key) + "=" + std::string(text) + " needs a unit: mm, in or mil";
  mm = length->Millimetres(0);
  if (mm < 0 || (!mayBeZero && mm == 0) || mm > MaxPageSideMm)
    return std::string(key) + "=" + std::string(text) + " must be " + (mayBeZero ? "from 0" : "more than 0") +
           " up to " + Mm(MaxPageSideMm);
  return {};
}

std::string ReadCount(std::string_view key, std::string_view text, int& count) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || count < 1 || count > MaxGridCount)
    return std::string(key) + "='" + std::string(text) + "' must be a whole number from 1 to " +
           std::to_string(MaxGridCount);
  return {};
}

std::string ReadPage(std::string_view text, TLabelStock& stock) {
  const std::string name = Lower(text);
  for (const TPaper& paper : Papers)
    if (name == paper.Name) {
      stock.PageWidth = paper.Width;
      stock.PageHeight = paper.Height;
      return {};
    }
  const std::size_t by = name.find('x');
  if (by == std::string::npos)
    return "page='" + std::string(text) + "' is none of A4, A5, Letter, Legal or WIDTHxHEIGHT (210mmx297mm)";
  if (std::string reason = ReadLength("page width", name.substr(0, by), false, stock.PageWidth); !reason.empty())
    return reason;
  return ReadLength("page height", name.substr(by + 1), false, stock.PageHeight);
}

// The margin that centres Count labels at Pitch on a page side, or the
// margin given.
std::string ReadMargin(std::string_view key, const std::optional<std::string>& given, double page, int count,
                       double pitch, double label, double& margin) {
  if (given) return ReadLength(key, *given, true, margin);
  margin = (page - ((count - 1) * pitch + label)) / 2;
  return {};
}

// Why the grid does not fit the page or its labels overlap; empty when sound.
std::string GridRefusal(const TLabelStock& s) {
  if (s.HorizontalPitch + ToleranceMm < s.LabelWidth)
    return "the labels overlap: hpitch " + Mm(s.HorizontalPitch) + " is less than the label's width, " +
           Mm(s.LabelWidth);
  if (s.VerticalPitch + ToleranceMm < s.LabelHeight)
    return "the labels overlap: vpitch " + Mm(s.VerticalPitch) + " is less than the label's height, " +
           Mm(s.LabelHeight);
  const double right = s.LeftMargin + (s.Columns - 1) * s.HorizontalPitch + s.LabelWidth;
  const double bottom = s.TopMargin + (s.Rows - 1) * s.VerticalPitch + s.LabelHeight;
  if (s.LeftMargin < -ToleranceMm || right > s.PageWidth + ToleranceMm)
    return "the labels run off the page: " + std::to_string(s.Columns) + " across reach from " + Mm(s.LeftMargin) +
           " to " + Mm(right) + " on a page " + Mm(s.PageWidth) + " wide";
  if (s.TopMargin < -ToleranceMm || bottom > s.PageHeight + ToleranceMm)
    return "the labels run off the page: " + std::to_string(s.Rows) + " down reach from " + Mm(s.TopMargin) + " to " +
           Mm(bottom) + " on a page " + Mm(s.PageHeight) + " high";
  return {};
}

// Reads the fields into Stock in turn; the first reason, or empty.
std::string ReadFields(const TFields& fields, TLabelStock& stock) {
  for (const std::string_view key : {"page", "cols", "rows", "w", "h"})
    if (!fields[key]) return "'" + std::string(key) + "' is missing (give at least page, cols, rows, w and h)";
  std::string reason = ReadPage(*fields["page"], stock);
  if (reason.empty()) reason = ReadCount("cols", *fields["cols"], stock.Columns);
  if (reason.empty()) reason = ReadCount("rows", *fields["rows"], stock.Rows);
  if (reason.empty()) reason = ReadLength("w", *fields["w"], false, stock.LabelWidth);
  if (reason.empty()) reason = ReadLength("h", *fields["h"], false, stock.LabelHeight);
  stock.HorizontalPitch = stock.LabelWidth;
  stock.VerticalPitch = stock.LabelHeight;
  if (reason.empty() && fields["hpitch"])
    reason = ReadLength("hpitch", *fields["hpitch"], false, stock.HorizontalPitch);
  if (reason.empty() && fields["vpitch"]) reason = ReadLength("vpitch", *fields["vpitch"], false, stock.VerticalPitch);
  if (reason.empty())
    reason = ReadMargin("left", fields["left"], stock.PageWidth, stock.Columns, stock.HorizontalPitch, stock.LabelWidth,
                        stock.LeftMargin);
  if (reason.empty())
    reason = ReadMargin("top", fields["top"], stock.PageHeight, stock.Rows, stock.VerticalPitch, stock.LabelHeight,
                        stock.TopMargin);
  return reason.empty() ? GridRefusal(stock) : reason;
}

}  // namespace

TLabelRect LabelRectOnPage(const TLabelStock& Stock, int Index) {
  const int column = Index % Stock.Columns, row = Index / Stock.Columns;
  return {Stock.LeftMargin + column * Stock.HorizontalPitch, Stock.TopMargin + row * Stock.VerticalPitch,
          Stock.LabelWidth, Stock.LabelHeight};
}

std::span<const TLabelStock> LabelStocks() { return Catalogue(); }

std::optional<TLabelStock> FindLabelStock(std::string_view Name) {
  const std::string name = Lower(Trimmed(Name));
  for (const TLabelStock& stock : Catalogue())
    if (stock.Name == name || std::find(stock.Aliases.begin(), stock.Aliases.end(), name) != stock.Aliases.end())
      return stock;
  return std::nullopt;
}

std::string LabelStockListing() {
  constexpr std::size_t NameColumn = 14, DescriptionColumn = 34;
  std::string listing;
  for (const TLabelStock& stock : Catalogue()) {
    std::string line = stock.Name;
    line.resize(std::max(NameColumn, line.size() + 1), ' ');
    line += stock.Description;
    line.resize(std::max(NameColumn + DescriptionColumn, line.size() + 1), ' ');
    line += LengthText(InUnit(stock.LabelWidth, TLengthUnit::Millimetres, 0)) + " x " +
            LengthText(InUnit(stock.LabelHeight, TLengthUnit::Millimetres, 0)) + ", " +
            std::to_string(stock.LabelsPerPage()) + (stock.LabelsPerPage() == 1 ? " label" : " labels") + " a page";
    if (!stock.Aliases.empty()) {
      line += " (also";
      for (const std::string& alias : stock.Aliases) line += " " + alias;
      line += ")";
    }
    listing += line + "\n";
  }
  return listing;
}

TParsedStock ParseLabelStock(std::string_view Description) {
  TFields fields;
  TLabelStock stock;
  stock.Name = "custom";
  stock.Description = std::string(Trimmed(Description));
  std::string reason = SplitFields(Description, fields);
  if (reason.empty()) reason = ReadFields(fields, stock);
  if (!reason.empty()) return {std::nullopt, "label stock '" + stock.Description + "': " + reason};
  stock.Roll = stock.LabelsPerPage() == 1 && std::abs(stock.LabelWidth - stock.PageWidth) < ToleranceMm &&
               std::abs(stock.LabelHeight - stock.PageHeight) < ToleranceMm;
  stock.Source = "given on the command line";
  return {std::move(stock), {}};
}

TParsedStock LabelStockFromArgument(std::string_view NameOrDescription) {
  if (std::optional<TLabelStock> stock = FindLabelStock(NameOrDescription)) return {std::move(stock), {}};
  if (NameOrDescription.find('=') == std::string_view::npos)
    return {std::nullopt, "unknown label stock '" + std::string(Trimmed(NameOrDescription)) +
                              "' (--sheets lists them; a custom one is page=...,cols=...,rows=...,w=...,h=...)"};
  return ParseLabelStock(NameOrDescription);
}

}  // namespace tessel
