// The editor's keys, characters and mouse: the clear key, the default
// button's short cut, Tab, Enter with validation, Escape with reset (and the
// Escape character that follows it), the navigation keys, button clicks and
// double clicks, and the accelerators of button captions.
#include "editors/cxEditControl.h"

#include "editors/cxEditDataBinding.h"
#include "framework/cxContainerServices.h"
#include "framework/cxControlsUtils.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/rtl/ScopeGuards.h"
#include "platform/rtl/WideText.h"

namespace {

// Sets a flag for a scope and gives it back its earlier value afterwards.
class TFlagHold {
public:
  explicit TFlagHold(bool& AFlag) : m_flag(AFlag), m_saved(AFlag) { m_flag = true; }
  ~TFlagHold() { m_flag = m_saved; }
  TFlagHold(const TFlagHold&) = delete;
  TFlagHold& operator=(const TFlagHold&) = delete;

private:
  bool& m_flag;
  bool m_saved;
};

bool IsNavigationKey(WORD AKey) { return AKey >= VK_PRIOR && AKey <= VK_DOWN; }

} // namespace

// ---------------------------------------------------------------------------
// Keys

bool TcxCustomEdit::IsEditorKey(WORD Key, TShiftState Shift) {
  return GetDefaultButtonVisibleIndex() != -1 &&
         ShortCut(Key, Shift) == GetActiveProperties()->ClickShortCut();
}

bool TcxCustomEdit::IsSpecialKey(WORD Key, TShiftState Shift) {
  const TShortCut shortCut = ShortCut(Key, Shift);
  return shortCut == GetActiveProperties()->ClearKey() ||
         (GetDefaultButtonVisibleIndex() != -1 &&
          shortCut == GetActiveProperties()->ClickShortCut());
}

void TcxCustomEdit::KeyDown(WORD& Key, TShiftState Shift) {
  m_isEditValueResetting = false;
  TControlLife life(this);
  if (!IsEditorKey(Key, Shift))
    inherited::KeyDown(Key, Shift);
  if (life && Key != 0)
    DoEditKeyDown(Key, Shift);
}

void TcxCustomEdit::DoAfterKeyDown(WORD& Key, TShiftState Shift) {
  if (m_onAfterKeyDown)
    m_onAfterKeyDown(this, Key, Shift);
}

void TcxCustomEdit::DoEditKeyDown(WORD& Key, TShiftState Shift) {
  if (Key == 0)
    return;
  TcxCustomEditProperties* properties = GetActiveProperties();
  const TShortCut shortCut = ShortCut(Key, Shift);
  if (shortCut == properties->ClearKey()) {
    TcxEditChangeEventsLock changeEvents(*m_changeEventsCatcher);
    {
      TFlagHold keyboard(m_keyboardAction);
      SetInternalEditValue(GetClearValue());
      SetEditValidated(true);
    }
    changeEvents.Unlock();
    Key = 0;
    return;
  }
  if (GetDefaultButtonVisibleIndex() != -1 && shortCut == properties->ClickShortCut()) {
    // The character the key makes is queued for the window that has the
    // focus, the inner control's as a rule.
    if (const HWND focus = ::GetFocus())
      KillMessages(focus, WM_CHAR, WM_CHAR);
    if (HandleAllocated())
      KillMessages(Handle(), WM_CHAR, WM_CHAR);
    Key = 0;
    DefaultButtonClick();
    return;
  }
  if (!ValidateKeyDown(Key, Shift)) {
    DoAfterKeyDown(Key, Shift);
    Key = 0;
    return;
  }
  switch (Key) {
  case VK_TAB:
    ProcessTab(Key, Shift);
    return;
  case VK_RETURN:
    if (properties->ValidateOnEnter()) {
      Key = 0;
      TcxEditChangeEventsLock changeEvents(*m_changeEventsCatcher);
      if (ValidateEdit(true) && CanPostEditValue())
        InternalPostEditValue(false);
      changeEvents.Unlock();
    }
    return;
  case VK_ESCAPE:
    if (ModifiedAfterEnter() && (m_dataBinding->GetIDefaultValuesProvider()->IsDataStorage() ||
                                 properties->IsResetEditClass())) {
      TcxEditChangeEventsLock changeEvents(*m_changeEventsCatcher);
      m_dataBinding->Reset();
      SetModified(true);
      changeEvents.Unlock();
      m_isEditValueResetting = true;
      Key = 0;
    }
    return;
  default:
    if (!WantNavigationKeys() && IsNavigationKey(Key)) {
      DoAfterKeyDown(Key, Shift);
      Key = 0;
    }
  }
}

void TcxCustomEdit::ProcessTab(WORD& Key, TShiftState Shift) {
  using enum TShiftStateItem;
  if (!Focused() || Shift.Contains(ssAlt) || Shift.Contains(ssCtrl) ||
      GetActiveProperties()->InnerEditNeedsTabs())
    return;
  TControlLife life(this);
  DoEditProcessTab(Shift);
  if (!life)
    return;
  DoAfterKeyDown(Key, Shift);
  if (!life || Key == 0)
    return;
  Key = 0;
  if (TCustomForm* form = GetParentForm(this))
    form->SelectNext(form->ActiveControl(), !Shift.Contains(ssShift), true);
  if (life && HandleAllocated() && ::GetFocus() == Handle() && m_innerEdit)
    m_innerEdit->SafelySetFocus();
}

