// The rows of a database table as a batch's records: read one at a time
// through a Qt SQL cursor, so a table of any size takes constant memory
// (with --key, as much more as the names written: about 100 bytes a record).
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "generator/cli/Cli.h"
#include "generator/cli/RecordSource.h"

namespace tessel::generator {

// Connects and opens the table. Record N is the table's Nth row, its file
// named after the key's bytes made safe (SafeFileName) or the record number
// 000001 ...; a record whose key is empty, too long for a file name or
// already written in this run, or whose text is not Latin-1, cannot be
// drawn. Throws TBatchError: ExitUsage for a bad URL, table or field or a
// failed connection, ExitFile when the database does not serve; reading
// throws ExitFile when the database fails or does not answer.
std::unique_ptr<TRecordSource> OpenDbSource(const TDbBatchOptions& Options);

// --db: the table's records through the batch loop.
int RunDbBatch(const TDbBatchOptions& Options, const TRecordBatch& Batch);

// A key's bytes as a file's base name: letters, digits, '-', '_' and '.'
// stay, every other byte (and a leading '.') is written %XX, so different
// byte strings never share a name.
QString SafeFileName(const QByteArray& Key);

}  // namespace tessel::generator
