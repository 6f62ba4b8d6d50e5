#include "generator/cli/qt/DbBatch.h"

#include <QDir>
#include <QUuid>
#include <cstdio>
#include <memory>
#include <string>
#include <unordered_map>

#include "components/pDBBarcode.h"
#include "generator/StdString.h"
#include "output/OutputFile.h"
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
    const auto url = ParseDatabaseUrl(QString::fromStdString(options.Url), error);
    if (!url) throw TSetupError{error};
    try {
      database_ = OpenDatabase(*url, connection_, TDatabaseAccess::ReadOnly, options.TimeoutSeconds);
      const QString key = QString::fromStdString(options.Key);
      QStringList columns{QString::fromStdString(options.Field)};
      QStringList byteColumns;
      if (!key.isEmpty()) {
        columns << key;
        byteColumns << key;  // file names come from the key's bytes
      }
      cursor_ = std::make_unique<TQtSqlCursor>(nullptr, database_, QString::fromStdString(options.Table), columns, key,
                                               byteColumns);
      cursor_->SetTimeout(options.TimeoutSeconds);
      cursor_->Open();
    } catch (const EDatabaseUnavailable&) {
      throw;  // not a setup mistake: the database did not serve
    } catch (const EDatabaseError& e) {
      throw TSetupError{QString::fromStdString(e.what())};
    }
    source_ = std::make_unique<TDataSource>(nullptr);
    source_->SetDataSet(cursor_.get());
    link_ = std::make_unique<TDBBarcode>(nullptr);
    link_->SetReadOnly(true);
    link_->SetBarcode(&barcode);
    link_->SetDataSource(source_.get());
    link_->SetDataField(options.Field);
    text_ = dynamic_cast<const TQtField*>(link_->Field());
    if (!options.Key.empty()) key_ = &cursor_->Column(1);
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

// Each base name written in this run and its record. Two different keys can
// give one name (integer 1 and text '1'), and not always one after the
// other, so every name is remembered.
using TWrittenNames = std::unordered_map<std::string, qint64>;

// The current record's file base name, or why it has none.
QString BaseName(const TRecordStream& stream, qint64 recNo, const TWrittenNames& written, QString& problem) {
  if (!stream.Key()) return QString("%1").arg(recNo, RecordNumberDigits, 10, QChar('0'));
  const QByteArray key = stream.Key()->Bytes();
  if (key.isEmpty()) {
    problem = "the key is empty";
    return {};
  }
  QString name = SafeFileName(key);
  if (name.size() > MaxBaseNameLength) {
    problem = "the key is too long for a file name";
  } else if (const auto earlier = written.find(name.toStdString()); earlier != written.end()) {
    problem = QString("the file name '%1' was already written for record %2").arg(name).arg(earlier->second);
  }
  return name;
}

QString RecordLabel(const TRecordStream& stream, qint64 recNo) {
  QString label = QString("record %1").arg(recNo);
  if (stream.Key()) label += QString(" (key '%1')").arg(EscapeForMessage(stream.Key()->Bytes()));
  return label;
}

int StreamRecords(TRecordStream& stream, TBarcode& barcode, const TRecordSink& sink, const TEarlierFile& earlierFile) {
  int status = ExitOk;
  TWrittenNames written;
  for (TQtSqlCursor& cursor = stream.Cursor(); !cursor.Eof(); cursor.Next()) {
    const qint64 recNo = cursor.RecNo();
    QString problem;
    int failure = ExitInvalidBarcode;
    const QString name = BaseName(stream, recNo, written, problem);
    if (problem.isEmpty() && !stream.Text().IsLatin1()) problem = "the text has a character outside Latin-1";
    if (problem.isEmpty()) {
      QString fileError;
      const int error = sink(barcode, name, fileError);
      if (error == SymbolTooLarge) {
        problem = fileError;
        failure = ExitFile;
      } else if (!fileError.isEmpty()) {
        Report(QString("%1: cannot write %2: %3").arg(RecordLabel(stream, recNo), name, fileError));
        return ExitFile;
      } else if (error != ecValid) {
        problem = EscapeForMessage(Message(InvalidTextMessage(barcode.Barcode(), error)));
      } else if (stream.Key()) {
        written.emplace(name.toStdString(), recNo);
      }
    }
    if (problem.isEmpty()) continue;
    status = std::max(status, failure);
    problem += "; not written";
    if (earlierFile && !name.isEmpty() && name.size() <= MaxBaseNameLength && !written.contains(name.toStdString()))
      problem += earlierFile(name);
    Report(QString("%1: %2").arg(RecordLabel(stream, recNo), problem));
  }
  return status;
}

}  // namespace

QString SafeFileName(const QByteArray& Key) {
  QString name;
  name.reserve(Key.size());
  for (qsizetype i = 0; i < Key.size(); ++i) {
    const char c = Key[i];
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                       c == '_' || (c == '.' && i > 0);
    name += plain ? QString(QChar(c)) : QString::asprintf("%%%02X", static_cast<unsigned char>(c));
  }
  return name;
}

int RunDbBatch(TBarcode& Barcode, const TDbBatchOptions& Options, const TRecordSink& Sink,
               const TEarlierFile& EarlierFile) {
  try {
    TRecordStream stream(Barcode, Options);
    return StreamRecords(stream, Barcode, Sink, EarlierFile);
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
  const QString folder = FromPathString(Options.Folder);
  const QString extension = QString('.') + Extension(Options.Format);
  const auto path = [&](const QString& baseName) { return QDir(folder).filePath(baseName + extension); };
  const auto sink = [&](TBarcode& barcode, const QString& baseName, QString& fileError) {
    if (!folderMade) {
      if (const std::string reason = MakeFolder(Options.Folder); !reason.empty()) {
        fileError = QString("cannot create folder %1: %2").arg(folder, Message(reason));
        return ecValid;
      }
      folderMade = true;
    }
    // Names come from data, in a folder others may write to: a link planted
    // under one is replaced, never followed.
    const TWriteResult result =
        WriteSymbol(barcode, PathString(path(baseName)), {.Format = Options.Format, .Dpi = Options.Dpi},
                    {.Links = TLinkPolicy::ReplaceLink});
    if (result.Failure == TWriteFailure::InvalidText) return result.Error;
    if (result.Failure != TWriteFailure::None) fileError = Message(result.Message);
    return result.Failure == TWriteFailure::TooLarge ? SymbolTooLarge : ecValid;
  };
  const auto earlierFile = [&](const QString& baseName) {
    return FromPathString(LeftAsItWasNote(PathString(path(baseName))));
  };
  return RunDbBatch(Barcode, Options, sink, earlierFile);
}

}  // namespace tessel::generator
