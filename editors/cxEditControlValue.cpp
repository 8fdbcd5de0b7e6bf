// The editor's value pipeline: editing permission, setting the edit value,
// validation, posting, reset, the steps run on entering and leaving the
// editor, and the change events.
//
// Every lock taken here (change events, the modified-state stack, the
// keyboard-action flag, the click lock) is a scope guard, so a handler or a
// validation that raises leaves no event held back for good and no saved
// modified state behind.
#include "editors/cxEditControl.h"

#include "editors/cxEditDataBinding.h"
#include "framework/cxControlsUtils.h"
#include "platform/controls/Application.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/FlagScope.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

// Sets a flag for a scope and gives it back its earlier value afterwards.
class TFlagValueScope {
public:
  TFlagValueScope(bool& AFlag, bool AValue) : m_flag(AFlag), m_saved(AFlag) { m_flag = AValue; }
  ~TFlagValueScope() { m_flag = m_saved; }
  TFlagValueScope(const TFlagValueScope&) = delete;
  TFlagValueScope& operator=(const TFlagValueScope&) = delete;

private:
  bool& m_flag;
  bool m_saved;
};

void Beep() { ::MessageBeep(MB_OK); }

} // namespace

// ---------------------------------------------------------------------------
// Change events

void TcxCustomEdit::LockChangeEvents(bool ALock, bool AInvokeChangedOnUnlock) {
  m_changeEventsCatcher->Lock(ALock, AInvokeChangedOnUnlock);
}

bool TcxCustomEdit::AreChangeEventsSuppressed() { return IsLoading() || IsDestroying(); }

bool TcxCustomEdit::IsOnChangeEventAssigned() {
  return static_cast<bool>(m_properties->OnChange()) ||
         static_cast<bool>(GetActiveProperties()->OnChange());
}

bool TcxCustomEdit::IsOnEditValueChangedEventAssigned() {
  return static_cast<bool>(m_properties->OnEditValueChanged()) ||
         static_cast<bool>(GetActiveProperties()->OnEditValueChanged());
}

bool TcxCustomEdit::IsOnValidateEventAssigned() {
  return static_cast<bool>(m_properties->OnValidate()) ||
         static_cast<bool>(GetActiveProperties()->OnValidate());
}

// The own properties' handler first, then the repository item's.
void TcxCustomEdit::DoOnChange() {
  TControlLife life(this);
  if (const TNotifyEvent handler = m_properties->OnChange())
    handler(this);
  if (!life || !m_repositoryItem)
    return;
  if (const TNotifyEvent handler = GetActiveProperties()->OnChange())
    handler(this);
}

void TcxCustomEdit::DoOnEditValueChanged() {
  TControlLife life(this);
  if (const TNotifyEvent handler = m_properties->OnEditValueChanged())
    handler(this);
  if (!life || !m_repositoryItem)
    return;
  if (const TNotifyEvent handler = GetActiveProperties()->OnEditValueChanged())
    handler(this);
}

void TcxCustomEdit::DoOnValidate(Variant& DisplayValue, std::string& ErrorText, bool& Error) {
  if (const TcxEditValidateEvent handler = m_properties->OnValidate())
    handler(this, DisplayValue, ErrorText, Error);
  if (!m_repositoryItem)
    return;
  if (const TcxEditValidateEvent handler = GetActiveProperties()->OnValidate())
    handler(this, DisplayValue, ErrorText, Error);
}

void TcxCustomEdit::DoChange() {
  if (AreChangeEventsSuppressed())
    return;
  if (IsOnChangeEventAssigned()) {
    if (AreChangeEventsLocked()) {
      m_changeEventsCatcher->HoldOnChange();
    } else if (m_isInplace) {
      TcxEditModifiedStateScope modified(m_flags);
      SetModified(true);
      SetModifiedAfterEnter(true);
      DoOnChange();
    } else {
      DoOnChange();
    }
  }
  TcxCustomEditProperties* properties = GetActiveProperties();
  if (!properties->HasDisplayValue() && !properties->CanCompareEditValue())
    DoEditValueChanged();
}

