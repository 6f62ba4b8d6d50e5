// The rows of a CSV file as records: its header row names the fields,
// record N is the Nth row after it. A row with more or fewer fields than
// the header, or one the reader cannot take (too long, a quote left open),
// is a record that cannot be drawn.
#pragma once

#include <memory>
#include <string>

#include "generator/cli/RecordSource.h"

namespace tessel::generator {

// Opens the file and reads its header; throws TBatchError (ExitFile) when
// it cannot be read or has no header row.
std::unique_ptr<TRecordSource> OpenCsvSource(const std::string& Path);

}  // namespace tessel::generator
