// stripemaker's label-sheet options: --sheet with its stock, --skip for a
// sheet partly used, and --print with --copies; the sheet is one PDF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "generator/cli/CupsPrint.h"
#include "generator/cli/OptionParser.h"
#include "output/LabelStock.h"

namespace tessel::generator {

// --sheet: the labels of a batch on sheets of a stock, written to -o and
// printed with --print.
struct TLabelSheetRun {
  TLabelStock Stock;
  std::int64_t Skip = 0;
  std::optional<TPrintJob> Print;
};

// --sheet with --skip, --print and --copies; usage errors end in TExit.
TLabelSheetRun SheetRunOf(const TOptionParser& Parser);

// The PDF a sheet run writes (-o; empty when it only prints): a usage error
// without -o or --print, or with a name that is no PDF's.
std::string SheetOutputOf(const TOptionParser& Parser, const TLabelSheetRun& Sheet);

// A usage error for an option only a label sheet takes, given to a batch
// without --sheet.
void RefuseSheetOnlyOptions(const TOptionParser& Parser);

}  // namespace tessel::generator