void TcxCustomEdit::KeyPress(char& Key) {
  if (Key == '\x1B' && m_isEditValueResetting) {
    m_isEditValueResetting = false;
    Key = '\0';
    return;
  }
  TControlLife life(this);
  inherited::KeyPress(Key);
  if (life && Key != '\0')
    DoEditKeyPress(Key);
}

void TcxCustomEdit::DoEditKeyPress(char& Key) { ValidateKeyPress(Key); }

void TcxCustomEdit::KeyUp(WORD& Key, TShiftState Shift) {
  TControlLife life(this);
  inherited::KeyUp(Key, Shift);
  if (life && Key != 0)
    DoEditKeyUp(Key, Shift);
}

// ---------------------------------------------------------------------------
// Buttons

int TcxCustomEdit::GetDefaultButtonVisibleIndex() const {
  return GetViewInfo()->GetDefaultButtonVisibleIndex();
}

int TcxCustomEdit::ButtonVisibleIndexAt(const TPoint& P) const {
  return GetViewInfo()->ButtonVisibleIndexAt(P);
}

void TcxCustomEdit::DefaultButtonClick() {
  const int index = GetDefaultButtonVisibleIndex();
  if (index != -1)
    DoButtonClick(index);
}

// The own properties' handler, then the repository item's, each with the
// button's index in the collection.
void TcxCustomEdit::DoButtonClick(int AButtonVisibleIndex) {
  if (AButtonVisibleIndex < 0 || AButtonVisibleIndex >= GetViewInfo()->ButtonCount())
    return;
  const int index = GetViewInfo()->Buttons(AButtonVisibleIndex)->ButtonIndex;
  TControlLife life(this);
  if (const TcxEditButtonClickEvent handler = m_properties->OnButtonClick())
    handler(this, index);
  if (!life || !m_repositoryItem)
    return;
  if (const TcxEditButtonClickEvent handler = GetActiveProperties()->OnButtonClick())
    handler(this, index);
}

void TcxCustomEdit::DoClosePopup(TcxEditCloseUpReason AReason) {
  TControlLife life(this);
  if (const TcxEditClosePopupEvent handler = m_properties->OnClosePopup())
    handler(this, AReason);
  if (!life || !m_repositoryItem)
    return;
  if (const TcxEditClosePopupEvent handler = GetActiveProperties()->OnClosePopup())
    handler(this, AReason);
}

void TcxCustomEdit::CheckButtonShortCuts(TMessage& Message) {
  const char key = WideToAnsiChar(static_cast<char16_t>(TWMKey(Message).CharCode()));
  TcxCustomEditViewInfo* viewInfo = GetViewInfo();
  for (int i = 0; i < viewInfo->ButtonCount(); ++i) {
    const TcxEditButtonViewInfo& button = *viewInfo->Buttons(i);
    if (button.State != TcxEditButtonState::ebsDisabled && IsAccel(key, button.Caption)) {
      DoButtonClick(i);
      Message.Result = 1;
      return;
    }
  }
}

bool TcxCustomEdit::HandleMouseWheel(TShiftState Shift) {
  return !m_isInplace || GetActiveProperties()->MouseWheelEnabled() ||
         Shift.Contains(TShiftStateItem::ssCtrl);
}

// ---------------------------------------------------------------------------
// The mouse and clicks

void TcxCustomEdit::LockClick(bool ALock) {
  if (ALock)
    ++m_clickLockCount;
  else if (m_clickLockCount > 0)
    --m_clickLockCount;
}

void TcxCustomEdit::Click() {
  if (IsDestroying() || m_clickLockCount > 0 || (IsLoading() && !IsClickEnabledDuringLoading()))
    return;
  inherited::Click();
}

void TcxCustomEdit::DoClick() {
  SetModifiedAfterEnter(true);
  if (m_clickLockCount == 0)
    Click();
}

void TcxCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TControlLife life(this);
  if (Button == TMouseButton::mbLeft && m_dblClickTimer->Enabled()) {
    m_dblClickTimer->SetEnabled(false);
    if (ButtonVisibleIndexAt(Point(X, Y)) == -1)
      DblClick();
    if (!life)
      return;
  }
  inherited::MouseDown(Button, Shift, X, Y);
  if (!life || Button != TMouseButton::mbLeft || !HandleAllocated() || ::GetCapture() != Handle())
    return;
  const int index = ButtonVisibleIndexAt(Point(X, Y));
  if (index != -1 && GetViewInfo()->Buttons(index)->State == TcxEditButtonState::ebsPressed)
    m_captureButtonIndex = index;
}

// The second click of a double click on a button is one more press and
// click of it.
void TcxCustomEdit::DblClick() {
  const TPoint p = ScreenToClient(GetMouseCursorPos());
  if (ButtonVisibleIndexAt(p) == -1) {
    inherited::DblClick();
    return;
  }
  TControlLife life(this);
  TShiftState shift = GetShiftState();
  shift.Include(TShiftStateItem::ssLeft);
  MouseDown(TMouseButton::mbLeft, shift, p.X, p.Y);
  if (life)
    Click();
}
