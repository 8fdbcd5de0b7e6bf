#include "platform/db/DataSet.h"

#include <algorithm>

#include "platform/db/DataSource.h"
#include "platform/db/DatabaseErrors.h"
#include "platform/rtl/AnsiStrings.h"

namespace {

template <class T> void EraseValue(std::vector<T*>& list, T* value) {
  list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

bool IsEditState(TDataSetState state) {
  return state == TDataSetState::dsEdit || state == TDataSetState::dsInsert;
}

} // namespace

TDataSet::~TDataSet() {
  Close();
  while (!m_dataSources.empty())
    m_dataSources.back()->SetDataSet(nullptr);
  DestroyDynamicFields();
  for (TField* field : m_fields)
    field->m_dataSet = nullptr;
}

// ---- Opening and closing --------------------------------------------------

void TDataSet::SetActive(bool active) {
  if (active)
    Open();
  else
    Close();
}

void TDataSet::Open() {
  if (Active())
    return;
  PrepareOpen();
  if (Active())
    return;
  TSqlResult result = OpenResult();
  BindFields(result.Columns);
  m_columns = std::move(result.Columns);
  m_rows = std::move(result.Rows);
  m_current = m_activeRow = m_rows.empty() ? -1 : 0;
  m_bof = true;
  m_eof = m_rows.empty();
  SetState(TDataSetState::dsBrowse);
}

void TDataSet::Close() {
  if (!Active())
    return;
  m_state = TDataSetState::dsInactive;
  m_editRow = TSqlRow();
  m_assigned.clear();
  m_rows.clear();
  m_columns.clear();
  m_current = m_activeRow = -1;
  m_bof = m_eof = true;
  DestroyDynamicFields();
  UnbindFields();
  DataEvent(TDataEvent::deUpdateState);
}

void TDataSet::BindFields(const std::vector<TSqlColumn>& columns) {
  if (m_fields.empty()) {
    CreateDynamicFields(columns);
    return;
  }
  try {
    for (TField* field : m_fields)
      BindPersistentField(field, columns);
  } catch (...) {
    UnbindFields();
    throw;
  }
}

void TDataSet::BindPersistentField(TField* field, const std::vector<TSqlColumn>& columns) {
  const auto found = std::find_if(columns.begin(), columns.end(), [&](const TSqlColumn& column) {
    return SameText(column.Name, field->FieldName());
  });
  if (found == columns.end())
    DatabaseErrorFmt(SFieldNotFound, {field->FieldName()}, this);
  if (field->DataType() != found->DataType)
    DatabaseErrorFmt(SFieldTypeMismatch, {field->FieldName(), FieldTypeName(field->DataType()),
                                          FieldTypeName(found->DataType)});
  const bool bytes =
      field->DataType() == TFieldType::ftBytes || field->DataType() == TFieldType::ftVarBytes;
  if (bytes && field->Size() != found->Size)
    DatabaseErrorFmt(SFieldSizeMismatch, {field->FieldName(), field->Size(), found->Size});
  field->m_column = static_cast<int>(found - columns.begin());
}

void TDataSet::CreateDynamicFields(const std::vector<TSqlColumn>& columns) {
  for (std::size_t i = 0; i < columns.size(); ++i) {
    TField* field = DefaultFieldClass(columns[i].DataType).Create(this);
    field->m_fieldName = columns[i].Name;
    field->m_size = columns[i].Size;
    field->m_required = columns[i].NotNull;
    field->m_column = static_cast<int>(i);
    AddField(field);
    m_dynamicFields.push_back(field);
  }
}

void TDataSet::DestroyDynamicFields() {
  while (!m_dynamicFields.empty())
    m_dynamicFields.back()->Free();
}

void TDataSet::UnbindFields() {
  for (TField* field : m_fields)
    field->m_column = -1;
}

void TDataSet::AddField(TField* field) {
  field->m_dataSet = this;
  m_fields.push_back(field);
}

void TDataSet::RemoveField(TField* field) {
  EraseValue(m_fields, field);
  EraseValue(m_dynamicFields, field);
  field->m_dataSet = nullptr;
  field->m_column = -1;
}

// ---- Navigation -----------------------------------------------------------

void TDataSet::CheckActive() const {
  if (!Active())
    DatabaseError(SDataSetClosed, this);
}

void TDataSet::First() {
  CheckActive();
  CheckBrowseMode();
  MoveTo(IsEmpty() ? -1 : 0, true, IsEmpty());
}

void TDataSet::Last() {
  CheckActive();
  CheckBrowseMode();
  MoveTo(RecordCount() - 1, IsEmpty(), true);
}

void TDataSet::Next() { MoveBy(1); }

void TDataSet::Prior() { MoveBy(-1); }

int TDataSet::MoveBy(int distance) {
  CheckActive();
  CheckBrowseMode();
  if (IsEmpty()) {
    MoveTo(-1, true, true);
    return 0;
  }
  const int target = std::clamp(m_current + distance, 0, RecordCount() - 1);
  const int moved = target - m_current;
  MoveTo(target, distance < 0 && moved != distance, distance > 0 && moved != distance);
  return moved;
}

int TDataSet::RecordCount() const {
  CheckActive();
  return static_cast<int>(m_rows.size());
}

int TDataSet::RecNo() const { return Active() ? m_current + 1 : 0; }

void TDataSet::SetRecNo(int recNo) {
  CheckActive();
  CheckBrowseMode();
  if (!IsEmpty())
    MoveTo(std::clamp(recNo, 1, RecordCount()) - 1, false, false);
}

void TDataSet::MoveTo(int row, bool bof, bool eof) {
  const bool moved = row != m_current;
  m_current = m_activeRow = row;
  m_bof = bof;
  m_eof = eof;
  if (moved)
    DataEvent(TDataEvent::deDataSetScroll);
}

void TDataSet::SetActiveRecordIndex(int row) {
  if (Active() && row >= 0 && row < static_cast<int>(m_rows.size()))
    m_activeRow = row;
}

// ---- Editing --------------------------------------------------------------

void TDataSet::CheckBrowseMode() {
  if (!IsEditState(m_state))
    return;
  UpdateRecord();
  if (Modified())
    Post();
  else
    Cancel();
}

void TDataSet::UpdateRecord() {
  if (!IsEditState(m_state))
    DatabaseError(SNotEditing, this);
  DataEvent(TDataEvent::deUpdateRecord);
}

void TDataSet::Edit() {
  if (IsEditState(m_state))
    return;
  CheckActive();
  if (IsEmpty())
    DatabaseError(SDataSetEmpty, this);
  if (!CanModify())
    DatabaseError(SDataSetReadOnly, this);
  m_activeRow = m_current;
  m_editRow = m_rows[m_current];
  m_assigned.assign(m_columns.size(), false);
  SetState(TDataSetState::dsEdit);
}

void TDataSet::Post() {
  UpdateRecord();
  CheckRequiredFields();
  if (Modified())
    WriteRecord({m_columns, m_rows[m_current], m_editRow, m_assigned});
  m_rows[m_current] = std::move(m_editRow);
  m_editRow = TSqlRow();
  m_assigned.clear();
  SetState(TDataSetState::dsBrowse);
  DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::Cancel() {
  if (!IsEditState(m_state))
    return;
  m_editRow = TSqlRow();
  m_assigned.clear();
  SetState(TDataSetState::dsBrowse);
  DataEvent(TDataEvent::deDataSetChange);
}

bool TDataSet::Modified() const {
  return std::find(m_assigned.begin(), m_assigned.end(), true) != m_assigned.end();
}

void TDataSet::CheckRequiredFields() const {
  for (const TField* field : m_fields)
    if (field->Required() && field->m_column >= 0 && !m_editRow[field->m_column])
      DatabaseErrorFmt(SFieldRequired, {field->FieldName()});
}

bool TDataSet::CanModifyColumn(int) const { return false; }

TSqlValueView TDataSet::ActiveValue(int column) const {
  if (m_activeRow < 0 || column < 0 || column >= static_cast<int>(m_columns.size()))
    return std::nullopt;
  if (IsEditState(m_state) && m_activeRow == m_current)
    return m_editRow[column];
  return m_rows[m_activeRow][column];
}

void TDataSet::SetFieldValue(TField* field, TSqlValue value) {
  if (!IsEditState(m_state))
    DatabaseError(SNotEditing, this);
  const int column = field->m_column;
  if (column < 0 || !CanModifyColumn(column))
    DatabaseErrorFmt(SFieldReadOnly, {field->FieldName()});
  m_editRow.Set(column, value);
  m_assigned[column] = true;
  DataEvent(TDataEvent::deFieldChange, field);
}

// ---- Fields ---------------------------------------------------------------

TField* TDataSet::Fields(int index) const {
  if (index < 0 || index >= FieldCount())
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return m_fields[index];
}

TField* TDataSet::FindField(std::string_view fieldName) const {
  for (TField* field : m_fields)
    if (SameText(field->FieldName(), fieldName))
      return field;
  return nullptr;
}

TField* TDataSet::FieldByName(std::string_view fieldName) const {
  TField* field = FindField(fieldName);
  if (!field)
    DatabaseErrorFmt(SFieldNotFound, {fieldName}, this);
  return field;
}

void TDataSet::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TField* field : m_fields)
    if (field->Owner() == root &&
        std::find(m_dynamicFields.begin(), m_dynamicFields.end(), field) == m_dynamicFields.end())
      proc(field);
}

// ---- Notification ---------------------------------------------------------

void TDataSet::SetState(TDataSetState state) {
  if (state == m_state)
    return;
  m_state = state;
  DataEvent(TDataEvent::deUpdateState);
}

void TDataSet::AddDataSource(TDataSource* dataSource) { m_dataSources.push_back(dataSource); }

void TDataSet::RemoveDataSource(TDataSource* dataSource) { EraseValue(m_dataSources, dataSource); }

void TDataSet::DataEvent(TDataEvent event, TField* field) {
  const std::vector<TDataSource*> dataSources = m_dataSources;
  for (TDataSource* dataSource : dataSources)
    dataSource->DataEvent(event, field);
}
