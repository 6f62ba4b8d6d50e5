#include "generator/cli/RecordRun.h"

#include <cstdio>

#include "generator/cli/CsvSource.h"
#include "generator/cli/LineSource.h"

namespace tessel::generator {

std::unique_ptr<TRecordSource> OpenRecordSource(const TRecordOptions& Options) {
  switch (Options.Source) {
    case TRecordOptions::TSource::Csv: return OpenCsvSource(Options.Input);
    case TRecordOptions::TSource::Range: return OpenRangeSource(Options.Range);
    case TRecordOptions::TSource::Lines:
    case TRecordOptions::TSource::Db: break;
  }
  return OpenLineSource(Options.Input);
}

int RunRecords(TRecordSource& Source, const TRecordOptions& Options, const TRecordBatch& Batch) {
  TTemplatedSource templated(Source, Options.Templates);
  std::optional<TShardFilter> shard;
  if (Options.Shard) shard.emplace(templated, *Options.Shard);
  TRecordSource& selected = shard ? static_cast<TRecordSource&>(*shard) : templated;
  if (!Options.Resume) return RunRecordBatch(selected, Batch);
  TResumeFilter resumed(selected, Batch.Folder, Extension(Batch.Output.Format));
  const int status = RunRecordBatch(resumed, Batch);
  if (!Options.Quiet && resumed.Skipped() > 0)
    std::fprintf(stderr, "stripemaker: %lld records skipped: their files were there already\n",
                 static_cast<long long>(resumed.Skipped()));
  return status;
}

int RunRecordsOnSheet(TRecordSource& Source, const TRecordOptions& Options, const TSheetRun& Run) {
  TTemplatedSource templated(Source, Options.Templates);
  return RunSheet(templated, Run);
}

}  // namespace tessel::generator
