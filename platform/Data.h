// The data services a data-aware component relies on: a dataset with a
// current record and its fields, a data source that connects a dataset to
// controls, and the field data link between one control and one field.
//
// TDataSet keeps the browse/edit state and tells its data sources about
// changes; a platform derives from it to reach a real database (see
// platform/qt/QtData.h). Errors of the database are thrown as EDatabaseError.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Component.h"
#include "platform/Reflection.h"

namespace tessel {

class EDatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TDataSetState { dsInactive, dsBrowse, dsEdit };

// What a dataset tells its data sources and their links.
enum class TDataEvent {
  deDataSetChange,  // opened, closed, moved to another record, posted or cancelled
  deFieldChange,    // one field of the current record got a new value
  deUpdateRecord,   // about to post: controls store their values
  deUpdateState,    // the state changed (browse <-> edit)
};

class TDataSet;
class TDataSource;

// One column of the dataset's current record.
class TField {
 public:
  explicit TField(TDataSet& DataSet, std::string FieldName) : dataSet_(DataSet), fieldName_(std::move(FieldName)) {}
  virtual ~TField() = default;
  TField(const TField&) = delete;
  TField& operator=(const TField&) = delete;

  TDataSet& DataSet() const { return dataSet_; }
  const std::string& FieldName() const { return fieldName_; }
  // The value as the user edits it ("" for NULL), one byte a character.
  virtual std::string Text() const = 0;
  // Stores a new value in the current record; the dataset must be editing.
  void SetText(const std::string& Value);
  virtual bool CanModify() const;

 protected:
  virtual void StoreText(const std::string& Value) = 0;

 private:
  TDataSet& dataSet_;
  std::string fieldName_;
};

// A dataset: rows of fields with a current record. Derived classes supply
// the fields and the database work (DoEdit, DoPost, DoCancel); this class
// keeps the state and raises the events in the order controls expect.
class TDataSet : public TComponent {
  TESSEL_CLASS_INFO
 public:
  explicit TDataSet(TComponent* AOwner) : TComponent(AOwner) {}
  ~TDataSet() override;

  TDataSetState State() const { return state_; }
  bool Active() const { return state_ != TDataSetState::dsInactive; }
  // The field named Name (case-insensitive), or null.
  virtual TField* FindField(const std::string& Name) const = 0;
  // True when the current record may be edited.
  virtual bool CanModify() const = 0;

  // Enters edit state; throws EDatabaseError when the dataset cannot be modified.
  void Edit();
  // Stores the controls' values and writes the record; on an error the
  // dataset stays in edit state with the new values and the error is thrown.
  void Post();
  // Leaves edit state and restores the record as it was.
  void Cancel();
  // Posts a pending edit (before moving or closing).
  void CheckBrowseMode();

  // Called by TField::SetText after a value was stored.
  void FieldChanged(TField& Field);

 protected:
  virtual void DoEdit() = 0;
  virtual void DoPost() = 0;
  virtual void DoCancel() = 0;
  // For derived classes: the dataset became active or inactive, or moved.
  void SetActive(bool Value);
  void RecordMoved() { DataEvent(TDataEvent::deDataSetChange, nullptr); }

 private:
  friend class TDataSource;
  void DataEvent(TDataEvent Event, TField* Field);
  void SetState(TDataSetState Value);

  TDataSetState state_ = TDataSetState::dsInactive;
  std::vector<TDataSource*> dataSources_;
};

// Connects a dataset to any number of field data links.
class TDataSource : public TComponent {
  TESSEL_CLASS_INFO
 public:
  explicit TDataSource(TComponent* AOwner) : TComponent(AOwner) {}
  ~TDataSource() override;

  TDataSet* DataSet() const { return dataSet_; }
  void SetDataSet(TDataSet* Value);

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TDataSet;
  friend class TFieldDataLink;
  void DataEvent(TDataEvent Event, TField* Field);

  TDataSet* dataSet_ = nullptr;
  std::vector<class TFieldDataLink*> links_;
};

// The link between a control and one field of a data source's dataset.
class TFieldDataLink {
 public:
  explicit TFieldDataLink(TComponent* Control) : control_(Control) {}
  ~TFieldDataLink();
  TFieldDataLink(const TFieldDataLink&) = delete;
  TFieldDataLink& operator=(const TFieldDataLink&) = delete;

  TComponent* Control() const { return control_; }
  TDataSource* DataSource() const { return dataSource_; }
  void SetDataSource(TDataSource* Value);
  // While loading a form, a fixed data source is not replaced.
  bool DataSourceFixed() const { return dataSourceFixed_; }
  void SetDataSourceFixed(bool Value) { dataSourceFixed_ = Value; }
  const std::string& FieldName() const { return fieldName_; }
  void SetFieldName(const std::string& Value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value) { readOnly_ = Value; }

  TDataSet* DataSet() const;
  bool Active() const;
  // The linked field of the active dataset, or null.
  TField* Field() const;
  // True when neither the link nor the field is read-only.
  bool CanModify() const;
  // Puts the dataset into edit state when the link may modify it; returns
  // whether the dataset is editing afterwards. Never throws for a read-only
  // link or dataset.
  bool Edit();

  // The record or the field's value changed; the control shows the field.
  std::function<void()> OnDataChange;
  // The dataset is about to post; the control stores its value.
  std::function<void()> OnUpdateData;

 private:
  friend class TDataSource;
  void DataEvent(TDataEvent Event, TField* Field);

  TComponent* control_;
  TDataSource* dataSource_ = nullptr;
  std::string fieldName_;
  bool readOnly_ = false;
  bool dataSourceFixed_ = false;
};

}  // namespace tessel
