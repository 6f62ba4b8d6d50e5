#include "platform/Data.h"

#include <algorithm>

namespace tessel {

// ---- TField ----------------------------------------------------------------

void TField::SetText(const std::string& Value) {
  if (dataSet_.State() != TDataSetState::dsEdit)
    throw EDatabaseError("field '" + fieldName_ + "' cannot be changed: the dataset is not in edit state");
  StoreText(Value);
  dataSet_.FieldChanged(*this);
}

bool TField::CanModify() const { return dataSet_.CanModify(); }

// ---- TDataSet --------------------------------------------------------------

TDataSet::~TDataSet() {
  // Detach the data sources now: once this destructor has run, the
  // component base's notification would reach them too late.
  const std::vector<TDataSource*> sources = std::move(dataSources_);
  for (TDataSource* source : sources) {
    source->dataSet_ = nullptr;
    source->DataEvent(TDataEvent::deDataSetChange, nullptr);
  }
}

void TDataSet::Edit() {
  if (state_ == TDataSetState::dsEdit) return;
  if (!Active()) throw EDatabaseError("cannot edit a closed dataset");
  if (!CanModify()) throw EDatabaseError("cannot modify a read-only dataset");
  DoEdit();
  SetState(TDataSetState::dsEdit);
}

void TDataSet::Post() {
  if (state_ != TDataSetState::dsEdit) return;
  DataEvent(TDataEvent::deUpdateRecord, nullptr);
  DoPost();
  SetState(TDataSetState::dsBrowse);
  DataEvent(TDataEvent::deDataSetChange, nullptr);
}

void TDataSet::Cancel() {
  if (state_ != TDataSetState::dsEdit) return;
  DoCancel();
  SetState(TDataSetState::dsBrowse);
  DataEvent(TDataEvent::deDataSetChange, nullptr);
}

void TDataSet::CheckBrowseMode() {
  if (state_ == TDataSetState::dsEdit) Post();
}

void TDataSet::FieldChanged(TField& Field) { DataEvent(TDataEvent::deFieldChange, &Field); }

void TDataSet::SetActive(bool Value) {
  state_ = Value ? TDataSetState::dsBrowse : TDataSetState::dsInactive;
  DataEvent(TDataEvent::deDataSetChange, nullptr);
}

void TDataSet::SetState(TDataSetState Value) {
  if (state_ == Value) return;
  state_ = Value;
  DataEvent(TDataEvent::deUpdateState, nullptr);
}

void TDataSet::DataEvent(TDataEvent Event, TField* Field) {
  // A handler may detach a data source; walk a copy.
  const std::vector<TDataSource*> sources = dataSources_;
  for (TDataSource* source : sources)
    if (std::find(dataSources_.begin(), dataSources_.end(), source) != dataSources_.end())
      source->DataEvent(Event, Field);
}

const TClassInfo TDataSet::ClassInfo{"TDataSet", nullptr, {}, nullptr};

// ---- TDataSource -----------------------------------------------------------

TDataSource::~TDataSource() {
  SetDataSet(nullptr);
  const std::vector<TFieldDataLink*> links = std::move(links_);
  for (TFieldDataLink* link : links) {
    link->dataSource_ = nullptr;
    link->DataEvent(TDataEvent::deDataSetChange, nullptr);
  }
}

void TDataSource::SetDataSet(TDataSet* Value) {
  if (dataSet_ == Value) return;
  if (dataSet_) std::erase(dataSet_->dataSources_, this);
  dataSet_ = Value;
  if (dataSet_) {
    dataSet_->dataSources_.push_back(this);
    FreeNotification(dataSet_);
  }
  DataEvent(TDataEvent::deDataSetChange, nullptr);
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == dataSet_) SetDataSet(nullptr);
}

void TDataSource::DataEvent(TDataEvent Event, TField* Field) {
  const std::vector<TFieldDataLink*> links = links_;
  for (TFieldDataLink* link : links)
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->DataEvent(Event, Field);
}

const TClassInfo TDataSource::ClassInfo{"TDataSource", nullptr, {}, nullptr};

// ---- TFieldDataLink --------------------------------------------------------

TFieldDataLink::~TFieldDataLink() {
  if (dataSource_) std::erase(dataSource_->links_, this);
}

void TFieldDataLink::SetDataSource(TDataSource* Value) {
  if (dataSource_ == Value) return;
  if (dataSource_) std::erase(dataSource_->links_, this);
  dataSource_ = Value;
  if (dataSource_) dataSource_->links_.push_back(this);
  DataEvent(TDataEvent::deDataSetChange, nullptr);
}

void TFieldDataLink::SetFieldName(const std::string& Value) {
  if (fieldName_ == Value) return;
  fieldName_ = Value;
  DataEvent(TDataEvent::deDataSetChange, nullptr);
}

TDataSet* TFieldDataLink::DataSet() const { return dataSource_ ? dataSource_->DataSet() : nullptr; }

bool TFieldDataLink::Active() const {
  const TDataSet* dataSet = DataSet();
  return dataSet && dataSet->Active();
}

TField* TFieldDataLink::Field() const {
  if (!Active() || fieldName_.empty()) return nullptr;
  return DataSet()->FindField(fieldName_);
}

bool TFieldDataLink::CanModify() const {
  const TField* field = Field();
  return !readOnly_ && field && field->CanModify();
}

bool TFieldDataLink::Edit() {
  if (!CanModify()) return false;
  TDataSet* dataSet = DataSet();
  dataSet->Edit();
  return dataSet->State() == TDataSetState::dsEdit;
}

void TFieldDataLink::DataEvent(TDataEvent Event, TField* Field) {
  switch (Event) {
    case TDataEvent::deDataSetChange:
      if (OnDataChange) OnDataChange();
      break;
    case TDataEvent::deFieldChange:
      // Only a change of this link's own field concerns the control.
      if (Field && Field == this->Field() && OnDataChange) OnDataChange();
      break;
    case TDataEvent::deUpdateRecord:
      if (OnUpdateData && Field == nullptr && this->Field()) OnUpdateData();
      break;
    case TDataEvent::deUpdateState: break;
  }
}

}  // namespace tessel
