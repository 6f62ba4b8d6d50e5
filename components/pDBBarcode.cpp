#include "components/pDBBarcode.h"

namespace tessel {

TDBBarcode::TDBBarcode(TComponent* AOwner) : TComponent(AOwner), dataLink_(std::make_unique<TFieldDataLink>(this)) {
  dataLink_->OnDataChange = [this] { DataChange(); };
  dataLink_->OnUpdateData = [this] { UpdateData(); };
}

TDBBarcode::~TDBBarcode() {
  if (barcode_) barcode_->LinkChangeHandler = nullptr;
  dataLink_.reset();
}

void TDBBarcode::SetBarcode(TBarcode* Value) {
  if (barcode_) barcode_->LinkChangeHandler = nullptr;
  barcode_ = Value;
  if (barcode_) {
    barcode_->LinkChangeHandler = [this](TObject* sender) { BarcodeChanged(sender); };
    FreeNotification(barcode_);
  }
}

void TDBBarcode::SetDataSource(TDataSource* Value) {
  if (!(dataLink_->DataSourceFixed() && Loading())) dataLink_->SetDataSource(Value);
  if (Value) FreeNotification(Value);
}

void TDBBarcode::DataChange() {
  if (!barcode_ || keepBarcodeText_) return;
  const TField* field = Field();
  barcode_->SetBarcode(field ? field->Text() : std::string());
}

void TDBBarcode::UpdateData() {
  TField* field = Field();
  if (barcode_ && field) field->SetText(barcode_->Barcode());
}

void TDBBarcode::BarcodeChanged(TObject*) {
  if (Designing() || !barcode_) return;
  TField* field = Field();
  if (!field || field->Text() == barcode_->Barcode()) return;
  TDataSet& dataSet = field->DataSet();
  const bool wasEditing = dataSet.State() == TDataSetState::dsEdit;
  if (!dataLink_->Edit()) return;
  field->SetText(barcode_->Barcode());
  PostKeepingBarcodeText(dataSet, !wasEditing);
}

// Posts the record. When the database rejects it, the edit this component
// started is cancelled, so the rejected value is not posted later by
// accident, while the barcode keeps the text its caller set; the error
// then reaches that caller.
void TDBBarcode::PostKeepingBarcodeText(TDataSet& DataSet, bool StartedEditing) {
  try {
    DataSet.Post();
  } catch (...) {
    if (StartedEditing) {
      keepBarcodeText_ = true;
      try {
        DataSet.Cancel();
      } catch (...) {
        // The post's error is the one to report.
      }
      keepBarcodeText_ = false;
    }
    throw;
  }
}

void TDBBarcode::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove) return;
  if (AComponent == DataSource()) SetDataSource(nullptr);
  if (AComponent == barcode_) barcode_ = nullptr;
}

namespace {

// A published reference to a component of class T with the same owner,
// written as its name ("" for none).
template <class T, auto Getter, auto Setter>
TPropInfo PublishedReference(std::string_view name) {
  return TPropInfo{name,
                   TTypeKind::tkClass,
                   nullptr,
                   [](const TPersistent& o) {
                     const TComponent* c = (static_cast<const TDBBarcode&>(o).*Getter)();
                     return c ? c->Name() : std::string();
                   },
                   [](TPersistent& o, std::string_view text) {
                     auto& self = static_cast<TDBBarcode&>(o);
                     T* value = nullptr;
                     if (!text.empty()) {
                       TComponent* found = self.Owner() ? self.Owner()->FindComponent(text) : nullptr;
                       value = dynamic_cast<T*>(found);
                       if (!value)
                         throw EConvertError("no component named '" + std::string(text) + "' of class " +
                                             std::string(T::ClassInfo.Name));
                     }
                     (self.*Setter)(value);
                   },
                   T::ClassInfo.Name};
}

const TPropInfo dbBarcodeProperties[] = {
    PublishedReference<TBarcode, &TDBBarcode::Barcode, &TDBBarcode::SetBarcode>("Barcode"),
    PublishedReference<TDataSource, &TDBBarcode::DataSource, &TDBBarcode::SetDataSource>("DataSource"),
    Published<&TDBBarcode::DataField, &TDBBarcode::SetDataField>("DataField"),
    Published<&TDBBarcode::ReadOnly, &TDBBarcode::SetReadOnly>("ReadOnly"),
};

}  // namespace

const TClassInfo TDBBarcode::ClassInfo{"TDBBarcode", nullptr, dbBarcodeProperties, &NewComponent<TDBBarcode>};
TESSEL_REGISTER(TDBBarcode);

}  // namespace tessel
