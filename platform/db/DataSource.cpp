#include "platform/db/DataSource.h"

#include <algorithm>

#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/FlagScope.h"

namespace {

bool IsEditState(TDataSetState state) {
  return state == TDataSetState::dsEdit || state == TDataSetState::dsInsert;
}

} // namespace

// ---- TDataSource ----------------------------------------------------------

void TDataSource::Publish(TPublisher& publisher) {
  publisher.Property("AutoEdit", &TDataSource::AutoEdit, &TDataSource::SetAutoEdit).Default(true);
  publisher.Property("DataSet", &TDataSource::DataSet, &TDataSource::SetDataSet);
}

TDataSource::~TDataSource() {
  SetDataSet(nullptr);
  while (!m_links.empty())
    m_links.back()->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
  if (dataSet == m_dataSet)
    return;
  if (m_dataSet)
    m_dataSet->RemoveDataSource(this);
  m_dataSet = dataSet;
  if (m_dataSet)
    m_dataSet->AddDataSource(this);
  DataEvent(TDataEvent::deUpdateState, nullptr);
}

void TDataSource::SetAutoEdit(bool autoEdit) { m_autoEdit = autoEdit; }

TDataSetState TDataSource::State() const {
  return m_dataSet ? m_dataSet->State() : TDataSetState::dsInactive;
}

void TDataSource::Edit() {
  if (m_autoEdit && State() == TDataSetState::dsBrowse)
    m_dataSet->Edit();
}

void TDataSource::AddDataLink(TDataLink* link) { m_links.push_back(link); }

void TDataSource::RemoveDataLink(TDataLink* link) {
  m_links.erase(std::remove(m_links.begin(), m_links.end(), link), m_links.end());
}

void TDataSource::DataEvent(TDataEvent event, TField* field) {
  const std::vector<TDataLink*> links = m_links;
  for (TDataLink* link : links)
    if (std::find(m_links.begin(), m_links.end(), link) != m_links.end())
      link->DataEvent(event, field);
}

// ---- TDataLink ------------------------------------------------------------

TDataLink::~TDataLink() {
  if (m_dataSource)
    m_dataSource->RemoveDataLink(this);
}

void TDataLink::SetDataSource(TDataSource* dataSource) {
  if (dataSource == m_dataSource)
    return;
  if (m_dataSource)
    m_dataSource->RemoveDataLink(this);
  m_dataSource = dataSource;
  if (m_dataSource)
    m_dataSource->AddDataLink(this);
  UpdateState();
}

void TDataLink::SetDataSourceOf(TComponent* control, TDataSource* dataSource) {
  TDataSource* old = m_dataSource;
  if (old == dataSource)
    return;
  if (old)
    old->RemoveFreeNotification(control);
  SetDataSource(dataSource);
  if (dataSource)
    dataSource->FreeNotification(control);
}

void TDataLink::SetReadOnly(bool readOnly) {
  if (readOnly == m_readOnly)
    return;
  m_readOnly = readOnly;
  UpdateState();
}

bool TDataLink::Edit() {
  if (!m_readOnly && m_dataSource)
    m_dataSource->Edit();
  return m_editing;
}

void TDataLink::UpdateRecord() {
  const TFlagScope updating(m_updating);
  UpdateData();
}

void TDataLink::SetBufferCount(int count) {
  m_bufferCount = std::max(1, count);
  UpdateWindow();
}

int TDataLink::RecordCount() const {
  if (!m_active)
    return 0;
  return std::clamp(DataSet()->RecordCount() - m_firstRow, 0, m_bufferCount);
}

int TDataLink::ActiveRecord() const {
  if (!m_active || DataSet()->ActiveRecordIndex() < 0)
    return 0;
  return DataSet()->ActiveRecordIndex() - m_firstRow;
}

void TDataLink::SetActiveRecord(int record) {
  if (m_active)
    DataSet()->SetActiveRecordIndex(m_firstRow + record);
}

int TDataLink::MoveBy(int distance) {
  TDataSet* dataSet = DataSet();
  return dataSet ? dataSet->MoveBy(distance) : 0;
}

void TDataLink::DataSetScrolled(int) { DataSetChanged(); }

void TDataLink::DataEvent(TDataEvent event, TField* field) {
  if (event == TDataEvent::deUpdateState) {
    UpdateState();
    return;
  }
  if (!m_active)
    return;
  switch (event) {
  case TDataEvent::deFieldChange:
    RecordChanged(field);
    break;
  case TDataEvent::deRecordChange:
    RecordChanged(nullptr);
    break;
  case TDataEvent::deDataSetChange:
    UpdateWindow();
    DataSetChanged();
    break;
  case TDataEvent::deDataSetScroll:
    DataSetScrolled(UpdateWindow());
    break;
  case TDataEvent::deUpdateRecord:
    if (!m_updating)
      UpdateRecord();
    break;
  case TDataEvent::deUpdateState:
    break;
  }
}

void TDataLink::UpdateState() {
  TDataSet* dataSet = DataSet();
  const bool active = dataSet && dataSet->Active();
  const bool editing = active && !m_readOnly && IsEditState(dataSet->State());
  if (active != m_active) {
    m_active = active;
    m_firstRow = 0;
    UpdateWindow();
    ActiveChanged();
  }
  if (editing != m_editing) {
    m_editing = editing;
    EditingChanged();
  }
}

int TDataLink::UpdateWindow() {
  if (!m_active)
    return 0;
  const TDataSet* dataSet = DataSet();
  const int current = dataSet->CurrentIndex();
  const int previous = m_firstRow;
  if (current >= 0 && current < m_firstRow)
    m_firstRow = current;
  else if (current >= m_firstRow + m_bufferCount)
    m_firstRow = current - m_bufferCount + 1;
  m_firstRow = std::max(0, std::min(m_firstRow, dataSet->RecordCount() - m_bufferCount));
  return m_firstRow - previous;
}

// ---- TFieldDataLink -------------------------------------------------------

void TFieldDataLink::SetFieldName(const std::string& fieldName) {
  if (fieldName == m_fieldName)
    return;
  m_fieldName = fieldName;
  UpdateField();
  RecordChanged(nullptr);
}

bool TFieldDataLink::CanModify() const {
  return !ReadOnly() && m_field && DataSet() && DataSet()->CanModify();
}

void TFieldDataLink::Reset() { RecordChanged(nullptr); }

bool TFieldDataLink::Edit() {
  if (CanModify())
    TDataLink::Edit();
  return Editing();
}

void TFieldDataLink::UpdateField() {
  m_field = Active() && !m_fieldName.empty() ? DataSet()->FindField(m_fieldName) : nullptr;
}

void TFieldDataLink::ActiveChanged() {
  UpdateField();
  RecordChanged(nullptr);
  if (m_onActiveChange)
    m_onActiveChange(this);
}

void TFieldDataLink::EditingChanged() {
  if (m_onEditingChange)
    m_onEditingChange(this);
}

void TFieldDataLink::RecordChanged(TField* field) {
  if (field && field != m_field)
    return;
  m_modified = false;
  if (m_onDataChange)
    m_onDataChange(this);
}

void TFieldDataLink::UpdateData() {
  if (!m_modified)
    return;
  if (m_onUpdateData)
    m_onUpdateData(this);
  m_modified = false;
}
