// Showing, hiding, closing and running forms modally; activation and the
// focus within a form.
#include "platform/controls/Forms.h"

#include "platform/controls/Application.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/ScopeGuards.h"

namespace {

using enum TFormStateItem;

constexpr char kCannotFocus[] = "Cannot focus a disabled or invisible window";

// Counts focus changes, so that a notification can tell whether its handler
// moved the focus elsewhere.
int g_focusCount = 0;

bool SendFocusMessage(HWND window, UINT msg) {
  const int count = g_focusCount;
  ::SendMessageW(window, msg, 0, 0);
  return g_focusCount == count;
}

// The topmost visible, enabled form window of this thread other than 'except'.
HWND TopMostOtherForm(HWND except) {
  for (HWND window = ::GetTopWindow(nullptr); window; window = ::GetWindow(window, GW_HWNDNEXT)) {
    if (window == except || !::IsWindowVisible(window) || !::IsWindowEnabled(window))
      continue;
    if (::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId())
      continue;
    if (dynamic_cast<TCustomForm*>(FindControl(window)))
      return window;
  }
  return nullptr;
}

} // namespace

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::CMShowingChanged() {
  if (m_formState.Contains(fsShowing))
    throw EInvalidOperation("Cannot change Visible in OnShow or OnHide");
  m_formState.Include(fsShowing);
  TControlLife life(this);
  const TScopeExit shown([this, &life] {
    if (life)
      m_formState.Exclude(fsShowing);
  });
  if (Showing()) {
    try {
      DoShow();
    } catch (...) {
      HandleCallbackException(this);
    }
    if (life) {
      PlaceForShowing();
      ::ShowWindow(Handle(), SW_SHOWNORMAL);
    }
  } else {
    try {
      DoHide();
    } catch (...) {
      HandleCallbackException(this);
    }
    if (life)
      HideWindow();
  }
}

void TCustomForm::PlaceForShowing() {
  TCustomForm* center = nullptr;
  switch (m_position) {
  case TPosition::poMainFormCenter:
    center = Application ? Application->MainForm() : nullptr;
    break;
  case TPosition::poOwnerFormCenter:
    center = dynamic_cast<TCustomForm*>(Owner());
    break;
  case TPosition::poScreenCenter:
  case TPosition::poDesktopCenter:
    break;
  default:
    return;
  }
  int x = 0;
  int y = 0;
  if (center && center != this) {
    x = center->Left() + (center->Width() - Width()) / 2;
    y = center->Top() + (center->Height() - Height()) / 2;
  } else {
    const TRect area = m_position == TPosition::poDesktopCenter
                           ? Rect(0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                                  ::GetSystemMetrics(SM_CYSCREEN))
                           : CentringBounds();
    x = area.Left + (area.Right - area.Left - Width()) / 2;
    y = area.Top + (area.Bottom - area.Top - Height()) / 2;
  }
  SetBounds(std::max(0, x), std::max(0, y), Width(), Height());
  m_position = TPosition::poDesigned;
}

TRect TCustomForm::CentringBounds() {
  TCustomForm* follow = nullptr;
  switch (m_defaultMonitor) {
  case TDefaultMonitor::dmDesktop:
    return Rect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
  case TDefaultMonitor::dmPrimary:
    return TMonitor(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)).BoundsRect();
  case TDefaultMonitor::dmMainForm: follow = Application ? Application->MainForm() : nullptr; break;
  case TDefaultMonitor::dmActiveForm: follow = Screen ? Screen->ActiveForm() : nullptr; break;
  }
  if (!follow || follow == this || !follow->HandleAllocated())
    return TMonitor(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)).BoundsRect();
  return TMonitor(::MonitorFromWindow(follow->Handle(), MONITOR_DEFAULTTONEAREST)).BoundsRect();
}

