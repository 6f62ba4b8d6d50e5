// The outside input of --db besides the database itself: the database URL
// parser, the key's bytes made a file name, and the quoting and escaping of
// names and text that come from the database.
//
// Input: a byte choosing the part, then the URL (UTF-8) or the bytes.
#include <QByteArray>
#include <QString>
#include <cstdlib>

#include "FuzzInput.h"
#include "generator/cli/FileNames.h"
#include "platform/qt/QtData.h"

using namespace tessel;

namespace {

void ParseUrl(const fuzz::TFuzzInput& input) {
  const QString text = QString::fromUtf8(input.Rest().data(), static_cast<qsizetype>(input.Rest().size()));
  QString error;
  const auto url = ParseDatabaseUrl(text, error);
  if (!url) {
    if (error.isEmpty()) std::abort();  // every failure says what failed
    return;
  }
  if (url->Driver != "QSQLITE" && url->Driver != "QPSQL") std::abort();
  if (url->Driver == "QPSQL" && (url->UserName.isEmpty() || url->HostName.isEmpty() || url->DatabaseName.isEmpty()))
    std::abort();
  (void)url->Display();
}

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

void NameAndQuote(const fuzz::TFuzzInput& input) {
  const QByteArray bytes(input.Rest().data(), static_cast<qsizetype>(input.Rest().size()));
  // A file name: safe characters only, no leading dot, and the bytes back
  // when decoded, so two keys never share a name.
  const QString name = QString::fromStdString(
      generator::SafeFileName(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size()))));
  for (QChar c : name)
    if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && !QStringView(u"-_.%").contains(c)) std::abort();
  if (name.startsWith(u'.') || QByteArray::fromPercentEncoding(name.toLatin1()) != bytes) std::abort();
  // A message never holds a control character.
  for (const QString& escaped : {EscapeForMessage(bytes), EscapeForMessage(QString::fromUtf8(bytes))})
    for (QChar c : escaped)
      if (IsControl(c.unicode())) std::abort();
  // A quoted name is one identifier: quoted, inner quotes doubled, the name back.
  const QString text = QString::fromUtf8(bytes);
  const QString quoted = QuoteIdentifier(text);
  if (quoted.size() < 2 || !quoted.startsWith(u'"') || !quoted.endsWith(u'"')) std::abort();
  const QString inner = quoted.mid(1, quoted.size() - 2);
  if (inner.count(u'"') % 2 != 0 || QString(inner).replace(QStringLiteral("\"\""), QStringLiteral("\"")) != text)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::TFuzzInput input(data, size);
  if (input.Byte() % 2 == 0)
    ParseUrl(input);
  else
    NameAndQuote(input);
  return 0;
}
