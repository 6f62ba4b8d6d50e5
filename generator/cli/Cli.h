// The generator's command-line face: lists the symbology classes, encodes a
// text, or writes symbols to files, without opening a window.
#pragma once

#include <QStringList>
#include <memory>
#include <string>

#include "components/pBarcode.h"
#include "generator/cli/qt/DbBatch.h"
#include "output/SymbolFile.h"

namespace tessel::generator {

// Exit statuses of the command line.
inline constexpr int ExitOk = 0;
inline constexpr int ExitInvalidBarcode = 1;  // the barcode text is invalid for the symbology
inline constexpr int ExitUsage = 2;           // unknown class, property, option or unconvertible value
inline constexpr int ExitFile = 3;            // an input or output file could not be read or written

// The component a command line describes: its class (-c) or catalogue entry
// (-s, with the window's defaults), and the -p settings applied after.
struct TSymbolSettings {
  QString ClassName;
  QString Symbology;  // a catalogue name; empty with -c
  QStringList Assignments;
};

// A parsed and checked command line: what to do and the component it sets
// up. Parsing writes no file and prints nothing.
struct TCommandLine {
  enum class TAction { Help, Classes, List, Samples, Symbol, Batch, Db };
  TAction Action = TAction::Help;
  QString HelpText;
  int Dpi = 96;
  QString Folder;  // the samples' folder, or a batch's output folder
  QString Input;   // a batch's input file
  QString Output;  // a symbol's file; empty for none
  bool Encode = false;
  int Jobs = 1;       // a batch's worker threads
  bool Sync = false;  // a batch syncs every file, not once at its end
  TFileFormat Format = TFileFormat::Png;
  TDbBatchOptions Db;  // with Db
  TSymbolSettings Settings;
  std::unique_ptr<TBarcode> Barcode;  // with Symbol and Batch
};

// Parses Arguments (the program name first). Returns ExitOk, or the exit
// status with the message.
int ParseCommandLine(const QStringList& Arguments, TCommandLine& Command, QString& Message);
// The --encode line of a parsed Symbol command, or ExitInvalidBarcode with
// the message.
int EncodeCommand(const TCommandLine& Command, std::string& Line, QString& Message);

// The generator's message for an invalid text and its error code.
QString InvalidTextMessage(const std::string& Barcode, int Error);

// True when the arguments ask for command-line work rather than the window.
bool WantsCommandLine(const QStringList& Arguments);

// Runs the command line; returns the exit status. Messages go to stderr,
// results to stdout.
int RunCommandLine(const QStringList& Arguments);

}  // namespace tessel::generator
