// The stripemaker command line without starting a process: the argument
// parser (with the component it sets up and the --encode line) and the
// batch reader.
//
// Input: a byte choosing the part; for the parser, arguments separated by
// NUL bytes (Latin-1); for the batch reader, a byte for the line limit and
// the batch text.
#include <QBuffer>
#include <QStringList>
#include <cstdlib>

#include "FuzzInput.h"
#include "generator/cli/BatchReader.h"
#include "generator/cli/Cli.h"

using namespace tessel;
using namespace tessel::generator;

namespace {

void ParseArguments(const fuzz::TFuzzInput& input) {
  QStringList arguments{"stripemaker"};
  for (const std::string& field : input.Fields('\0'))
    arguments << QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size()));
  TCommandLine command;
  QString message;
  const int status = ParseCommandLine(arguments, command, message);
  if (status != ExitOk) {
    if (message.isEmpty()) std::abort();  // every failure says what failed
    return;
  }
  if (command.Action == TCommandLine::TAction::Symbol && command.Encode) {
    std::string line;
    if (EncodeCommand(command, line, message) != ExitOk && message.isEmpty()) std::abort();
  }
}

void ReadBatch(fuzz::TFuzzInput& input) {
  const qint64 limit = 1 + input.Byte() % 32;
  QByteArray text(input.Rest().data(), static_cast<qsizetype>(input.Rest().size()));
  QBuffer buffer(&text);
  buffer.open(QIODevice::ReadOnly);
  TBatchReader reader(buffer, limit);
  QByteArray line;
  qint64 lines = 0;
  for (;;) {
    const TBatchReader::TStatus status = reader.Next(line);
    if (status == TBatchReader::TStatus::End) break;
    if (status == TBatchReader::TStatus::Error) std::abort();  // a buffer never fails
    if (line.size() > limit || line.contains('\n')) std::abort();
    if (reader.LineNumber() != ++lines) std::abort();
  }
  if (lines > text.count('\n') + 1) std::abort();
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
