// A batch of records from end to end: the source the command line names,
// its records given their texts, names and captions by the templates, the
// shard and the records already done left out, and the rest drawn by the
// batch loop.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "generator/cli/RangeSource.h"
#include "generator/cli/RecordBatch.h"
#include "generator/cli/RecordSelection.h"
#include "generator/cli/SheetRun.h"
#include "generator/cli/TemplatedSource.h"

namespace tessel::generator {

struct TRecordOptions {
  enum class TSource { Lines, Csv, Range, Db };
  TSource Source = TSource::Lines;
  std::string Input;   // the file of --batch or --csv
  TSerialRange Range;  // with Range
  TTemplateTexts Templates;
  std::optional<TShard> Shard;
  bool Resume = false;  // skip the records whose files are there
  bool Quiet = false;   // no progress, no note of the records resumed
};

// Opens the source of Lines, Csv or Range; throws TBatchError when its file
// cannot be read.
std::unique_ptr<TRecordSource> OpenRecordSource(const TRecordOptions& Options);

// Runs the source's records as Options select them through the batch loop
// and returns its status; throws TBatchError (a template naming a field
// the source lacks: ExitUsage, before anything is written).
int RunRecords(TRecordSource& Source, const TRecordOptions& Options, const TRecordBatch& Batch);

// Runs the source's records, given their texts and captions by the
// templates, on label sheets (see RunSheet; the shard is Run's, of pages).
int RunRecordsOnSheet(TRecordSource& Source, const TRecordOptions& Options, const TSheetRun& Run);

}  // namespace tessel::generator
