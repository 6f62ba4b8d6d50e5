// The lines of a batch file as records: record N is line N, its one field
// ("line") the line's text unescaped, its bytes taken as Latin-1
// characters; a line longer than the reader takes is a record that cannot
// be drawn.
#pragma once

#include <memory>
#include <string>

#include "generator/cli/RecordSource.h"

namespace tessel::generator {

// Opens the file; throws TBatchError when it cannot be read.
std::unique_ptr<TRecordSource> OpenLineSource(const std::string& Path);

}  // namespace tessel::generator
