// Keyboard, focus and tab order of windowed controls.
#include "platform/controls/WinControls.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/rtl/WideText.h"

namespace {

using enum TControlStyleItem;
using enum TControlStateItem;

// The dialog code a key needs from a control that is to keep it.
UINT DialogCodeFor(WORD key) {
  switch (key) {
  case VK_TAB: return DLGC_WANTTAB;
  case VK_LEFT:
  case VK_RIGHT:
  case VK_UP:
  case VK_DOWN: return DLGC_WANTARROWS;
  case VK_RETURN:
  case VK_EXECUTE:
  case VK_ESCAPE:
  case VK_CANCEL: return DLGC_WANTALLKEYS;
  default: return 0;
  }
}

} // namespace

int TWinControl::TabOrder() const {
  if (!Parent())
    return -1;
  const auto& list = Parent()->m_tabList;
  const auto found = std::find(list.begin(), list.end(), this);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (ControlState().Contains(csReadingState))
    m_tabOrder = order;
  else
    UpdateTabOrder(order);
}

void TWinControl::UpdateTabOrder(int order) {
  const int current = TabOrder();
  if (current < 0)
    return;
  auto& list = Parent()->m_tabList;
  order = std::clamp(order, 0, static_cast<int>(list.size()) - 1);
  if (order == current)
    return;
  list.erase(list.begin() + current);
  list.insert(list.begin() + order, this);
}

void TWinControl::FixupTabList() {
  std::vector<TWinControl*> ordered(m_tabList.size(), nullptr);
  for (TWinControl* control : m_tabList) {
    const int order = control->m_tabOrder;
    if (order >= 0 && order < static_cast<int>(ordered.size()))
      ordered[static_cast<std::size_t>(order)] = control;
  }
  for (std::size_t i = 0; i < ordered.size(); ++i)
    if (ordered[i])
      ordered[i]->UpdateTabOrder(static_cast<int>(i));
}

void TWinControl::SetTabStop(bool value) {
  if (m_tabStop == value)
    return;
  m_tabStop = value;
  if (m_handle) {
    LONG style = ::GetWindowLongW(m_handle, GWL_STYLE);
    style = value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
    ::SetWindowLongW(m_handle, GWL_STYLE, style);
  }
  Perform(CM_TABSTOPCHANGED);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* control : m_tabList) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward,
                                          bool checkTabStop, bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty())
    return nullptr;
  const int count = static_cast<int>(list.size());
  int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
  if (start == count)
    start = goForward ? count - 1 : 0;
  int i = start;
  do {
    i = goForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* candidate = list[static_cast<std::size_t>(i)];
    if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop()) &&
        (!checkParent || candidate->Parent() == this))
      return candidate;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop))
    next->SetFocus();
}

void TWinControl::SelectFirst() {
  TCustomForm* form = GetParentForm(this);
  if (!form)
    return;
  TWinControl* control = FindNextControl(nullptr, true, true, false);
  if (!control)
    control = FindNextControl(nullptr, true, false, false);
  if (control)
    form->SetActiveControl(control);
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this))
    form->FocusControl(this);
  else if (m_parentWindow)
    ::SetFocus(Handle());
  else
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
}

bool TWinControl::Focused() { return m_handle && ::GetFocus() == m_handle; }

bool TWinControl::CanFocus() {
  TCustomForm* form = GetParentForm(this);
  if (!form)
    return false;
  for (TWinControl* control = this; control != form; control = control->Parent())
    if (!control->Visible() || !control->Enabled())
      return false;
  return true;
}

void TWinControl::RemoveFocus(bool removing) {
  if (TCustomForm* form = GetParentForm(this))
    form->DefocusControl(this, removing);
}

void TWinControl::DoEnter() {
  if (m_onEnter)
    m_onEnter(this);
}

void TWinControl::DoExit() {
  if (m_onExit)
    m_onExit(this);
}

