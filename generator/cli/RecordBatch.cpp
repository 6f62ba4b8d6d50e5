#include "generator/cli/RecordBatch.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "generator/cli/BatchWorkers.h"
#include "generator/cli/Cli.h"
#include "generator/cli/Progress.h"
#include "output/OutputFile.h"

namespace tessel::generator {
namespace {

// The records a batch reads before its workers write them: enough to keep
// every worker busy, few enough that memory does not grow with the batch.
constexpr std::size_t RecordsPerJob = 32;

// The most files a batch keeps waiting for their names: enough for those
// written while the previous ones wait for a sync on a slow disk.
constexpr std::size_t MaxWaitingFiles = 4096;

// Reads up to Count records into Items, ending the chunk early after one
// that cannot be drawn, so that it is reported before the source reads on
// (a line too long is reported before the rest of it is skipped); returns
// false at the end of the source.
bool ReadChunk(TRecordSource& source, const TRecordBatch& batch, std::size_t count, std::vector<TBatchItem>& items) {
  items.clear();
  while (items.size() < count) {
    TBatchItem& item = items.emplace_back();
    if (!source.Next(item.Record)) {
      items.pop_back();
      return false;
    }
    if (!item.Record.BaseName.empty())
      item.Path = (std::filesystem::path(batch.Folder) / (item.Record.BaseName + "." + Extension(batch.Output.Format)))
                      .string();
    if (!item.Record.Problem.empty()) return true;
  }
  return true;
}

// Why an item's record was not written, or empty when its file may take
// its name; a file that could not be written ends the batch.
std::string SkipReason(const TBatchItem& item, const TRecordBatch& batch, int& failure) {
  if (!item.Record.Problem.empty()) return item.Record.Problem;
  switch (item.Result.Failure) {
    case TWriteFailure::None: return {};
    case TWriteFailure::InvalidText: return batch.InvalidText(item.Record.Text, item.Result.Error);
    case TWriteFailure::InvalidOption:  // a size the record's symbol cannot take
      failure = ExitUsage;
      return item.Result.Message;
    case TWriteFailure::Refused: return item.Result.Message;  // the image failed its check
    case TWriteFailure::TooLarge: failure = ExitFile; return "cannot write " + item.Path + ": " + item.Result.Message;
    case TWriteFailure::File: break;
  }
  throw TBatchError{ExitFile, "cannot write " + item.Path + ": " + item.Result.Message};
}

// Reports a chunk's outcomes in record order and hands its written files to
// Namer in that order; returns the worst status. A file that could not be
// written ends the batch at once: the files of later records, which other
// threads may have written meanwhile, never take their names.
int ReportChunk(std::vector<TBatchItem>& items, const TRecordSource& source, const TRecordBatch& batch,
                TProgressLine& progress, std::int64_t& done, TFileNamer& namer) {
  int status = ExitOk;
  for (TBatchItem& item : items) {
    if (!item.Done) break;
    int failure = ExitInvalidBarcode;
    std::string reason = SkipReason(item, batch, failure);
    if (reason.empty()) {
      if (const std::string error = namer.Add(std::move(item.Staged), item.Path); !error.empty())
        throw TBatchError{ExitFile, error};
    } else {
      reason += source.SkippedNote();
      if (!item.Path.empty()) reason += LeftAsItWasNote(item.Path);
      progress.Message(item.Record.Label + ": " + reason);
      status = std::max(status, failure);
    }
    progress.Update(++done, batch.ShowProgress ? source.FractionRead() : std::nullopt);
  }
  return status;
}

// How a batch writes its files: names made from data never follow a link;
// staged, so that they take their names in record order and (without Sync)
// after one sync of many files. An unnamed temporary holds a descriptor
// until it is named (the chunk being written, the files waiting and those
// being named): where the process may not hold that many, the temporaries
// are hidden files instead.
TReplaceOptions BatchReplaceOptions(const TRecordBatch& batch, std::size_t chunk) {
  TReplaceOptions options;
  options.Durability = batch.Sync ? TDurability::SyncEachFile : TDurability::SyncLater;
  options.Links = TLinkPolicy::ReplaceLink;
  if (!ReserveDescriptors(chunk + 2 * MaxWaitingFiles)) options.Temporary = TTemporaryName::Hidden;
  return options;
}

}  // namespace

int RunRecordBatch(TRecordSource& Source, const TRecordBatch& Batch) {
  if (const std::string reason = MakeFolder(Batch.Folder); !reason.empty())
    throw TBatchError{ExitFile, "cannot create folder " + Batch.Folder + ": " + reason};
  const std::size_t chunk = RecordsPerJob * std::size_t(std::max(1, Batch.Jobs));
  const TReplaceOptions options = BatchReplaceOptions(Batch, chunk);
  TBatchWorkers workers(Batch.Jobs, Batch.CreateBarcode, Batch.SetText, Batch.CheckImage, Batch.Output, options);
  TFileNamer namer(Batch.Folder, options.Durability, MaxWaitingFiles);
  TProgressLine progress(Batch.ShowProgress);
  std::int64_t done = 0;  // records of this run reported
  std::vector<TBatchItem> items;
  int status = ExitOk;
  try {
    for (bool more = true; more;) {
      more = ReadChunk(Source, Batch, chunk, items);
      workers.Run(items);
      status = std::max(status, ReportChunk(items, Source, Batch, progress, done, namer));
    }
  } catch (const TBatchError&) {
    // The files of the records before the failure take their names, as on
    // one thread; a failure among them came first and is the one reported.
    if (const std::string earlier = namer.Finish(); !earlier.empty()) throw TBatchError{ExitFile, earlier};
    throw;
  }
  if (const std::string failure = namer.Finish(); !failure.empty()) throw TBatchError{ExitFile, failure};
  return status;
}

}  // namespace tessel::generator
