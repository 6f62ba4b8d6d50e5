// The rows of a database table as a batch's records: read one at a time
// through a Qt SQL cursor, so a table of any size takes constant memory.
#pragma once

#include <memory>

#include "generator/cli/Cli.h"
#include "generator/cli/RecordSource.h"

namespace tessel::generator {

// Connects and opens the table. Record N is the table's Nth row (in key
// order with --key); its fields are the columns --field and --key name, or
// every column of the table with AllColumns, each as its bytes (a binary
// value as stored, any other as the UTF-8 of its text). The text is the
// --field, the files are named after the --key (see TTemplatedSource).
// Throws TBatchError: ExitUsage for a bad URL, table or field or a failed
// connection, ExitFile when the database does not serve; reading throws
// ExitFile when the database fails or does not answer.
std::unique_ptr<TRecordSource> OpenDbSource(const TDbBatchOptions& Options);

}  // namespace tessel::generator
