#include "generator/cli/qt/DbBatch.h"

#include <QUuid>
#include <memory>
#include <string>

#include "platform/qt/QtData.h"

namespace tessel::generator {
namespace {

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
      OpenCursor(options);
    } catch (const EDatabaseUnavailable& e) {
      throw TBatchError{ExitFile, e.what()};  // not a setup mistake: the database did not serve
    } catch (const EDatabaseError& e) {
      throw TBatchError{ExitUsage, e.what()};
    }
    for (int i = 0; i < cursor_->ColumnCount(); ++i) names_.push_back(cursor_->Column(i).FieldName());
    if (!options.Field.empty()) textField_ = ColumnOf(options.Field);
    if (!options.Key.empty()) key_ = &cursor_->Column(static_cast<int>(ColumnOf(options.Key)));
  }
  ~TDbSource() override {
    cursor_.reset();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
  }
  TDbSource(const TDbSource&) = delete;
  TDbSource& operator=(const TDbSource&) = delete;

  std::vector<std::string> FieldNames() const override { return names_; }
  std::size_t TextField() const override { return textField_; }
  std::optional<std::size_t> NameField() const override {
    if (!key_) return std::nullopt;
    return static_cast<std::size_t>(key_->Column());
  }

  bool Next(TRecord& Record) override {
    try {
      if (started_) cursor_->Next();
      started_ = true;
      if (cursor_->Eof()) return false;
      Record = {};
      Record.Number = cursor_->RecNo();
      Record.Label = Label(Record.Number);
      Record.Fields.reserve(names_.size());
      for (int i = 0; i < cursor_->ColumnCount(); ++i)
        Record.Fields.push_back(cursor_->Column(i).Bytes().toStdString());
      return true;
    } catch (const EDatabaseError& e) {
      throw TBatchError{ExitFile, e.what()};
    }
  }

  std::string SkippedNote() const override { return "; not written"; }

 private:
  // The columns --field and --key name (the key's as its stored bytes), or
  // all of them, in key order.
  void OpenCursor(const TDbBatchOptions& options) {
    const QString key = QString::fromStdString(options.Key);
    QStringList columns;
    if (!options.AllColumns) columns << QString::fromStdString(options.Field);
    QStringList byteColumns;
    if (!key.isEmpty()) {
      if (!options.AllColumns) columns << key;
      byteColumns << key;  // file names come from the key's bytes
    }
    cursor_ = std::make_unique<TQtSqlCursor>(nullptr, database_, QString::fromStdString(options.Table), columns, key,
                                             byteColumns);
    cursor_->SetTimeout(options.TimeoutSeconds);
    cursor_->Open();
  }

  // The index of a column the cursor has read (it refused any other).
  std::size_t ColumnOf(const std::string& name) const {
    const auto* field = dynamic_cast<const TQtField*>(cursor_->FindField(name));
    if (!field) throw TBatchError{ExitUsage, "the table has no field '" + name + "'"};
    return static_cast<std::size_t>(field->Column());
  }

  std::string Label(std::int64_t number) const {
    std::string label = "record " + std::to_string(number);
    if (key_) label += " (key '" + EscapeForMessage(key_->Bytes()).toStdString() + "')";
    return label;
  }

  QString connection_;
  QSqlDatabase database_;
  std::unique_ptr<TQtSqlCursor> cursor_;
  std::vector<std::string> names_;  // of the columns read
  std::size_t textField_ = 0;
  const TQtField* key_ = nullptr;
  bool started_ = false;
};

}  // namespace

std::unique_ptr<TRecordSource> OpenDbSource(const TDbBatchOptions& Options) {
  return std::make_unique<TDbSource>(Options);
}

}  // namespace tessel::generator
