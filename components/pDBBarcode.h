// TDBBarcode: keeps a barcode component's text in step with a field of a
// dataset. Moving to another record sets the barcode's text from the field;
// a new text typed into the barcode is written into the field and posted.
#pragma once

#include <memory>
#include <string>

#include "components/pBarcode.h"
#include "platform/Data.h"

namespace tessel {

class TDBBarcode : public TComponent {
  TESSEL_CLASS_INFO
 public:
  explicit TDBBarcode(TComponent* AOwner);
  ~TDBBarcode() override;

  // ---- published ----
  // The linked barcode component (not owned).
  TBarcode* Barcode() const { return barcode_; }
  void SetBarcode(TBarcode* Value);
  // The data source whose dataset holds the field (not owned).
  TDataSource* DataSource() const { return dataLink_->DataSource(); }
  void SetDataSource(TDataSource* Value);
  const std::string& DataField() const { return dataLink_->FieldName(); }
  void SetDataField(const std::string& Value) { dataLink_->SetFieldName(Value); }
  bool ReadOnly() const { return dataLink_->ReadOnly(); }
  void SetReadOnly(bool Value) { dataLink_->SetReadOnly(Value); }

  // ---- public ----
  // The linked field of the active dataset, or null.
  TField* Field() const { return dataLink_->Field(); }
  // The control's data link, for whoever asks a control for it.
  TFieldDataLink& DataLink() const { return *dataLink_; }

 protected:
  // The record or the field's value changed: the field's text becomes the barcode's.
  void DataChange();
  // The dataset is about to post: the barcode's text becomes the field's.
  void UpdateData();
  // The barcode's text changed: write it into the field and post at once.
  void BarcodeChanged(TObject* Sender);
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void PostKeepingBarcodeText(TDataSet& DataSet, bool StartedEditing);

  TBarcode* barcode_ = nullptr;
  std::unique_ptr<TFieldDataLink> dataLink_;
  // Set while a rejected post is undone, so the barcode keeps its new text.
  bool keepBarcodeText_ = false;
};

}  // namespace tessel
