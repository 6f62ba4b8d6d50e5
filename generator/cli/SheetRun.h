// The sheet loop: the records of a source on the labels of a stock, one
// label a record in record order, as one PDF of label sheets (or of this
// shard's pages of it). A record that cannot be drawn is named with its
// label and its label left empty, so that record N always takes label
// Skip + N - 1; the run goes on and ends with the highest status of its
// records (1 for an invalid text, 2 for a symbol that does not fit its
// label or an option it cannot take).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "generator/cli/RecordBatch.h"
#include "generator/cli/RecordSource.h"
#include "output/LabelSheet.h"
#include "output/LabelStock.h"

namespace tessel::generator {

struct TSheetRun {
  TLabelStock Stock;
  std::int64_t Skip = 0;  // the labels of the first page already used
  // Page sharding: this run writes the pages P (from 0) with
  // P % ShardCount == ShardIndex; records on other pages are only counted.
  int ShardIndex = 0;
  int ShardCount = 1;
  std::string Output;     // the PDF's path; empty: none written
  TOutputOptions Symbol;  // the symbols' sizes at Symbol.Dpi (the format is PDF)
  double CaptionPoints = DefaultCaptionPoints;
  // As the batch loop's: a component set up as the run's; the setter of a
  // record's text (none: the component's Barcode); the message for an
  // invalid text.
  decltype(TRecordBatch::CreateBarcode) CreateBarcode;
  decltype(TRecordBatch::SetText) SetText;
  decltype(TRecordBatch::InvalidText) InvalidText;
  // Told the number of each record once its label is done; optional.
  std::function<void(std::int64_t Done)> Progress;
  // Given the finished PDF (after it is written to Output, if named), to
  // print it; returns an empty string on success, else the reason. Pages of
  // roll stock are one label each. Optional.
  std::function<std::string(const std::string& Pdf, const TLabelStock& Stock)> Deliver;
};

// Runs the sheet and returns its status. A run that cannot start (a skip
// or shard out of range) throws TBatchError with ExitUsage; a PDF that
// cannot be made, written or delivered, ExitFile. A shard with no page of
// the run writes no file and says so on standard error.
int RunSheet(TRecordSource& Source, const TSheetRun& Run);

}  // namespace tessel::generator
