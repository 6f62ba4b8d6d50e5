#include "generator/cli/SheetOptions.h"

#include <array>
#include <string_view>

#include "generator/cli/Cli.h"
#include "generator/cli/OptionValues.h"
#include "output/SymbolOutput.h"

namespace tessel::generator {
namespace {

constexpr int MaxCopies = 999;

// --skip: the labels of the first page already used, all but one at most.
std::int64_t SkipOption(const TOptionParser& parser, const TLabelStock& stock) {
  if (!parser.IsSet("skip")) return 0;
  const int most = stock.LabelsPerPage() - 1;
  return NumberOption(
      parser, "skip", 0, most,
      "--skip needs a number of labels from 0 to " + std::to_string(most) + " (those of a page less one)");
}

// --copies: how many copies --print prints.
int CopiesOption(const TOptionParser& parser) {
  if (!parser.IsSet("copies")) return 1;
  return NumberOption(parser, "copies", 1, MaxCopies,
                      "--copies needs a whole number from 1 to " + std::to_string(MaxCopies));
}

// --print: the queue the sheets go to on the stock's page size; none
// without it.
std::optional<TPrintJob> PrintOption(const TOptionParser& parser, const TLabelStock& stock) {
  if (parser.IsSet("copies") && !parser.IsSet("print")) throw TExit{ExitUsage, "--copies needs --print"};
  if (!parser.IsSet("print")) return std::nullopt;
  return TPrintJob{.Queue = parser.Value("print"),
                   .Title = "stripemaker labels",
                   .Copies = CopiesOption(parser),
                   .PageSize = {stock.PageWidth, stock.PageHeight}};
}

}  // namespace

TLabelSheetRun SheetRunOf(const TOptionParser& Parser) {
  const TParsedStock parsed = LabelStockFromArgument(Parser.Value("sheet"));
  if (!parsed.Stock) throw TExit{ExitUsage, "--sheet: " + parsed.Error};
  TLabelSheetRun sheet{.Stock = *parsed.Stock, .Skip = 0, .Print = std::nullopt};
  sheet.Skip = SkipOption(Parser, sheet.Stock);
  sheet.Print = PrintOption(Parser, sheet.Stock);
  return sheet;
}

std::string SheetOutputOf(const TOptionParser& Parser, const TLabelSheetRun& Sheet) {
  std::string output = Parser.Value("output");
  if (output.empty() && !Sheet.Print) throw TExit{ExitUsage, "--sheet needs -o labels.pdf or --print"};
  if (!output.empty() && FormatFromName(output) != TFileFormat::Pdf)
    throw TExit{ExitUsage, "--sheet writes a PDF: give -o with a .pdf name, not '" + output + "'"};
  return output;
}

void RefuseSheetOnlyOptions(const TOptionParser& Parser) {
  constexpr std::array<std::string_view, 3> SheetOnlyOptions{"skip", "print", "copies"};
  RequireNone(Parser, SheetOnlyOptions, "--sheet");
}

}  // namespace tessel::generator
