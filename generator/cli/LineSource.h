// The lines of a batch file as records: record N is line N, its file
// NNNNNN.EXT; a line longer than the reader takes is a record that cannot
// be drawn.
#pragma once

#include <memory>
#include <string>

#include "generator/cli/RecordSource.h"

namespace tessel::generator {

// Opens the file; throws TBatchError when it cannot be read.
std::unique_ptr<TRecordSource> OpenLineSource(const std::string& Path);

// "000042": a record number as the base name of its file.
std::string NumberedName(std::int64_t Number);

}  // namespace tessel::generator
