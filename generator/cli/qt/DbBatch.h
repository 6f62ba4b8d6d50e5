// Writing one symbol per record of a database table: the records are read
// one at a time through a TDBBarcode, so a table of any size takes constant
// memory (with --key, as much more as the names written, see RunDbBatch).
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "components/pBarcode.h"
#include "generator/cli/Cli.h"
#include "output/SymbolFile.h"

namespace tessel::generator {

// What is done with a record's symbol: returns the symbol's error code
// (0 when it was written) or SymbolTooLarge; a file error, or why the symbol
// is too large, is returned through FileError.
inline constexpr int SymbolTooLarge = -1;
using TRecordSink = std::function<int(TBarcode& Barcode, const QString& BaseName, QString& FileError)>;

// The note for a record that was not written when a file from an earlier
// run stands under BaseName (see LeftAsItWasNote), or empty.
using TEarlierFile = std::function<QString(const QString& BaseName)>;

// Passes every record of the table to Sink with its file's base name (the
// key's bytes made safe for a file name, or the record number 000001 ...).
// Invalid records are named on stderr and skipped (saying when a file of
// their name from an earlier run is left as it was); so is a record whose
// name was already written in this run (with a key, the names written are
// kept for the run: about 100 bytes a record). Returns the exit status: ExitOk,
// ExitInvalidBarcode when a record failed, ExitUsage for a bad URL, table or
// field or a failed connection, ExitFile when a file could not be written,
// a symbol was too large or the database did not answer.
int RunDbBatch(TBarcode& Barcode, const TDbBatchOptions& Options, const TRecordSink& Sink,
               const TEarlierFile& EarlierFile = {});

// The same, writing each symbol into Options.Folder in Options.Format.
int RunDbBatch(TBarcode& Barcode, const TDbBatchOptions& Options);

// A key's bytes as a file's base name: letters, digits, '-', '_' and '.'
// stay, every other byte (and a leading '.') is written %XX, so different
// byte strings never share a name.
QString SafeFileName(const QByteArray& Key);

}  // namespace tessel::generator