void TcxCustomEdit::DoEditValueChanged() {
  if (AreChangeEventsSuppressed() || !IsOnEditValueChangedEventAssigned())
    return;
  if (AreChangeEventsLocked()) {
    m_changeEventsCatcher->HoldOnEditValueChanged();
  } else if (m_isInplace) {
    TcxEditModifiedStateScope modified(m_flags);
    SetModified(true);
    SetModifiedAfterEnter(true);
    DoOnEditValueChanged();
  } else {
    DoOnEditValueChanged();
  }
}

void TcxCustomEdit::ChangeHandler(TObject*) {
  if (Focused())
    SetModifiedAfterEnter(true);
  else
    m_dataBinding->SetModified();
  DoChange();
}

// ---------------------------------------------------------------------------
// Editing permission and key validation

bool TcxCustomEdit::DoEditing() {
  if (!InternalDoEditing())
    return false;
  if (m_dataBinding->GetModified())
    return true;
  bool result;
  {
    TFlagScope setting(m_editModeSetting);
    result = CanModify();
  }
  if (m_isInplace) {
    if (result && m_onEditing) {
      LockEditValueChanging(true);
      TScopeExit unlock([this] { LockEditValueChanging(false); });
      m_onEditing(this, result);
    }
    return result;
  }
  if (result && m_onEditing)
    m_onEditing(this, result);
  if (result) {
    LockEditValueChanging(true);
    TScopeExit unlock([this] { LockEditValueChanging(false); });
    result = m_dataBinding->SetEditMode();
  }
  return result;
}

bool TcxCustomEdit::CanModify() {
  TcxCustomEditProperties* properties = GetActiveProperties();
  if (m_isInplace)
    return properties->CanModify();
  if (properties->AssignedValues()->ReadOnly())
    return !properties->ReadOnly();
  IcxEditDefaultValuesProvider* provider = properties->IDefaultValuesProvider();
  return !provider || (provider->DefaultCanModify() && provider->CanSetEditMode());
}

bool TcxCustomEdit::ValidateKeyDown(WORD& Key, TShiftState Shift) {
  return m_dataBinding->GetModified() || !CanKeyDownModifyEdit(Key, Shift) || DoEditing();
}

bool TcxCustomEdit::ValidateKeyPress(char& Key) {
  if (IsTextChar(Key) && !IsValidChar(Key)) {
    Key = '\0';
    Beep();
  } else if (!m_dataBinding->GetModified() && CanKeyPressModifyEdit(Key) && !DoEditing()) {
    Key = '\0';
  }
  return Key != '\0';
}

bool TcxCustomEdit::IsValidChar(char AKey) {
  IcxEditDefaultValuesProvider* provider = GetActiveProperties()->IDefaultValuesProvider();
  return !provider || provider->IsValidChar(AKey) || provider->IsOnSetTextAssigned();
}

// ---------------------------------------------------------------------------
// The edit value

Variant TcxCustomEdit::GetEditValue() { return m_editValue; }

Variant TcxCustomEdit::GetEditingValue() {
  if (Focused() && !EditValidated() && ModifiedAfterEnter())
    return InternalGetEditingValue();
  return GetEditValue();
}

void TcxCustomEdit::Clear() { SetEditValue(GetClearValue()); }

void TcxCustomEdit::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                        bool AEditFocused) {
  GetActiveProperties()->PrepareDisplayValue(AEditValue, DisplayValue, AEditFocused);
}

void TcxCustomEdit::PrepareEditValue(const Variant&, Variant&, bool) {}

// InternalSetEditValue asks for the editing permission of a keyboard action
// itself, so OnEditing runs once per change.
void TcxCustomEdit::SetEditValue(const Variant& Value) {
  if (m_editValueChangingLockCount > 0)
    return;
  LockClick(true);
  TScopeExit unlockClick([this] { LockClick(false); });
  InternalSetEditValue(Value, true);
}

