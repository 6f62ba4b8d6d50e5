// Writing a batch's symbols on several threads. Each worker has its own
// component, set up as the batch's, and its own buffers; the lines are
// handed out in chunks and their outcomes reported by the caller in input
// order, so files, names and messages are those of a single thread.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "components/pBarcode.h"
#include "generator/SymbolFile.h"

namespace tessel::generator {

// One line of a batch: its text and file, and what became of it.
struct TBatchItem {
  qint64 Line = 0;
  bool TooLong = false;  // skipped: longer than the reader takes
  std::string Text;
  QString Path;
  bool Done = false;  // false: not written, because an earlier file failed
  TWriteResult Result;
};

class TBatchWorkers {
 public:
  using TBarcodeFactory = std::function<std::unique_ptr<TBarcode>()>;

  // Jobs workers (at least one), each with a component made by Factory.
  TBatchWorkers(int Jobs, const TBarcodeFactory& Factory, TFileFormat Format, int Dpi, TDurability Durability);
  ~TBatchWorkers();
  TBatchWorkers(const TBatchWorkers&) = delete;
  TBatchWorkers& operator=(const TBatchWorkers&) = delete;

  int Jobs() const { return static_cast<int>(workers_.size()); }
  // Writes the items' files and returns when all are done. After a file
  // that could not be written no further item is started.
  void Run(std::vector<TBatchItem>& Items);

 private:
  struct TWorker;
  std::vector<std::unique_ptr<TWorker>> workers_;
  TFileFormat format_;
  int dpi_;
  TDurability durability_;
};

}  // namespace tessel::generator
