// The batch loop: one symbol per record of a source, written on worker
// threads, named in record order. A record that cannot be drawn (its
// source's problem, an invalid text, a symbol too large) is named with its
// label and skipped, and the batch goes on; it ends with the highest status
// of its records (1 for an invalid record, 3 for a symbol too large). A file
// that cannot be written ends the batch at once.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "components/pBarcode.h"
#include "generator/cli/RecordSource.h"
#include "output/SymbolFile.h"

namespace tessel::generator {

struct TRecordBatch {
  std::string Folder;
  TOutputOptions Output;  // the format, resolution and sizes of every file
  int Jobs = 1;
  bool Sync = false;          // sync every file, not the whole batch once at its end
  bool ShowProgress = false;  // draw the progress line on standard error
  // A component set up as the batch's, one for each worker.
  std::function<std::unique_ptr<TBarcode>()> CreateBarcode;
  // Sets a record's text on a worker's component, giving why the record
  // cannot be drawn or ""; none: the text is the component's Barcode.
  std::function<std::string(TBarcode& Barcode, const std::string& Text)> SetText;
  // The message for a record whose text is invalid, with its error code.
  std::function<std::string(const std::string& Text, int Error)> InvalidText;
  // With raster formats, given a worker's component and the image drawn of
  // it before that is encoded: why the record may not be written, or "";
  // optional.
  std::function<std::string(TBarcode& Barcode, const TRasterImage& Image)> CheckImage;
};

// Runs the batch and returns its status; a failure that ends it is thrown
// as TBatchError (after the files of the records before it took their names).
int RunRecordBatch(TRecordSource& Source, const TRecordBatch& Batch);

}  // namespace tessel::generator
