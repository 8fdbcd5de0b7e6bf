// The link between a dataset and the controls that show it.
//
// A data source connects to one dataset and passes what the dataset tells it
// on to its data links. A data link is the part of a control that follows
// the dataset: it is told when the dataset opens or closes, when editing
// begins or ends, when the rows or the current row change, when a field is
// written, and when the dataset wants pending values written back
// (UpdateRecord, which Post runs first). A link keeps a window of
// BufferCount rows around the current row, so that a grid can read the rows
// it shows through ActiveRecord. A field data link follows one field by
// name.
//
// Classes in this file: TDataSource, TDataLink, TFieldDataLink.
#pragma once

#include <string>
#include <vector>

#include "platform/db/DataEvents.h"
#include "platform/db/DataSet.h"
#include "platform/objects/Components.h"
#include "platform/objects/Events.h"

class TDataLink;

class TDataSource : public TComponent {
  OBJECT_CLASS(TDataSource, TComponent)
public:
  static void Publish(TPublisher& publisher);

  explicit TDataSource(TComponent* owner) : TComponent(owner) {}
  ~TDataSource() override;

  TDataSet* DataSet() const { return m_dataSet; }
  void SetDataSet(TDataSet* dataSet);
  // Whether controls may put the dataset into edit state (Edit).
  bool AutoEdit() const { return m_autoEdit; }
  void SetAutoEdit(bool autoEdit);
  // The dataset's state; dsInactive without one.
  TDataSetState State() const;
  // Puts the dataset into edit state when AutoEdit allows and it is browsing.
  void Edit();

private:
  friend class TDataLink;
  friend class TDataSet;

  void AddDataLink(TDataLink* link);
  void RemoveDataLink(TDataLink* link);
  void DataEvent(TDataEvent event, TField* field);

  TDataSet* m_dataSet = nullptr;
  bool m_autoEdit = true;
  std::vector<TDataLink*> m_links;
};

class TDataLink : public TPersistent {
  OBJECT_CLASS(TDataLink, TPersistent)
public:
  TDataLink() = default;
  ~TDataLink() override;

  TDataSource* DataSource() const { return m_dataSource; }
  void SetDataSource(TDataSource* dataSource);
  // SetDataSource for a control that owns the link: the control is told
  // when the new data source is freed, and no longer by the old one.
  void SetDataSourceOf(TComponent* control, TDataSource* dataSource);
  TDataSet* DataSet() const { return m_dataSource ? m_dataSource->DataSet() : nullptr; }
  // The dataset is open.
  bool Active() const { return m_active; }
  // The dataset is in edit or insert state (and the link is not read-only).
  bool Editing() const { return m_editing; }
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool readOnly);
  // Puts the dataset into edit state through the data source (AutoEdit) and
  // answers Editing.
  bool Edit();
  // Writes the link's pending value into its field.
  void UpdateRecord();

  // The window of rows the link shows: BufferCount rows (at least 1) that
  // hold the current row and are as full as the rows allow.
  int BufferCount() const { return m_bufferCount; }
  void SetBufferCount(int count);
  // The rows of the window that exist.
  int RecordCount() const;
  // The row of the window that fields read, counted from 0: the current row
  // unless set to another one (until the dataset moves).
  int ActiveRecord() const;
  void SetActiveRecord(int record);
  // Moves the dataset's current row; answers how far it moved.
  int MoveBy(int distance);

protected:
  virtual void ActiveChanged() {}
  virtual void EditingChanged() {}
  // The rows changed; the base tells RecordChanged(nil).
  virtual void DataSetChanged() { RecordChanged(nullptr); }
  // The current row moved and the window moved 'distance' rows (positive:
  // toward later rows); the base tells DataSetChanged.
  virtual void DataSetScrolled(int distance);
  // 'field' (nil: any field of the current record) changed.
  virtual void RecordChanged(TField*) {}
  virtual void UpdateData() {}

private:
  friend class TDataSource;

  void DataEvent(TDataEvent event, TField* field);
  void UpdateState();
  // Moves the window to hold the current row; answers how far it moved.
  int UpdateWindow();

  TDataSource* m_dataSource = nullptr;
  bool m_active = false;
  bool m_editing = false;
  bool m_readOnly = false;
  bool m_updating = false;
  int m_bufferCount = 1;
  int m_firstRow = 0;
};

class TFieldDataLink : public TDataLink {
  OBJECT_CLASS(TFieldDataLink, TDataLink)
public:
  const std::string& FieldName() const { return m_fieldName; }
  void SetFieldName(const std::string& fieldName);
  // The dataset's field of that name while the dataset is open, else nil.
  TField* Field() const { return m_field; }
  // The link may write its field: not read-only, and the dataset may modify.
  bool CanModify() const;
  // Marks the control's value as changed, to be written back by UpdateData.
  void Modified() { m_modified = true; }
  // Drops a pending change and tells OnDataChange to show the field again.
  void Reset();
  bool Edit();

  const TNotifyEvent& OnDataChange() const { return m_onDataChange; }
  void SetOnDataChange(TNotifyEvent handler) { m_onDataChange = std::move(handler); }
  const TNotifyEvent& OnEditingChange() const { return m_onEditingChange; }
  void SetOnEditingChange(TNotifyEvent handler) { m_onEditingChange = std::move(handler); }
  const TNotifyEvent& OnUpdateData() const { return m_onUpdateData; }
  void SetOnUpdateData(TNotifyEvent handler) { m_onUpdateData = std::move(handler); }
  const TNotifyEvent& OnActiveChange() const { return m_onActiveChange; }
  void SetOnActiveChange(TNotifyEvent handler) { m_onActiveChange = std::move(handler); }

protected:
  void ActiveChanged() override;
  void EditingChanged() override;
  void RecordChanged(TField* field) override;
  void UpdateData() override;

private:
  void UpdateField();

  std::string m_fieldName;
  TField* m_field = nullptr;
  bool m_modified = false;
  TNotifyEvent m_onDataChange;
  TNotifyEvent m_onEditingChange;
  TNotifyEvent m_onUpdateData;
  TNotifyEvent m_onActiveChange;
};
