#include "generator/cli/qt/DbBatch.h"

#include <QUuid>
#include <memory>
#include <string>
#include <unordered_map>

#include "generator/cli/LineSource.h"
#include "generator/cli/RecordBatch.h"
#include "platform/qt/QtData.h"

namespace tessel::generator {
namespace {

// Longest base name written; a longer key fails its record.
constexpr qsizetype MaxBaseNameLength = 200;

// The connection and the table read from start to end, one record at a
// time; removes the connection when done.
class TDbSource : public TRecordSource {
 public:
  explicit TDbSource(const TDbBatchOptions& options)
      : connection_("stripemaker-db-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    QString error;
    const auto url = ParseDatabaseUrl(QString::fromStdString(options.Url), error);
    if (!url) throw TBatchError{ExitUsage, error.toStdString()};
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
    } catch (const EDatabaseUnavailable& e) {
      throw TBatchError{ExitFile, e.what()};  // not a setup mistake: the database did not serve
    } catch (const EDatabaseError& e) {
      throw TBatchError{ExitUsage, e.what()};
    }
    text_ = &cursor_->Column(0);
    names_ = {options.Field};
    if (!options.Key.empty()) {
      key_ = &cursor_->Column(1);
      names_.push_back(options.Key);
    }
  }
  ~TDbSource() override {
    cursor_.reset();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
  }
  TDbSource(const TDbSource&) = delete;
  TDbSource& operator=(const TDbSource&) = delete;

  std::vector<std::string> FieldNames() const override { return names_; }

  bool Next(TRecord& Record) override {
    try {
      if (started_) cursor_->Next();
      started_ = true;
      if (cursor_->Eof()) return false;
      Record = {};
      Record.Number = cursor_->RecNo();
      Record.Label = Label(Record.Number);
      Record.BaseName = BaseName(Record);
      if (Record.Problem.empty() && !text_->IsLatin1()) Record.Problem = "the text has a character outside Latin-1";
      Record.Text = text_->Text();
      Record.Fields = {Record.Text};
      if (key_) Record.Fields.push_back(key_->Text());
      return true;
    } catch (const EDatabaseError& e) {
      throw TBatchError{ExitFile, e.what()};
    }
  }

  // Two different keys can give one name (integer 1 and text '1'), and not
  // always one after the other, so every name written is remembered.
  std::string Claim(const TRecord& Record) override {
    if (!key_) return {};
    const auto [earlier, added] = written_.emplace(Record.BaseName, Record.Number);
    if (added) return {};
    return "the file name '" + Record.BaseName + "' was already written for record " + std::to_string(earlier->second);
  }

  std::string SkippedNote() const override { return "; not written"; }

 private:
  std::string Label(std::int64_t number) const {
    std::string label = "record " + std::to_string(number);
    if (key_) label += " (key '" + EscapeForMessage(key_->Bytes()).toStdString() + "')";
    return label;
  }

  // The current record's file base name; empty, with the record's problem
  // set, when the key makes none.
  std::string BaseName(TRecord& record) const {
    if (!key_) return NumberedName(record.Number);
    const QByteArray key = key_->Bytes();
    if (key.isEmpty()) {
      record.Problem = "the key is empty";
      return {};
    }
    const QString name = SafeFileName(key);
    if (name.size() > MaxBaseNameLength) {
      record.Problem = "the key is too long for a file name";
      return {};
    }
    return name.toStdString();
  }

  QString connection_;
  QSqlDatabase database_;
  std::unique_ptr<TQtSqlCursor> cursor_;
  const TQtField* text_ = nullptr;
  const TQtField* key_ = nullptr;
  std::vector<std::string> names_;  // of the columns read
  bool started_ = false;
  std::unordered_map<std::string, std::int64_t> written_;  // each base name written and its record
};

}  // namespace

std::unique_ptr<TRecordSource> OpenDbSource(const TDbBatchOptions& Options) {
  return std::make_unique<TDbSource>(Options);
}

int RunDbBatch(const TDbBatchOptions& Options, const TRecordBatch& Batch) {
  const std::unique_ptr<TRecordSource> records = OpenDbSource(Options);
  return RunRecordBatch(*records, Batch);
}

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

}  // namespace tessel::generator