void TcxCustomEdit::SetInternalEditValue(const Variant& Value) {
  if (m_editValueChangingLockCount > 0)
    return;
  InternalSetEditValue(Value, true);
}

void TcxCustomEdit::InternalSetEditValue(const Variant& Value, bool) {
  if (m_keyboardAction && !DoEditing())
    return;
  TcxCustomEditProperties* properties = GetActiveProperties();
  const bool changed =
      properties->CanCompareEditValue() && !InternalVarEqualsExact(m_editValue, Value);
  m_editValue = Value;
  SynchronizeDisplayValue();
  if (m_keyboardAction)
    SetModifiedAfterEnter(true);
  else
    SetModified(false);
  if (!changed)
    return;
  DoEditValueChanged();
  if (!properties->HasDisplayValue())
    DoChange();
}

// ---------------------------------------------------------------------------
// Validation

bool TcxCustomEdit::ValidateEdit(bool ARaiseExceptionOnError) {
  if (!ModifiedAfterEnter() || EditValidated() || m_validateLockCount > 0)
    return true;
  Variant displayValue = GetDisplayValue();
  bool error = false;
  std::string errorText;
  TcxCustomEditProperties* properties = GetActiveProperties();
  if (properties->CanValidate())
    properties->ValidateDisplayValue(displayValue, errorText, error, this);
  if (error) {
    ShowValidationError(displayValue, errorText, ARaiseExceptionOnError);
    return false;
  }
  if (!(m_keyboardAction && !DoEditing())) {
    InternalValidateDisplayValue(displayValue);
    if (!m_isInplace && !Focused())
      SetModifiedAfterEnter(false);
    SetEditValidated(true);
  }
  return true;
}

// Shows the value the validation left (the handler's, or the editor's text)
// selected, also when the error is raised.
void TcxCustomEdit::ShowValidationError(const Variant& ADisplayValue, const std::string& AErrorText,
                                        bool ARaiseExceptionOnError) {
  TScopeExit showValue([this, &ADisplayValue] {
    if (VarToStr(ADisplayValue) != VarToStr(GetDisplayValue()))
      SetInternalDisplayValue(ADisplayValue);
    if (Visible()) {
      SelectAll();
      if (!IsEditClass())
        UpdateDrawValue();
    }
  });
  if (ARaiseExceptionOnError) {
    HandleValidationError(AErrorText);
    Application->ProcessMessages();
  }
}

void TcxCustomEdit::InternalValidateDisplayValue(const Variant& ADisplayValue) {
  TcxEditModifiedStateScope modified(m_flags);
  InternalSetDisplayValue(ADisplayValue);
}

void TcxCustomEdit::HandleValidationError(const std::string& AErrorText) {
  if (!CanFocus()) {
    SetEditValidated(true);
    return;
  }
  if (Visible()) {
    if (!Focused()) {
      TFlagScope processing(m_validateErrorProcessing);
      if (m_innerEdit)
        m_innerEdit->GetControl()->SetFocus();
      else
        SetFocus();
    }
    SelectAll();
  }
  if (GetActiveProperties()->BeepOnError())
    Beep();
  if (!AErrorText.empty())
    throw EcxEditValidationError(AErrorText);
}

// ---------------------------------------------------------------------------
// Posting and reset

bool TcxCustomEdit::CanPostEditValue() {
  return !IsDesigning() && m_dataBinding->CanPostEditorValue();
}

void TcxCustomEdit::PostEditValue() {
  if (CanPostEditValue()) {
    InternalPostEditValue(true);
    return;
  }
  if (!Focused() || !DoEditing())
    return;
  TScopeExit notModified([this] { SetModifiedAfterEnter(false); });
  SetModifiedAfterEnter(true);
  SetEditValidated(true);
  InternalPostEditValue(false);
}

