// The dataset: the rows of one result, a current row, and the edit of that
// row.
//
// A dataset opens by asking its descendant for the whole result (every row
// is fetched), binds its fields to the result's columns and stands on the
// first row. First, Next, Prior, Last and MoveBy move the current row, in
// the server's order; Eof turns true when Next finds no further row (at once
// for an empty result). Edit copies the current row into an edit buffer that
// field writes change; Post hands the changed columns to the descendant to
// write and keeps them as the row's values; Cancel drops them. Moving to
// another row posts a pending edit that changed anything, and drops one that
// did not; closing drops it.
//
// Data sources (DataSource.h) are told of every change and pass it on to
// their data links.
//
// Classes in this file: TDataSet.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/db/DataEvents.h"
#include "platform/db/Fields.h"
#include "platform/db/MySqlClient.h"
#include "platform/db/UpdateStatement.h"
#include "platform/objects/Components.h"

class TDataSource;

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

class TDataSet : public TComponent {
  OBJECT_CLASS(TDataSet, TComponent)
public:
  ~TDataSet() override;

  bool Active() const { return m_state != TDataSetState::dsInactive; }
  void SetActive(bool active);
  // Does nothing when open. After a failure the dataset stays closed.
  void Open();
  // Does nothing when closed; drops a pending edit.
  void Close();
  TDataSetState State() const { return m_state; }

  // Navigation; each raises EDatabaseError on a closed dataset.
  void First();
  void Last();
  void Next();
  void Prior();
  // Moves up to 'distance' rows (negative: back) and answers how many it moved.
  int MoveBy(int distance);
  bool Bof() const { return m_bof; }
  bool Eof() const { return m_eof; }
  bool IsEmpty() const { return m_rows.empty(); }
  // The rows of the open result.
  int RecordCount() const;
  // The current row counted from 1; 0 when there is none.
  int RecNo() const;
  void SetRecNo(int recNo);

  // Raises "<name>: Dataset not in edit or insert mode" unless editing;
  // asks the data links to write their pending values into the fields.
  void UpdateRecord();
  void Edit();
  // Requires edit or insert state (UpdateRecord's message otherwise).
  void Post();
  // Does nothing unless the dataset is in edit or insert state.
  void Cancel();
  // Whether field writes changed the edit buffer since Edit.
  bool Modified() const;
  virtual bool CanModify() const { return false; }

  // The fields in column order (persistent ones in their declared order).
  int FieldCount() const { return static_cast<int>(m_fields.size()); }
  TField* Fields(int index) const;
  // The field of that name (ASCII case-insensitive), nil when none.
  TField* FindField(std::string_view fieldName) const;
  // As FindField; raises "<name>: Field '...' not found" when none.
  TField* FieldByName(std::string_view fieldName) const;

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

protected:
  explicit TDataSet(TComponent* owner) : TComponent(owner) {}

  // Runs before the result is asked for: checks and connects. The dataset
  // may have been opened meanwhile (by an event that the connecting fired);
  // Open then leaves it as it is.
  virtual void PrepareOpen() {}
  // The whole result to show.
  virtual TSqlResult OpenResult() = 0;
  // Writes the edited record; raises to keep the dataset in edit state.
  virtual void WriteRecord(const TRecordUpdate& update) = 0;
  // Whether field writes may change the column.
  virtual bool CanModifyColumn(int column) const;
  const std::vector<TSqlColumn>& Columns() const { return m_columns; }
  void CheckActive() const;

private:
  friend class TField;
  friend class TDataSource;
  friend class TDataLink;

  void AddField(TField* field);
  void RemoveField(TField* field);
  void AddDataSource(TDataSource* dataSource);
  void RemoveDataSource(TDataSource* dataSource);
  // The value of the active record's column; nothing when there is no
  // record.
  TSqlValueView ActiveValue(int column) const;
  void SetFieldValue(TField* field, TSqlValue value);
  // The row that field reads read: the current row unless a data link
  // reads another one of its window.
  int ActiveRecordIndex() const { return m_activeRow; }
  void SetActiveRecordIndex(int row);
  int CurrentIndex() const { return m_current; }

  void BindFields(const std::vector<TSqlColumn>& columns);
  void BindPersistentField(TField* field, const std::vector<TSqlColumn>& columns);
  void CreateDynamicFields(const std::vector<TSqlColumn>& columns);
  void DestroyDynamicFields();
  void UnbindFields();
  void CheckRequiredFields() const;
  void CheckBrowseMode();
  void MoveTo(int row, bool bof, bool eof);
  void SetState(TDataSetState state);
  void DataEvent(TDataEvent event, TField* field = nullptr);

  TDataSetState m_state = TDataSetState::dsInactive;
  std::vector<TSqlColumn> m_columns;
  std::vector<TSqlRow> m_rows;
  int m_current = -1;
  int m_activeRow = -1;
  bool m_bof = true;
  bool m_eof = true;
  TSqlRow m_editRow;
  std::vector<bool> m_assigned;
  std::vector<TField*> m_fields;
  std::vector<TField*> m_dynamicFields;
  std::vector<TDataSource*> m_dataSources;
};
