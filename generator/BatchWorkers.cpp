#include "generator/BatchWorkers.h"

#include <atomic>
#include <thread>

namespace tessel::generator {

struct TBatchWorkers::TWorker {
  std::unique_ptr<TBarcode> Barcode;
  TSymbolWriter Writer;
};

TBatchWorkers::TBatchWorkers(int Jobs, const TBarcodeFactory& Factory, TFileFormat Format, int Dpi,
                             TDurability Durability)
    : format_(Format), dpi_(Dpi), durability_(Durability) {
  for (int i = 0; i < std::max(1, Jobs); ++i) {
    auto worker = std::make_unique<TWorker>();
    worker->Barcode = Factory();
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
      if (item.TooLong) {
        item.Done = true;
        continue;
      }
      worker.Barcode->SetBarcode(item.Text);
      item.Result = worker.Writer.Write(*worker.Barcode, item.Path, format_, dpi_, durability_);
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

}  // namespace tessel::generator
