#include "generator/DbBatch.h"

#include <QDir>
#include <QUuid>
#include <cstdio>
#include <memory>

#include "components/pDBBarcode.h"
#include "generator/Cli.h"
#include "generator/OutputFile.h"
#include "platform/qt/QtData.h"

namespace tessel::generator {
namespace {

// Longest base name written; a longer key fails its record.
constexpr qsizetype MaxBaseNameLength = 200;
constexpr int RecordNumberDigits = 6;

// A failure before the first record: bad URL, connection, table or field.
struct TSetupError {
  QString Message;
};

void Report(const QString& message) { std::fprintf(stderr, "stripemaker: %s\n", qPrintable(message)); }

// The connection, the table read from start to end and the TDBBarcode that
// puts each record's text into the barcode; removes the connection when done.
class TRecordStream {
 public:
  TRecordStream(TBarcode& barcode, const TDbBatchOptions& options)
      : connection_("stripemaker-db-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    QString error;
    const auto url = ParseDatabaseUrl(options.Url, error);
    if (!url) throw TSetupError{error};
    try {
      database_ = OpenDatabase(*url, connection_, TDatabaseAccess::ReadOnly);
      QStringList columns{options.Field};
      if (!options.Key.isEmpty()) columns << options.Key;
      cursor_ = std::make_unique<TQtSqlCursor>(nullptr, database_, options.Table, columns, options.Key);
      cursor_->Open();
    } catch (const EDatabaseError& e) {
      throw TSetupError{QString::fromStdString(e.what())};
    }
    source_ = std::make_unique<TDataSource>(nullptr);
    source_->SetDataSet(cursor_.get());
    link_ = std::make_unique<TDBBarcode>(nullptr);
    link_->SetReadOnly(true);
    link_->SetBarcode(&barcode);
    link_->SetDataSource(source_.get());
    link_->SetDataField(options.Field.toStdString());
    text_ = dynamic_cast<const TQtField*>(link_->Field());
    if (!options.Key.isEmpty()) key_ = dynamic_cast<const TQtField*>(cursor_->FindField(options.Key.toStdString()));
  }
  ~TRecordStream() {
    link_.reset();
    source_.reset();
    cursor_.reset();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
  }
  TRecordStream(const TRecordStream&) = delete;
  TRecordStream& operator=(const TRecordStream&) = delete;

  TQtSqlCursor& Cursor() { return *cursor_; }
  // The text column, and the key column (null without a key).
  const TQtField& Text() const { return *text_; }
  const TQtField* Key() const { return key_; }

 private:
  QString connection_;
  QSqlDatabase database_;
  std::unique_ptr<TQtSqlCursor> cursor_;
  std::unique_ptr<TDataSource> source_;
  std::unique_ptr<TDBBarcode> link_;
  const TQtField* text_ = nullptr;
  const TQtField* key_ = nullptr;
};

// The current record's file base name, or why it has none. Keys are read
// in order, so a repeated key follows its first record directly.
QString BaseName(const TRecordStream& stream, qint64 recNo, const QString& previousKey, QString& problem) {
  if (!stream.Key()) return QString("%1").arg(recNo, RecordNumberDigits, 10, QChar('0'));
  const QString key = stream.Key()->Value().toString();
  if (key.isEmpty())
    problem = "the key is empty";
  else if (key == previousKey)
    problem = "the key repeats the previous record's";
  QString name = SafeFileName(key);
  if (problem.isEmpty() && name.size() > MaxBaseNameLength) problem = "the key is too long for a file name";
  return name;
}

QString RecordLabel(const TRecordStream& stream, qint64 recNo) {
  QString label = QString("record %1").arg(recNo);
  if (stream.Key()) label += QString(" (key '%1')").arg(stream.Key()->Value().toString());
  return label;
}

int StreamRecords(TRecordStream& stream, TBarcode& barcode, const TRecordSink& sink) {
  int failures = 0;
  QString previousKey;
  for (TQtSqlCursor& cursor = stream.Cursor(); !cursor.Eof(); cursor.Next()) {
    const qint64 recNo = cursor.RecNo();
    QString problem;
    const QString name = BaseName(stream, recNo, previousKey, problem);
    if (stream.Key()) previousKey = stream.Key()->Value().toString();
    if (problem.isEmpty() && !stream.Text().IsLatin1()) problem = "the text has a character outside Latin-1";
    QString fileError;
    if (problem.isEmpty()) {
      const int error = sink(barcode, name, fileError);
      if (!fileError.isEmpty()) {
        Report(QString("%1: cannot write %2: %3").arg(RecordLabel(stream, recNo), name, fileError));
        return ExitFile;
      }
      if (error != ecValid) problem = InvalidTextMessage(barcode.Barcode(), error);
    }
    if (!problem.isEmpty()) {
      ++failures;
      Report(QString("%1: %2; not written").arg(RecordLabel(stream, recNo), problem));
    }
  }
  return failures > 0 ? ExitInvalidBarcode : ExitOk;
}

}  // namespace

QString SafeFileName(const QString& Key) {
  QString name;
  const QByteArray bytes = Key.toUtf8();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                       c == '_' || (c == '.' && i > 0);
    name += plain ? QString(QChar(c)) : QString::asprintf("%%%02X", static_cast<unsigned char>(c));
  }
  return name;
}

int RunDbBatch(TBarcode& Barcode, const TDbBatchOptions& Options, const TRecordSink& Sink) {
  try {
    TRecordStream stream(Barcode, Options);
    return StreamRecords(stream, Barcode, Sink);
  } catch (const TSetupError& e) {
    Report(e.Message);
    return ExitUsage;
  } catch (const EDatabaseError& e) {
    Report(QString::fromStdString(e.what()));
    return ExitFile;
  }
}

int RunDbBatch(TBarcode& Barcode, const TDbBatchOptions& Options) {
  // The folder is made with the first record, so a failed setup leaves none.
  bool folderMade = false;
  return RunDbBatch(Barcode, Options, [&](TBarcode& barcode, const QString& baseName, QString& fileError) {
    if (!folderMade) {
      if (const QString reason = MakeFolder(Options.Folder); !reason.isEmpty()) {
        fileError = QString("cannot create folder %1: %2").arg(Options.Folder, reason);
        return ecValid;
      }
      folderMade = true;
    }
    const QString path = QDir(Options.Folder).filePath(baseName + '.' + Extension(Options.Format));
    const TWriteResult result = WriteSymbol(barcode, path, Options.Format, Options.Dpi);
    if (result.Failure == TWriteFailure::InvalidText) return result.Error;
    if (result.Failure != TWriteFailure::None) fileError = result.Message;
    return ecValid;
  });
}

}  // namespace tessel::generator
