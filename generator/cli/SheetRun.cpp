#include "generator/cli/SheetRun.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "generator/cli/Cli.h"
#include "output/OutputFile.h"

namespace tessel::generator {
namespace {

void ReportSkipped(const TRecord& record, const std::string& reason) {
  std::fprintf(stderr, "stripemaker: %s: %s\n", record.Label.c_str(), reason.c_str());
}

// Why the run cannot start, or empty.
std::string SkipRefusal(const TSheetRun& run) {
  const int perPage = run.Stock.LabelsPerPage();
  if (run.Skip >= 0 && run.Skip < perPage) return {};
  return "cannot skip " + std::to_string(run.Skip) + " labels: a page of " + run.Stock.Name + " has " +
         std::to_string(perPage) + ", so at most " + std::to_string(perPage - 1) + " may be skipped";
}

// The status of a record whose symbol was not placed, by why.
int FailureStatus(const TWriteResult& result) {
  return result.Failure == TWriteFailure::InvalidText ? ExitInvalidBarcode : ExitUsage;
}

// Puts the record on the next label, or leaves that label empty and says
// why; returns the record's status.
int PlaceRecord(TLabelSheet& sheet, TBarcode& barcode, const TRecord& record, const TSheetRun& run) {
  if (!sheet.NextIsDrawn()) {
    sheet.Skip(1);
    return ExitOk;
  }
  std::string problem = record.Problem;
  if (problem.empty() && run.SetText) problem = run.SetText(barcode, record.Text);
  if (problem.empty() && !run.SetText) barcode.SetBarcode(record.Text);
  if (!problem.empty()) {
    sheet.Skip(1);
    ReportSkipped(record, problem);
    return ExitInvalidBarcode;
  }
  const TWriteResult placed = sheet.Place(barcode, record.Caption);
  if (placed) return ExitOk;
  ReportSkipped(record, placed.Failure == TWriteFailure::InvalidText && run.InvalidText
                            ? run.InvalidText(record.Text, placed.Error)
                            : placed.Message);
  return FailureStatus(placed);
}

// Writes and delivers the finished document.
void Store(const TLabelSheetResult& sheet, const TSheetRun& run) {
  if (!sheet) throw TBatchError{ExitFile, "cannot make the label sheet: " + sheet.Error};
  if (sheet.Pages == 0) {
    std::fprintf(stderr, "stripemaker: shard %d of %d has no pages: nothing written\n", run.ShardIndex + 1,
                 run.ShardCount);
    return;
  }
  if (!run.Output.empty())
    if (const std::string reason = ReplaceFile(run.Output, sheet.Pdf); !reason.empty())
      throw TBatchError{ExitFile, "cannot write " + run.Output + ": " + reason};
  if (run.Deliver)
    if (const std::string reason = run.Deliver(sheet.Pdf, run.Stock); !reason.empty())
      throw TBatchError{ExitFile, reason};
}

}  // namespace

int RunSheet(TRecordSource& Source, const TSheetRun& Run) {
  if (const std::string refusal = SkipRefusal(Run); !refusal.empty()) throw TBatchError{ExitUsage, refusal};
  TLabelSheet sheet({.Stock = Run.Stock,
                     .Output = Run.Symbol,
                     .CaptionPoints = Run.CaptionPoints,
                     .ShardIndex = Run.ShardIndex,
                     .ShardCount = Run.ShardCount});
  if (!sheet.Refusal().empty()) throw TBatchError{ExitUsage, sheet.Refusal()};
  // Before the records are drawn: a name that cannot be written ends the
  // run at once.
  if (!Run.Output.empty())
    if (const std::string refusal = ExistingEntryRefusal(Run.Output); !refusal.empty())
      throw TBatchError{ExitFile, "cannot write " + Run.Output + ": " + refusal};
  const std::unique_ptr<TBarcode> barcode = Run.CreateBarcode();
  int status = ExitOk;
  TRecord record;
  for (bool first = true; Source.Next(record); first = false) {
    // The used labels are skipped once there is a record: no records, no page.
    if (first) sheet.Skip(Run.Skip);
    status = std::max(status, PlaceRecord(sheet, *barcode, record, Run));
    if (Run.Progress) Run.Progress(record.Number);
  }
  Store(sheet.Finish(), Run);
  return status;
}

}  // namespace tessel::generator
