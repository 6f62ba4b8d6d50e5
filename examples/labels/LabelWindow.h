// The label example's window: a table of labels and a preview drawn by a
// barcode component bound to the table's "code" field through a TDBBarcode.
// Selecting a row shows its symbol; editing the text below the preview
// writes the row back.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QTableView>
#include <QWidget>
#include <memory>

#include "components/pDBBarcode.h"
#include "platform/Image.h"
#include "platform/qt/QtData.h"
#include "platform/qt/QtImageView.h"

namespace tessel::examples {

// The labels table: created with sample rows when the database has none.
inline constexpr const char* LabelsTable = "labels";
inline constexpr const char* CodeField = "code";

class TLabelWindow : public QWidget {
 public:
  // Opens (or creates) the SQLite database at DatabasePath; throws
  // EDatabaseError when it cannot be opened.
  explicit TLabelWindow(const QString& DatabasePath, QWidget* Parent = nullptr);
  ~TLabelWindow() override;

  QTableView& tblLabels() { return *tblLabels_; }
  QLineEdit& edtCode() { return *edtCode_; }
  QLabel& labStatus() { return *labStatus_; }
  TImage& imgPreview() { return *image_; }
  TBarcode& Barcode() { return *barcode_; }
  TQtSqlTable& Table() { return *table_; }

 private:
  void CreateComponents();
  void BuildWidgets();
  void LinkBarcodeToTable();
  void tblLabelsCurrentChanged(int Row);
  void edtCodeEditingFinished();
  void BarcodeChange();

  QString connection_;
  QSqlDatabase database_;
  // Owns the table, data source, barcode, link and image.
  std::unique_ptr<TControl> form_;
  TQtSqlTable* table_ = nullptr;
  TDataSource* source_ = nullptr;
  TBarcode* barcode_ = nullptr;
  TDBBarcode* link_ = nullptr;
  TImage* image_ = nullptr;

  QTableView* tblLabels_ = nullptr;
  TQtImageView* imgView_ = nullptr;
  QLineEdit* edtCode_ = nullptr;
  QLabel* labStatus_ = nullptr;
};

// Creates the labels table with sample rows when it is missing.
void CreateSampleLabels(QSqlDatabase& Database);

}  // namespace tessel::examples
