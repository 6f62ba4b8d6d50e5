// Custom label stocks: any description is read without a crash; a refused
// one has a message; an accepted one has a grid of whole labels that lie on
// its page without overlapping, and reads the same again from its lengths.
//
// Input: the description ("page=A4,cols=3,rows=8,w=70mm,h=37mm").
#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "output/LabelStock.h"

using namespace tessel;

namespace {

// Templates round to hundredths of a millimetre; so does the reader.
constexpr double ToleranceMm = 0.01;

// The length exactly, as the shortest text that reads back as the same double.
std::string Mm(double value) {
  std::array<char, 64> text{};
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
  return std::string(text.data(), result.ptr) + "mm";
}

void CheckGrid(const TLabelStock& stock) {
  if (stock.Columns < 1 || stock.Rows < 1 || !(stock.LabelWidth > 0) || !(stock.LabelHeight > 0)) std::abort();
  if (stock.HorizontalPitch + ToleranceMm < stock.LabelWidth || stock.VerticalPitch + ToleranceMm < stock.LabelHeight)
    std::abort();
  const TLabelRect first = LabelRectOnPage(stock, 0), last = LabelRectOnPage(stock, stock.LabelsPerPage() - 1);
  if (first.Left < -ToleranceMm || first.Top < -ToleranceMm) std::abort();
  if (last.Left + last.Width > stock.PageWidth + ToleranceMm) std::abort();
  if (last.Top + last.Height > stock.PageHeight + ToleranceMm) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const TParsedStock parsed = LabelStockFromArgument(input);
  if (!parsed.Stock) {
    if (parsed.Error.empty()) std::abort();
    return 0;
  }
  const TLabelStock& stock = *parsed.Stock;
  CheckGrid(stock);
  // Written out in full, the stock reads back as itself (margins within the
  // tolerance below zero cannot be written).
  if (stock.LeftMargin < 0 || stock.TopMargin < 0) return 0;
  const std::string again = "page=" + Mm(stock.PageWidth) + "x" + Mm(stock.PageHeight) +
                            ",cols=" + std::to_string(stock.Columns) + ",rows=" + std::to_string(stock.Rows) +
                            ",w=" + Mm(stock.LabelWidth) + ",h=" + Mm(stock.LabelHeight) +
                            ",left=" + Mm(stock.LeftMargin) + ",top=" + Mm(stock.TopMargin) +
                            ",hpitch=" + Mm(stock.HorizontalPitch) + ",vpitch=" + Mm(stock.VerticalPitch);
  const TParsedStock reread = ParseLabelStock(again);
  if (!reread.Stock || reread.Stock->LabelsPerPage() != stock.LabelsPerPage() ||
      reread.Stock->LeftMargin != stock.LeftMargin || reread.Stock->VerticalPitch != stock.VerticalPitch)
    std::abort();
  return 0;
}
