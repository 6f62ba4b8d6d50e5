// The generator's command-line face: lists the symbology classes, encodes a
// text, or writes symbols to files, without opening a window.
#pragma once

#include <QStringList>
#include <string>

namespace tessel::generator {

// Exit statuses of the command line.
inline constexpr int ExitOk = 0;
inline constexpr int ExitInvalidBarcode = 1;  // the barcode text is invalid for the symbology
inline constexpr int ExitUsage = 2;           // unknown class, property, option or unconvertible value
inline constexpr int ExitFile = 3;            // an input or output file could not be read or written

// True when the arguments ask for command-line work rather than the window.
bool WantsCommandLine(const QStringList& Arguments);

// The generator's message for an invalid text and its error code.
QString InvalidTextMessage(const std::string& Barcode, int Error);

// Runs the command line; returns the exit status. Messages go to stderr,
// results to stdout.
int RunCommandLine(const QStringList& Arguments);

}  // namespace tessel::generator
