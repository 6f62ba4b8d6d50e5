// TDBBarcode on real databases: SQLite in memory and in a file, and a
// PostgreSQL server started for the run.
#include <gtest/gtest.h>

#include <QSqlQuery>

#include "components/pDBBarcode.h"
#include "db/DbTestSupport.h"
#include "platform/Image.h"
#include "platform/qt/QtData.h"
#include "symbologies/pCode128.h"

namespace tessel::testing {
namespace {

// A table dataset that counts the posts that reach the database.
class TCountingTable : public TQtSqlTable {
 public:
  using TQtSqlTable::TQtSqlTable;
  int Posts = 0;

 protected:
  void DoPost() override {
    ++Posts;
    TQtSqlTable::DoPost();
  }
};

class DbBarcode : public ::testing::TestWithParam<TBackend> {
 protected:
  void SetUp() override {
    QString why;
    db_ = TTestDatabase::Create(GetParam(), why);
    if (!db_) GTEST_SKIP() << BackendName(GetParam()) << " is not available: " << why.toStdString();
    table_ = db_->Name("labels");
    db_->Exec(QString("CREATE TABLE %1 (id INTEGER PRIMARY KEY, code VARCHAR(40) NOT NULL CHECK (length(code) <= 20))")
                  .arg(table_));
    db_->Exec(QString("INSERT INTO %1 (id, code) VALUES (1, 'CODE-A'), (2, 'CODE-B'), (3, 'CODE-C')").arg(table_));
    dataSet_ = new TCountingTable(form_.get(), db_->Database(), table_);
    dataSet_->Open();
    source_ = new TDataSource(form_.get());
    source_->SetDataSet(dataSet_);
    barcode_ = new TBarcode_Code128(form_.get());
    link_ = new TDBBarcode(form_.get());
    link_->SetBarcode(barcode_);
    link_->SetDataSource(source_);
    link_->SetDataField("code");
  }

  QString Stored(int id) { return db_->Value(table_, "code", id); }