void TCustomForm::HideWindow() {
  HWND window = Handle();
  HWND next = nullptr;
  if (::GetActiveWindow() == window && !::IsIconic(window))
    next = TopMostOtherForm(window);
  if (!next) {
    ::ShowWindow(window, SW_HIDE);
    return;
  }
  ::SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  ::SetActiveWindow(next);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (m_onCloseQuery)
    m_onCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::Close() {
  if (m_formState.Contains(fsModal)) {
    m_modalResult = mrCancel;
    return;
  }
  TControlLife life(this);
  if (!CloseQuery() || !life)
    return;
  TCloseAction action = TCloseAction::caHide;
  DoClose(action);
  if (!life || action == TCloseAction::caNone)
    return;
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else if (action == TCloseAction::caHide)
    Hide();
  else if (action == TCloseAction::caMinimize)
    ::ShowWindow(Handle(), SW_MINIMIZE);
  else
    Release();
}

void TCustomForm::CloseModal() {
  TControlLife life(this);
  try {
    TCloseAction action = TCloseAction::caNone;
    if (CloseQuery() && life) {
      action = TCloseAction::caHide;
      DoClose(action);
    }
    if (!life)
      return;
    if (action == TCloseAction::caNone)
      m_modalResult = mrNone;
    else if (action == TCloseAction::caFree)
      Release();
  } catch (...) {
    if (life)
      m_modalResult = mrNone;
    HandleCallbackException(life ? this : nullptr);
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || m_formState.Contains(fsModal))
    throw EInvalidOperation("Cannot make a visible window modal");
  if (HWND capture = ::GetCapture())
    ::SendMessageW(capture, WM_CANCELMODE, 0, 0);
  ::ReleaseCapture();
  m_formState.Include(fsModal);
  HWND activeWindow = ::GetActiveWindow();
  Screen->SaveFocusedForm();
  Screen->SetFocusedForm(this);
  TControlLife life(this);
  const TScopeExit modalEnded([this, &life] {
    if (life)
      m_formState.Exclude(fsModal);
  });
  TModalResult result = mrNone;
  {
    const TScopeExit restoreFocus([] { Screen->RestoreFocusedForm(); });
    const controls_detail::TTaskWindowsDisabled disabled;
    result = RunModalLoop(activeWindow);
  }
  if (activeWindow && ::IsWindow(activeWindow))
    ::SetActiveWindow(activeWindow);
  return result;
}

TModalResult TCustomForm::RunModalLoop(HWND& activeWindow) {
  TControlLife life(this);
  Show();
  const TScopeExit hide([this, &life] {
    if (life)
      Hide();
  });
  if (life)
    ::SendMessageW(Handle(), CM_ACTIVATE, 0, 0);
  if (life)
    m_modalResult = mrNone;
  while (life) {
    Application->HandleMessage();
    if (!life)
      break;
    if (Application->Terminated())
      m_modalResult = mrCancel;
    else if (m_modalResult != mrNone)
      CloseModal();
    if (!life || m_modalResult != mrNone)
      break;
  }
  if (!life)
    return mrCancel;
  const TModalResult result = m_modalResult;
  ::SendMessageW(Handle(), CM_DEACTIVATE, 0, 0);
  if (life && ::GetActiveWindow() != Handle())
    activeWindow = nullptr;
  return result;
}

void TCustomForm::WMActivate(TWMActivate message) { SetActive(message.Active() != WA_INACTIVE); }

void TCustomForm::SetActive(bool active) {
  m_active = active;
  if (!active)
    return;
  if (!m_activeControl)
    SetActiveControl(FindNextControl(nullptr, true, true, false));
  SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
  HWND focus = m_activeControl ? m_activeControl->Handle() : Handle();
  if (focus && ::GetFocus() != focus)
    ::SetFocus(focus);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (m_activeControl == control)
    return;
  if (control && (control == this || GetParentForm(control) != this ||
                  (!Loading() && !control->CanFocus())))
    throw EInvalidOperation(kCannotFocus);
  m_activeControl = control;
  if (!Loading() && m_active)
    SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control) {
  const bool wasActive = m_active;
  SetActiveControl(control);
  if (!wasActive)
    SetFocus();
}

void TCustomForm::SetFocus() {
  if (m_active)
    return;
  if (!Visible() || !Enabled())
    throw EInvalidOperation(kCannotFocus);
  SetWindowFocus();
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
  if (removing && control->ContainsControl(m_focusedControl))
    m_focusedControl = control->Parent();
  if (control->ContainsControl(m_activeControl))
    SetActiveControl(nullptr);
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  ++g_focusCount;
  m_activeControl = control != this ? control : nullptr;
  Screen->SetActive(this, control);
  if (control->ControlState().Contains(TControlStateItem::csFocusing))
    return false;
  TControlLife life(control);
  control->SetControlState(control->ControlState() + TControlState{TControlStateItem::csFocusing});
  const bool completed = NotifyFocusChange(control);
  if (life)
    control->SetControlState(control->ControlState() -
                             TControlState{TControlStateItem::csFocusing});
  return completed;
}

bool TCustomForm::NotifyFocusChange(TWinControl* control) {
  if (Screen->FocusedForm() != this) {
    if (TCustomForm* previous = Screen->FocusedForm()) {
      Screen->SetFocusedForm(nullptr);
      if (!SendFocusMessage(previous->Handle(), CM_DEACTIVATE))
        return false;
    }
    Screen->SetFocusedForm(this);
    if (!SendFocusMessage(Handle(), CM_ACTIVATE))
      return false;
  }
  if (!m_focusedControl)
    m_focusedControl = this;
  if (m_focusedControl == control)
    return true;
  while (m_focusedControl && !m_focusedControl->ContainsControl(control)) {
    HWND leaving = m_focusedControl->Handle();
    m_focusedControl = m_focusedControl->Parent();
    if (!SendFocusMessage(leaving, CM_EXIT))
      return false;
  }
  while (m_focusedControl != control) {
    TWinControl* entering = control;
    while (entering->Parent() != m_focusedControl)
      entering = entering->Parent();
    m_focusedControl = entering;
    if (!SendFocusMessage(entering->Handle(), CM_ENTER))
      return false;
  }
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  return true;
}

void TCustomForm::CMActivate() { Activate(); }

void TCustomForm::CMDeactivate() { Deactivate(); }

void TCustomForm::CMDialogKey(TCMDialogKey message) {
  const WORD key = message.CharCode();
  if (::GetKeyState(VK_MENU) >= 0) {
    if (key == VK_TAB && ::GetKeyState(VK_CONTROL) >= 0) {
      SelectNext(m_activeControl, ::GetKeyState(VK_SHIFT) >= 0, true);
      message.SetResult(1);
      return;
    }
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) {
      if (m_activeControl && m_activeControl->Parent()) {
        m_activeControl->Parent()->SelectNext(m_activeControl, key == VK_RIGHT || key == VK_DOWN,
                                              false);
        message.SetResult(1);
      }
      return;
    }
  }
  inherited::Dispatch(message.Message());
}
