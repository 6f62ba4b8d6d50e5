// The stripemaker command line without starting a process: the argument
// parser (with the component it sets up and the --encode line) and the
// batch reader.
//
// Input: a byte choosing the part; for the parser, arguments separated by
// NUL bytes (UTF-8 as given); for the batch reader, a byte for the line limit and
// the batch text.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "generator/cli/BatchReader.h"
#include "generator/cli/Cli.h"

using namespace tessel;
using namespace tessel::generator;

namespace {

void ParseArguments(const fuzz::TFuzzInput& input) {
  std::vector<std::string> arguments{"stripemaker"};
  for (const std::string& field : input.Fields('\0')) arguments.push_back(field);
  TCommandLine command;
  std::string message;
  const int status = ParseCommandLine(arguments, command, message);
  if (status != ExitOk) {
    if (message.empty()) std::abort();  // every failure says what failed
    return;
  }
  if (command.Action == TCommandLine::TAction::Symbol && command.Encode) {
    std::string line;
    if (EncodeCommand(command, line, message) != ExitOk && message.empty()) std::abort();
  }
}

void ReadBatch(fuzz::TFuzzInput& input) {
  const std::size_t limit = 1 + input.Byte() % 32;
  std::string text(input.Rest());
  std::FILE* buffer = fmemopen(text.data(), text.size(), "r");
  if (!buffer) return;  // an empty input
  TBatchReader reader(buffer, limit);
  std::string line;
  std::int64_t lines = 0;
  for (;;) {
    const TBatchReader::TStatus status = reader.Next(line);
    if (status == TBatchReader::TStatus::End) break;
    if (status == TBatchReader::TStatus::Error) std::abort();  // a buffer never fails
    if (line.size() > limit || line.find('\n') != std::string::npos) std::abort();
    if (reader.LineNumber() != ++lines) std::abort();
  }
  std::fclose(buffer);
  if (lines > std::count(text.begin(), text.end(), '\n') + 1) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::TFuzzInput input(data, size);
  if (input.Byte() % 2 == 0)
    ParseArguments(input);
  else
    ReadBatch(input);
  return 0;
}
