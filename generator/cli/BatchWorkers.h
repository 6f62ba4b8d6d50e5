// Writing a batch's symbols on several threads. Each worker has its own
// component, set up as the batch's, and its own buffers; the records are
// handed out in chunks and their outcomes reported by the caller in record
// order, so files, names and messages are those of a single thread.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "components/pBarcode.h"
#include "generator/cli/RecordSource.h"
#include "output/OutputFile.h"
#include "output/SymbolFile.h"
#include "output/SymbolOutput.h"

namespace tessel::generator {

// One record of a batch: its text and file, and what became of it.
struct TBatchItem {
  TRecord Record;     // not drawn when it has a problem
  std::string Path;   // its file; empty when it has no name
  bool Done = false;  // false: not written, because an earlier file failed
  TWriteResult Result;
  TStagedFile Staged;  // the written file, waiting for its name
};

class TBatchWorkers {
 public:
  using TBarcodeFactory = std::function<std::unique_ptr<TBarcode>()>;
  // Sets a record's text on a component; gives why the record cannot be
  // drawn, or "".
  using TTextSetter = std::function<std::string(TBarcode&, const std::string&)>;
  // Checks the image drawn of a worker's component before it is encoded
  // (raster formats); gives why it may not be written, or "".
  using TImageCheck = std::function<std::string(TBarcode&, const TRasterImage&)>;

  // Jobs workers (at least one), each with a component made by Factory,
  // taking each record's text through SetText (none: as its Barcode) and
  // each drawn image through Check (none: taken). Every file is staged (Options.Stage is set for each item) to take its
  // name when the caller commits it.
  TBatchWorkers(int Jobs, const TBarcodeFactory& Factory, const TTextSetter& SetText, const TImageCheck& Check,
                const TOutputOptions& Output, const TReplaceOptions& Options);
  ~TBatchWorkers();
  TBatchWorkers(const TBatchWorkers&) = delete;
  TBatchWorkers& operator=(const TBatchWorkers&) = delete;

  int Jobs() const { return static_cast<int>(workers_.size()); }
  // Writes the items' files into their temporaries and returns when all are
  // done. After a file that could not be written no further item is started.
  void Run(std::vector<TBatchItem>& Items);

 private:
  struct TWorker;
  std::vector<std::unique_ptr<TWorker>> workers_;
  TTextSetter setText_;
  TOutputOptions output_;
  TReplaceOptions options_;
};

// Gives a batch's staged files their names in record order, on a thread of
// its own, so that naming and the syncs it waits for overlap the writing of
// the next files. With TDurability::SyncLater the files waiting when the
// thread comes round are made durable together by one sync of the file
// system, and only then take their names; those names reach the disk with
// the next group's sync, or with Finish's. After a file that cannot take
// its name no further file does.
class TFileNamer {
 public:
  TFileNamer(const std::string& Folder, TDurability Durability, std::size_t MaxWaiting);
  // Files that have not taken their names are removed.
  ~TFileNamer();
  TFileNamer(const TFileNamer&) = delete;
  TFileNamer& operator=(const TFileNamer&) = delete;

  // Queues File to take its name after the files queued before it, waiting
  // while MaxWaiting files wait. Returns the message of a file that could not
  // be named or synced (nothing is queued then), else an empty string.
  std::string Add(TStagedFile&& File, const std::string& Path);
  // Names every queued file, then syncs the file system once more (with
  // SyncLater). Returns the first failure's message, else an empty string.
  std::string Finish();

 private:
  struct TWaiting {
    TStagedFile File;
    std::string Path;
  };
  void Run();
  std::string NameGroup(std::vector<TWaiting>& group) const;

  std::string folder_;
  TDurability durability_;
  std::size_t maxWaiting_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<TWaiting> waiting_;
  bool naming_ = false;    // a group is being named
  bool stopping_ = false;  // no more files come
  std::string failure_;
  std::jthread thread_;  // last: joined before the members it uses go
};

}  // namespace tessel::generator
