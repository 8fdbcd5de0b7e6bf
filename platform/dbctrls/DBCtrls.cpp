#include "platform/dbctrls/DBCtrls.h"

#include "platform/rtl/FlagScope.h"

namespace {

constexpr char kBackspace = '\b';
constexpr char kPaste = '\x16';
constexpr char kCut = '\x18';
constexpr char kEscape = '\x1B';

// Whether a typed character changes the text: printable characters and the
// editing keys (Backspace, Ctrl+V, Ctrl+X).
bool ChangesText(char key) {
  return key == kBackspace || key == kPaste || key == kCut ||
         static_cast<unsigned char>(key) >= ' ';
}

} // namespace

void TDBEdit::Publish(TPublisher& p) {
  PublishEditProperties(p);
  p.Property("DataField", &TDBEdit::DataField, &TDBEdit::SetDataField);
  p.Property("DataSource", &TDBEdit::DataSource, &TDBEdit::SetDataSource);
  p.Property("ReadOnly", &TDBEdit::ReadOnly, &TDBEdit::SetReadOnly).Default(false);
  p.Property("OnChange", &TCustomEdit::OnChange, &TCustomEdit::SetOnChange);
}

TDBEdit::TDBEdit(TComponent* owner)
    : TCustomEdit(owner), m_dataLink(Create<TFieldDataLink>()) {
  m_dataLink->SetOnDataChange(TNotifyEvent(this, &TDBEdit::DataChange));
  m_dataLink->SetOnEditingChange(TNotifyEvent(this, &TDBEdit::EditingChange));
  m_dataLink->SetOnActiveChange(TNotifyEvent(this, &TDBEdit::ActiveChange));
  m_dataLink->SetOnUpdateData(TNotifyEvent(this, &TDBEdit::UpdateData));
  UpdateEditReadOnly();
}

TDBEdit::~TDBEdit() = default;

void TDBEdit::SetDataSource(TDataSource* dataSource) {
  m_dataLink->SetDataSourceOf(this, dataSource);
}

void TDBEdit::SetReadOnly(bool readOnly) {
  m_dataLink->SetReadOnly(readOnly);
  UpdateEditReadOnly();
}

void TDBEdit::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == DataSource())
    SetDataSource(nullptr);
}

// ---- following the field --------------------------------------------------

void TDBEdit::DataChange(TObject*) {
  if (ComponentState().Contains(TComponentStateItem::csDestroying))
    return;
  TField* field = m_dataLink->Field();
  if (field && field->DataType() == TFieldType::ftString && MaxLength() == 0) {
    SetMaxLength(field->Size());
    m_maxLengthFromField = true;
  }
  TFlagScope showing(m_showingField);
  SetText(field ? field->AsString() : std::string());
}

void TDBEdit::EditingChange(TObject*) { UpdateEditReadOnly(); }

void TDBEdit::ActiveChange(TObject*) {
  if (ComponentState().Contains(TComponentStateItem::csDestroying))
    return;
  if (!m_dataLink->Active() && m_maxLengthFromField) {
    SetMaxLength(0);
    m_maxLengthFromField = false;
  }
  UpdateEditReadOnly();
}

void TDBEdit::UpdateData(TObject*) {
  if (TField* field = m_dataLink->Field())
    field->SetAsString(Text());
}

void TDBEdit::UpdateEditReadOnly() { TCustomEdit::SetReadOnly(!m_dataLink->Editing()); }

// ---- input ----------------------------------------------------------------

bool TDBEdit::BeginInput() {
  if (m_dataLink->Edit())
    return true;
  ::MessageBeep(0);
  return false;
}

void TDBEdit::KeyDown(WORD& key, TShiftState shift) {
  inherited::KeyDown(key, shift);
  const bool deletes = key == VK_DELETE ||
                       (key == VK_INSERT && shift.Contains(TShiftStateItem::ssShift));
  if (deletes && !BeginInput())
    key = 0;
}

void TDBEdit::KeyPress(char& key) {
  inherited::KeyPress(key);
  if (key == kEscape) {
    m_dataLink->Reset();
    SelectAll();
    key = '\0';
  } else if (key != '\0' && ChangesText(key) && !BeginInput()) {
    key = '\0';
  }
}

void TDBEdit::Change() {
  if (!m_showingField)
    m_dataLink->Modified();
  inherited::Change();
}

void TDBEdit::DoExit() {
  try {
    m_dataLink->UpdateRecord();
  } catch (...) {
    SelectAll();
    SetFocus();
    throw;
  }
  inherited::DoExit();
}

void TDBEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_PASTE:
  case WM_CUT:
  case WM_CLEAR:
  case WM_UNDO:
  case EM_UNDO:
    if (BeginInput())
      inherited::Dispatch(message);
    break;
  default: inherited::Dispatch(message); break;
  }
}