void TWinControl::KeyDown(WORD& key, TShiftState shift) {
  if (m_onKeyDown)
    m_onKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char& key) {
  if (m_onKeyPress)
    m_onKeyPress(this, key);
}

void TWinControl::KeyUp(WORD& key, TShiftState shift) {
  if (m_onKeyUp)
    m_onKeyUp(this, key, shift);
}

bool TWinControl::DoKeyDown(TWMKey message) {
  return DoKeyStroke(message, &TWinControl::DoKeyDown, &TWinControl::KeyDown);
}

bool TWinControl::DoKeyUp(TWMKey message) {
  return DoKeyStroke(message, &TWinControl::DoKeyUp, &TWinControl::KeyUp);
}

bool TWinControl::DoKeyStroke(TWMKey message, bool (TWinControl::*step)(TWMKey),
                              void (TWinControl::*handler)(WORD&, TShiftState)) {
  TControlLife life(this);
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() &&
      (static_cast<TWinControl*>(form)->*step)(message))
    return true;
  if (!life)
    return true;
  if (ControlStyle().Contains(csNoStdEvents))
    return false;
  WORD key = message.CharCode();
  (this->*handler)(key, message.Shift());
  if (!life)
    return true;
  message.SetCharCode(key);
  return key == 0;
}

bool TWinControl::DoKeyPress(TWMKey message) {
  TControlLife life(this);
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() &&
      static_cast<TWinControl*>(form)->DoKeyPress(message))
    return true;
  if (!life)
    return true;
  if (ControlStyle().Contains(csNoStdEvents))
    return false;
  const auto wide = static_cast<char16_t>(message.CharCode());
  const char original = WideToAnsiChar(wide);
  char key = original;
  KeyPress(key);
  if (!life)
    return true;
  if (key == '\0')
    return true;
  if (key != original)
    message.SetCharCode(AnsiToWideChar(key));
  return false;
}

void TWinControl::WMKeyDown(TWMKey message) {
  TControlLife life(this);
  if (!DoKeyDown(message) && life)
    DefaultHandler(message.Message());
}

void TWinControl::WMKeyUp(TWMKey message) {
  TControlLife life(this);
  if (!DoKeyUp(message) && life)
    DefaultHandler(message.Message());
}

void TWinControl::WMChar(TWMKey message) {
  TControlLife life(this);
  if (!DoKeyPress(message) && life)
    DefaultHandler(message.Message());
}

bool TWinControl::IsMenuKey(TWMKey message) {
  TControlLife life(this);
  for (TControl* control = this; control; control = control->Parent()) {
    TPopupMenu* menu = control->GetPopupMenu();
    if (menu && menu->IsShortCut(message))
      return true;
    if (!life)
      return true;
  }
  TCustomForm* form = GetParentForm(this);
  return form && form->IsShortCut(message);
}

void TWinControl::CNKeyDown(TWMKey message) {
  message.SetResult(1);
  TControlLife life(this);
  if (IsMenuKey(message) || !life)
    return;
  const WORD key = message.CharCode();
  if (Perform(CM_CHILDKEY, key, reinterpret_cast<LPARAM>(this)) != 0 || !life)
    return;
  const UINT mask = DialogCodeFor(key);
  if (mask != 0 && Perform(CM_WANTSPECIALKEY, key) == 0 && life &&
      (Perform(WM_GETDLGCODE) & mask) == 0 && life) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGKEY, key, message.KeyData()) != 0)
      return;
  }
  if (life)
    message.SetResult(0);
}

void TWinControl::CNChar(TWMKey message) {
  message.SetResult(1);
  TControlLife life(this);
  TCustomForm* form = GetParentForm(this);
  const bool wantsChars = (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) != 0;
  if (!life)
    return;
  const bool dialogChar =
      message.Msg() == CN_SYSCHAR ? message.CharCode() != VK_SPACE : !wantsChars;
  if (dialogChar && form &&
      form->Perform(CM_DIALOGCHAR, message.CharCode(), message.KeyData()) != 0)
    return;
  if (life)
    message.SetResult(0);
}