void TcxCustomEdit::InternalPostEditValue(bool AValidateEdit) {
  if (AValidateEdit) {
    TFlagValueScope noKeyboardAction(m_keyboardAction, false);
    if (!ValidateEdit(true))
      return;
  }
  try {
    BeforePosting();
    TScopeExit afterPosting([this] { AfterPosting(); });
    if (m_isInplace) {
      DoPostEditValue();
      SetModified(false);
    } else {
      m_dataBinding->SetStoredValue(GetEditValue());
    }
  } catch (...) {
    // An in-place editor's host gets no error; a standalone editor takes the
    // focus back and passes the error on.
    if (m_isInplace)
      return;
    HandleValidationError(std::string());
    throw;
  }
}

void TcxCustomEdit::DoPostEditValue() {
  if (m_onPostEditValue)
    m_onPostEditValue(this);
}

void TcxCustomEdit::ResetEditValue() {
  TcxCustomEditProperties* properties = GetActiveProperties();
  if (!ModifiedAfterEnter() || !properties->IsResetEditClass())
    return;
  TcxEditChangeEventsLock changeEvents(*m_changeEventsCatcher);
  SetModifiedAfterEnter(false);
  if (m_dataBinding->GetIDefaultValuesProvider()->IsDataStorage())
    SetInternalEditValue(m_dataBinding->GetStoredValue());
  else
    SetInternalEditValue(m_prevEditValue);
  SetModified(true);
  SelectAll();
  if (properties->PostImmediately() && CanPostEditValue())
    InternalPostEditValue(false);
  changeEvents.Unlock();
}

// ---------------------------------------------------------------------------
// Entering and leaving

void TcxCustomEdit::DoEnter() {
  if (IsDestroying())
    return;
  if (!m_validateErrorProcessing)
    DoShowEdit();
  ShortRefreshContainer(false);
}

void TcxCustomEdit::DoShowEdit() {
  {
    TcxEditModifiedStateScope modified(m_flags);
    inherited::DoEnter();
    if (UpdateContentOnFocusChanging())
      m_dataBinding->UpdateDisplayValue();
    if (GetActiveProperties()->IsResetEditClass())
      m_prevEditValue = m_editValue;
    if (UpdateContentOnFocusChanging())
      SynchronizeDisplayValue();
  }
  SetModifiedAfterEnter(false);
}

void TcxCustomEdit::DoExit() {
  TFlagValueScope noKeyboardAction(m_keyboardAction, false);
  DoHideEdit(true);
}

void TcxCustomEdit::DoHideEdit(bool AExit) {
  if (IsDestroying() || m_validateErrorProcessing)
    return;
  TcxEditModifiedStateScope modified(m_flags);
  TcxEditChangeEventsLock changeEvents(*m_changeEventsCatcher);
  if (!ValidateEdit(true)) {
    changeEvents.Unlock();
    return;
  }
  if (!m_isInplace && CanPostEditValue())
    InternalPostEditValue(false);
  changeEvents.Unlock();
  if (UpdateContentOnFocusChanging())
    m_dataBinding->UpdateDisplayValue();
  UpdateDrawValue();
  ShortRefreshContainer(false);
  modified.Restore();
  if (AExit)
    inherited::DoExit();
  SetModifiedAfterEnter(false);
}

void TcxCustomEdit::DoFocusChanged() {
  UpdateDrawValue();
  TCustomForm* form = GetParentForm(this);
  if (!form)
    return;
  const TModalResult result = form->ModalResult();
  const bool closingModal = !form->Visible() &&
                            form->FormState().Contains(TFormStateItem::fsModal) &&
                            result != mrNone && result != mrCancel;
  if (closingModal || IsFocusedControlOnSameForm())
    ValidateEdit(false);
}

// The editor lost the focus, sits alone directly on its form, and the focus
// stayed inside the same top-level window.
bool TcxCustomEdit::IsFocusedControlOnSameForm() {
  TcxCustomEdit* self = this;
  TCustomForm* form = GetParentForm(self);
  if (self->Focused() || !HandleAllocated() || Parent() != form || form->ControlCount() != 1)
    return false;
  const HWND focus = ::GetFocus();
  return focus && ::GetAncestor(focus, GA_ROOT) == ::GetAncestor(Handle(), GA_ROOT);
}
