#include "LabelWindow.h"

#include <QHeaderView>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVBoxLayout>

#include "symbologies/pCode128.h"

namespace tessel::examples {
namespace {

constexpr int PreviewWidth = 440;
constexpr int PreviewHeight = 170;
constexpr int PreviewModule = 2;
constexpr int PreviewMargin = 20;

struct TSampleLabel {
  const char* Name;
  const char* Code;
};
constexpr TSampleLabel SampleLabels[] = {
    {"Shelf A, bin 1", "TESSEL-0001"}, {"Shelf A, bin 2", "TESSEL-0002"}, {"Shelf B, bin 1", "TESSEL-0103"},
    {"Return desk", "RETURNS-77"},     {"Loading bay", "DOCK-4711"},
};

void Exec(QSqlQuery& query, const QString& sql) {
  if (!query.exec(sql)) throw EDatabaseError(("cannot create the labels: " + query.lastError().text()).toStdString());
}

}  // namespace

void CreateSampleLabels(QSqlDatabase& Database) {
  if (Database.tables().contains(LabelsTable)) return;
  QSqlQuery query(Database);
  Exec(query, QString("CREATE TABLE %1 (id INTEGER PRIMARY KEY, name VARCHAR(60) NOT NULL, %2 VARCHAR(40) NOT NULL)")
                  .arg(LabelsTable, CodeField));
  for (const TSampleLabel& label : SampleLabels) {
    query.prepare(QString("INSERT INTO %1 (name, %2) VALUES (?, ?)").arg(LabelsTable, CodeField));
    query.addBindValue(QString::fromLatin1(label.Name));
    query.addBindValue(QString::fromLatin1(label.Code));
    if (!query.exec()) throw EDatabaseError(("cannot create the labels: " + query.lastError().text()).toStdString());
  }
}

TLabelWindow::TLabelWindow(const QString& DatabasePath, QWidget* Parent)
    : QWidget(Parent), connection_("labels-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {
  setWindowTitle("Tessel labels");
  TDatabaseUrl url;
  url.Driver = "QSQLITE";
  url.DatabaseName = DatabasePath;
  database_ = OpenDatabase(url, connection_);
  CreateSampleLabels(database_);
  CreateComponents();
  BuildWidgets();
  LinkBarcodeToTable();
  if (table_->RecNo() >= 0) tblLabels_->selectRow(table_->RecNo());
  BarcodeChange();
}

// The table, its data source, the image and the Code 128 component it shows.
void TLabelWindow::CreateComponents() {
  form_ = std::make_unique<TControl>(nullptr);
  table_ = new TQtSqlTable(form_.get(), database_, LabelsTable);
  table_->Open();
  source_ = new TDataSource(form_.get());
  source_->SetDataSet(table_);
  image_ = new TImage(form_.get());
  barcode_ = new TBarcode_Code128(form_.get());
  barcode_->SetModule(PreviewModule);
  barcode_->SetLeftMargin(PreviewMargin);
  barcode_->SetTopMargin(PreviewMargin);
  barcode_->SetBarcodeHeight(PreviewHeight - 3 * PreviewMargin);
  barcode_->SetDisplayText(dtBarcode);
  barcode_->OnChange = [this](TObject*) { BarcodeChange(); };
}

// The label list, the preview, the text field and the status line, top to bottom.
void TLabelWindow::BuildWidgets() {
  tblLabels_ = new QTableView(this);
  tblLabels_->setModel(&table_->Model());
  tblLabels_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tblLabels_->setSelectionMode(QAbstractItemView::SingleSelection);
  tblLabels_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblLabels_->horizontalHeader()->setStretchLastSection(true);
  imgView_ = new TQtImageView(image_, this);
  imgView_->setFixedSize(PreviewWidth, PreviewHeight);
  // The view passes its size on when shown; the symbol is drawn before that.
  image_->SetBounds(PreviewWidth, PreviewHeight);
  edtCode_ = new QLineEdit(this);
  edtCode_->setPlaceholderText("Text of the selected label's barcode");
  labStatus_ = new QLabel(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tblLabels_);
  layout->addWidget(imgView_, 0, Qt::AlignHCenter);
  layout->addWidget(edtCode_);
  layout->addWidget(labStatus_);
}

// The barcode follows the selected record's code; edits go back to the table.
void TLabelWindow::LinkBarcodeToTable() {
  barcode_->SetImage(image_);
  link_ = new TDBBarcode(form_.get());
  link_->SetBarcode(barcode_);
  link_->SetDataSource(source_);
  link_->SetDataField(CodeField);

  connect(tblLabels_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) { tblLabelsCurrentChanged(current.row()); });
  connect(edtCode_, &QLineEdit::editingFinished, this, [this] { edtCodeEditingFinished(); });
}

TLabelWindow::~TLabelWindow() {
  imgView_->SetImage(nullptr);
  tblLabels_->setModel(nullptr);
  form_.reset();
  database_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connection_);
}

void TLabelWindow::tblLabelsCurrentChanged(int Row) {
  if (Row < 0 || Row == table_->RecNo()) return;
  try {
    table_->MoveTo(Row);
  } catch (const EDatabaseError& e) {
    labStatus_->setText(QString::fromStdString(e.what()));
  }
}

// The barcode's setter writes the row through the TDBBarcode; a rejected
// post keeps the text and shows the database's message.
void TLabelWindow::edtCodeEditingFinished() {
  const QString text = edtCode_->text();
  if (text.toLatin1() == QByteArray::fromStdString(barcode_->Barcode())) return;
  labStatus_->clear();
  try {
    barcode_->SetBarcode(text.toLatin1().toStdString());
  } catch (const EDatabaseError& e) {
    labStatus_->setText(QString::fromStdString(e.what()));
  }
  // Posting reads the table again; show the current row selected.
  if (table_->RecNo() >= 0) tblLabels_->selectRow(table_->RecNo());
}

void TLabelWindow::BarcodeChange() {
  const QString text = QString::fromLatin1(barcode_->Barcode());
  if (edtCode_->text() != text) edtCode_->setText(text);
}

}  // namespace tessel::examples
