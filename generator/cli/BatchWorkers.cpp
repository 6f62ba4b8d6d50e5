#include "generator/cli/BatchWorkers.h"

#include <atomic>
#include <thread>

namespace tessel::generator {

struct TBatchWorkers::TWorker {
  std::unique_ptr<TBarcode> Barcode;
  TSymbolWriter Writer;
};

TBatchWorkers::TBatchWorkers(int Jobs, const TBarcodeFactory& Factory, const TTextSetter& SetText,
                             const TImageCheck& Check, const TOutputOptions& Output, const TReplaceOptions& Options)
    : setText_(SetText), output_(Output), options_(Options) {
  if (!setText_)
    setText_ = [](TBarcode& barcode, const std::string& text) {
      barcode.SetBarcode(text);
      return std::string();
    };
  for (int i = 0; i < std::max(1, Jobs); ++i) {
    auto worker = std::make_unique<TWorker>();
    worker->Barcode = Factory();
    if (Check)
      worker->Writer.SetImageCheck(
          [check = Check, &barcode = *worker->Barcode](const TRasterImage& image) { return check(barcode, image); });
    workers_.push_back(std::move(worker));
  }
}

TBatchWorkers::~TBatchWorkers() = default;

void TBatchWorkers::Run(std::vector<TBatchItem>& Items) {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  const auto work = [&](TWorker& worker) {
    for (std::size_t i = next++; i < Items.size() && !failed; i = next++) {
      TBatchItem& item = Items[i];
      if (item.Record.Problem.empty()) item.Record.Problem = setText_(*worker.Barcode, item.Record.Text);
      if (!item.Record.Problem.empty()) {
        item.Done = true;
        continue;
      }
      TReplaceOptions options = options_;
      options.Stage = &item.Staged;
      item.Result = worker.Writer.Write(*worker.Barcode, item.Path, output_, options);
      item.Done = true;
      if (item.Result.Failure == TWriteFailure::File) failed = true;
    }
  };
  // The calling thread is the first worker; the others run beside it.
  std::vector<std::jthread> threads;
  const std::size_t helpers = std::min(workers_.size(), Items.size()) - (Items.empty() ? 0 : 1);
  threads.reserve(helpers);
  for (std::size_t w = 1; w <= helpers; ++w) threads.emplace_back([&, w] { work(*workers_[w]); });
  work(*workers_[0]);
}

TFileNamer::TFileNamer(const std::string& Folder, TDurability Durability, std::size_t MaxWaiting)
    : folder_(Folder), durability_(Durability), maxWaiting_(MaxWaiting), thread_([this] { Run(); }) {}

TFileNamer::~TFileNamer() {
  const std::lock_guard lock(mutex_);
  stopping_ = true;
  waiting_.clear();
  changed_.notify_all();
}

std::string TFileNamer::Add(TStagedFile&& File, const std::string& Path) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return waiting_.size() < maxWaiting_ || !failure_.empty(); });
  if (failure_.empty()) waiting_.push_back({std::move(File), Path});
  changed_.notify_all();
  return failure_;
}

std::string TFileNamer::Finish() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [&] { return (waiting_.empty() && !naming_) || !failure_.empty(); });
  if (!failure_.empty() || durability_ != TDurability::SyncLater) return failure_;
  lock.unlock();
  if (const std::string reason = SyncFileSystem(folder_); !reason.empty())
    return "cannot sync " + folder_ + " to disk: " + reason;
  return {};
}

void TFileNamer::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return !waiting_.empty() || stopping_; });
    if (waiting_.empty()) return;
    std::vector<TWaiting> group;
    group.swap(waiting_);
    naming_ = true;
    const bool failed = !failure_.empty();
    changed_.notify_all();  // room for more
    lock.unlock();
    std::string failure = failed ? std::string() : NameGroup(group);
    group.clear();  // removes the temporaries of files that were not named
    lock.lock();
    naming_ = false;
    if (failure_.empty()) failure_ = failure;
    changed_.notify_all();
  }
}

std::string TFileNamer::NameGroup(std::vector<TWaiting>& group) const {
  if (durability_ == TDurability::SyncLater)
    if (const std::string reason = SyncFileSystem(folder_); !reason.empty())
      return "cannot sync " + folder_ + " to disk: " + reason;
  for (TWaiting& waiting : group)
    if (const std::string reason = waiting.File.Commit(); !reason.empty())
      return "cannot write " + waiting.Path + ": " + reason;
  return {};
}

}  // namespace tessel::generator