  std::unique_ptr<TTestDatabase> db_;  // outlives the components below
  std::unique_ptr<TControl> form_ = std::make_unique<TControl>(nullptr);
  QString table_;
  TCountingTable* dataSet_ = nullptr;
  TDataSource* source_ = nullptr;
  TBarcode_Code128* barcode_ = nullptr;
  TDBBarcode* link_ = nullptr;
};

TEST_P(DbBarcode, FollowsTheCurrentRecordAndShowsNothingWithoutAField) {
  EXPECT_EQ(barcode_->Barcode(), "CODE-A");
  dataSet_->MoveTo(2);
  EXPECT_EQ(barcode_->Barcode(), "CODE-C");
  ASSERT_NE(link_->Field(), nullptr);
  EXPECT_EQ(link_->Field()->FieldName(), "code");
  link_->SetDataField("");
  EXPECT_EQ(barcode_->Barcode(), "");
  link_->SetDataField("nosuch");
  EXPECT_EQ(link_->Field(), nullptr);
  EXPECT_EQ(barcode_->Barcode(), "");
  EXPECT_EQ(dataSet_->Posts, 0);  // showing a record never writes it
}

TEST_P(DbBarcode, ANewTextIsPostedAtOnceAndAnEqualTextNever) {
  dataSet_->MoveTo(1);
  barcode_->SetBarcode("NEW-B");
  EXPECT_EQ(dataSet_->Posts, 1);
  EXPECT_EQ(dataSet_->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(Stored(2), "NEW-B");
  EXPECT_EQ(link_->Field()->Text(), "NEW-B");

  barcode_->SetBarcode("NEW-B");
  barcode_->SetAutoCheckDigit(!barcode_->AutoCheckDigit());  // a data change with the same text
  dataSet_->MoveTo(0);
  dataSet_->MoveTo(1);
  EXPECT_EQ(barcode_->Barcode(), "NEW-B");
  EXPECT_EQ(dataSet_->Posts, 1);
  EXPECT_EQ(Stored(1), "CODE-A");
  EXPECT_EQ(Stored(3), "CODE-C");
}

TEST_P(DbBarcode, LinkingAnotherBarcodeDetachesTheFirst) {
  auto* other = new TBarcode_Code128(form_.get());
  link_->SetBarcode(other);
  EXPECT_FALSE(barcode_->LinkChangeHandler);
  EXPECT_TRUE(other->LinkChangeHandler);
  barcode_->SetBarcode("NOT-WRITTEN");
  EXPECT_EQ(dataSet_->Posts, 0);
  other->SetBarcode("WRITTEN");
  EXPECT_EQ(Stored(1), "WRITTEN");
}

TEST_P(DbBarcode, NeverWritesWhileDesignedOrReadOnly) {
  struct TCase {
    const char* Name;
    void (*Apply)(TDBBarcode&, TQtSqlTable&, bool on);
  };
  const TCase cases[] = {
      {"designing", [](TDBBarcode& l, TQtSqlTable&, bool on) { l.SetDesigning(on); }},
      {"read-only link", [](TDBBarcode& l, TQtSqlTable&, bool on) { l.SetReadOnly(on); }},
      {"read-only dataset", [](TDBBarcode&, TQtSqlTable& t, bool on) { t.SetReadOnly(on); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Apply(*link_, *dataSet_, true);
    EXPECT_NO_THROW(barcode_->SetBarcode("KEPT"));
    EXPECT_EQ(barcode_->Barcode(), "KEPT");
    EXPECT_EQ(link_->Field()->Text(), "CODE-A");
    EXPECT_EQ(dataSet_->State(), TDataSetState::dsBrowse);
    c.Apply(*link_, *dataSet_, false);
    dataSet_->MoveTo(0);  // shows the record again
    EXPECT_EQ(barcode_->Barcode(), "CODE-A");
  }
  EXPECT_EQ(dataSet_->Posts, 0);
  EXPECT_EQ(Stored(1), "CODE-A");
}

TEST_P(DbBarcode, RemovedComponentsAreDropped) {
  delete dataSet_;  // the data source loses its dataset; the barcode shows no field
  EXPECT_EQ(source_->DataSet(), nullptr);
  EXPECT_EQ(barcode_->Barcode(), "");
  delete source_;
  EXPECT_EQ(link_->DataSource(), nullptr);
  delete barcode_;
  EXPECT_EQ(link_->Barcode(), nullptr);
  delete link_;  // with nothing left to detach
  EXPECT_EQ(form_->ComponentCount(), 0);
}

TEST_P(DbBarcode, ARejectedPostChangesNothingAndALaterPostSucceeds) {
  const std::string tooLong(25, 'X');  // the table's check allows 20 characters
  EXPECT_THROW(barcode_->SetBarcode(tooLong), EDatabaseError);
  EXPECT_EQ(barcode_->Barcode(), tooLong);
  EXPECT_EQ(Stored(1), "CODE-A");
  EXPECT_EQ(dataSet_->State(), TDataSetState::dsBrowse);
  EXPECT_EQ(link_->Field()->Text(), "CODE-A");  // nothing of the rejected value is pending

  barcode_->SetBarcode("FIXED");
  EXPECT_EQ(Stored(1), "FIXED");
  dataSet_->MoveTo(1);
  EXPECT_EQ(Stored(1), "FIXED");
}

TEST_P(DbBarcode, AnotherConnectionsChangeIsNeverOverwritten) {
  if (GetParam() == TBackend::SqliteMemory) GTEST_SKIP() << "an in-memory database has one connection";
  QSqlDatabase other = db_->OpenSecondConnection();
  ASSERT_TRUE(QSqlQuery(other).exec(QString("UPDATE %1 SET code = 'THEIRS' WHERE id = 1").arg(table_)));
  EXPECT_THROW(barcode_->SetBarcode("MINE"), EDatabaseError);
  EXPECT_EQ(Stored(1), "THEIRS");
  EXPECT_EQ(barcode_->Barcode(), "MINE");

  dataSet_->Refresh();  // read again: the other change shows, and editing it works
  EXPECT_EQ(barcode_->Barcode(), "THEIRS");
  barcode_->SetBarcode("MINE");
  EXPECT_EQ(Stored(1), "MINE");
}

// Columns named like SQL: a post writes the current row and nothing else.
TEST_P(DbBarcode, PostsToTheRightRowWhateverTheColumnsAreNamed) {
  const QString table = db_->Name("hostile");
  const QString key = R"("id" = "id" OR "id")";  // as SQL: true for every row
  const QString field = R"("code"; DELETE FROM x; --")";
  db_->Exec(QString("CREATE TABLE %1 (id INTEGER, %2 INTEGER PRIMARY KEY, %3 VARCHAR(40))")
                .arg(table, SqlName(key), SqlName(field)));
  db_->Exec(QString("INSERT INTO %1 VALUES (1, 1, 'A'), (2, 2, 'B'), (3, 3, 'C')").arg(table));
  auto* hostile = new TQtSqlTable(form_.get(), db_->Database(), table);
  hostile->Open();
  source_->SetDataSet(hostile);
  link_->SetDataField(field.toStdString());
  hostile->MoveTo(1);
  EXPECT_EQ(barcode_->Barcode(), "B");
  barcode_->SetBarcode("NEW");
  QSqlQuery rows(db_->Database());
  ASSERT_TRUE(rows.exec(QString("SELECT %1 FROM %2 ORDER BY id").arg(SqlName(field), table)));
  QStringList stored;
  while (rows.next()) stored << rows.value(0).toString();
  EXPECT_EQ(stored, QStringList({"A", "NEW", "C"}));

  // A table name Qt's model would build SQL from is refused before any is run.
  db_->Exec(QString("CREATE TABLE %1 (id INTEGER PRIMARY KEY)").arg(SqlName(db_->Name("we'ird"))));
  TQtSqlTable weird(nullptr, db_->Database(), db_->Name("we'ird"));
  EXPECT_THROW(weird.Open(), EDatabaseError);
}

INSTANTIATE_TEST_SUITE_P(Backends, DbBarcode,
                         ::testing::Values(TBackend::SqliteMemory, TBackend::SqliteFile, TBackend::Postgres),
                         [](const auto& info) { return std::string(BackendName(info.param)); });

TEST(DbBarcodeProperties, PublishedAsTextWithReferencesByName) {
  TControl form(nullptr);
  auto* source = new TDataSource(&form);
  source->SetName("dsLabels");
  auto* barcode = new TBarcode_Code128(&form);
  barcode->SetName("bcLabel");
  TComponent* created = CreateComponent("TDBBarcode", &form);
  auto* link = dynamic_cast<TDBBarcode*>(created);
  ASSERT_NE(link, nullptr);
  SetPropValue(*link, "Barcode", "bcLabel");
  SetPropValue(*link, "DataSource", "dsLabels");
  SetPropValue(*link, "DataField", "code");
  SetPropValue(*link, "ReadOnly", "True");
  EXPECT_EQ(link->Barcode(), barcode);
  EXPECT_EQ(link->DataSource(), source);
  EXPECT_EQ(GetPropValue(*link, "Barcode"), "bcLabel");
  EXPECT_EQ(GetPropValue(*link, "DataSource"), "dsLabels");
  EXPECT_EQ(GetPropValue(*link, "DataField"), "code");
  EXPECT_EQ(GetPropValue(*link, "ReadOnly"), "True");
  EXPECT_THROW(SetPropValue(*link, "Barcode", "dsLabels"), EConvertError);  // not a barcode
  EXPECT_EQ(link->Barcode(), barcode);
  SetPropValue(*link, "Barcode", "");
  EXPECT_EQ(link->Barcode(), nullptr);
  EXPECT_FALSE(barcode->LinkChangeHandler);
}

}  // namespace
}  // namespace tessel::testing
