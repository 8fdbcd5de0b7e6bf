#include "framework/cxContainerPopup.h"

#include <algorithm>

#include "framework/cxContainer.h"
#include "framework/cxControlsTimers.h"
#include "framework/cxControlsUtils.h"
#include "framework/cxGeometry.h"
#include "platform/controls/Application.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/Messages.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/FlagScope.h"
#include "platform/rtl/ScopeGuards.h"

bool TopMostComboBoxes = true;

namespace {

using TPopupList = std::vector<TcxCustomPopupWindow*>;

TPopupList& OpenList() {
  static TPopupList list;
  return list;
}

bool IsOpen(const TcxCustomPopupWindow* popup) {
  const TPopupList& list = OpenList();
  return std::find(list.begin(), list.end(), popup) != list.end();
}

void RemoveFromOpenList(const TcxCustomPopupWindow* popup) {
  TPopupList& list = OpenList();
  list.erase(std::remove(list.begin(), list.end(), popup), list.end());
}

bool IsDestroying(const TComponent* component) {
  return component->ComponentState().Contains(TComponentStateItem::csDestroying);
}

bool IsDesigning(const TComponent* component) {
  return component->ComponentState().Contains(TComponentStateItem::csDesigning);
}

// TcxControl's FocusChanged, reached through a member pointer of the base.
class TcxControlFocusAccess : public TcxControl {
public:
  using TcxControl::FocusChanged;
};

void CallFocusChanged(TWinControl* control) {
  if (auto* container = dynamic_cast<TcxContainer*>(control))
    (container->*(&TcxControlFocusAccess::FocusChanged))();
}

// ---------------------------------------------------------------------------
// The one-message lock: the window's next message (the one being sent) is
// answered 1 without being handled, then its own procedure comes back.

WNDPROC g_lockedProc = nullptr;
HWND g_lockedWindow = nullptr;

LRESULT CALLBACK OneMessageLockProc(HWND window, UINT, WPARAM, LPARAM) {
  ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_lockedProc));
  g_lockedProc = nullptr;
  g_lockedWindow = nullptr;
  return 1;
}

void LockOneMessage(HWND window) {
  if (g_lockedWindow)
    return;
  g_lockedWindow = window;
  g_lockedProc = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OneMessageLockProc)));
}

} // namespace

// ---------------------------------------------------------------------------
// The three closing hooks. They exist while a popup is open; one that the
// last closing popup would remove while a hook procedure runs goes when the
// outermost hook procedure returns.

class TcxPopupHooks {
public:
  static void Update();
  static bool Installed() { return s_callWndProc != nullptr; }

private:
  // Counts the hook procedures running, so that none is removed under them;
  // the count drops after the procedure has called the next hook.
  class TRunning {
  public:
    TRunning() { ++s_depth; }
    ~TRunning() {
      --s_depth;
      Update();
    }
  };

  static void Install();
  static void Remove();
  static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
  static void SentMessage(const CWPSTRUCT& message);
  static void NCActivate(HWND window);
  static void ActivateApp();
  static void Destroy(HWND window);
  static void Close(HWND window);
  static void ShowWindow(HWND window);
  static void WindowPosChanged(HWND window);
  static void RetrievedMessage(MSG& message);

  static inline HHOOK s_callWndProc = nullptr;
  static inline HHOOK s_getMessage = nullptr;
  static inline HHOOK s_mouse = nullptr;
  static inline int s_depth = 0;

public:
  // Set while the mouse hook closes a popup.
  static inline bool s_closingByClick = false;
};

void TcxPopupHooks::Update() {
  if (!OpenList().empty() && !Installed())
    Install();
  else if (OpenList().empty() && Installed() && s_depth == 0)
    Remove();
}

void TcxPopupHooks::Install() {
  const DWORD thread = ::GetCurrentThreadId();
  s_callWndProc = ::SetWindowsHookExW(WH_CALLWNDPROC, CallWndProc, nullptr, thread);
  s_getMessage = ::SetWindowsHookExW(WH_GETMESSAGE, GetMessageProc, nullptr, thread);
  s_mouse = ::SetWindowsHookExW(WH_MOUSE, MouseProc, nullptr, thread);
}

void TcxPopupHooks::Remove() {
  for (HHOOK* hook : {&s_mouse, &s_getMessage, &s_callWndProc}) {
    if (*hook)
      ::UnhookWindowsHookEx(*hook);
    *hook = nullptr;
  }
}

LRESULT CALLBACK TcxPopupHooks::CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  const TRunning running;
  if (code == HC_ACTION && !OpenList().empty()) {
    try {
      SentMessage(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    } catch (...) {
      Application->HandleException(nullptr);
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void TcxPopupHooks::SentMessage(const CWPSTRUCT& message) {
  switch (message.message) {
  case WM_NCACTIVATE:
    if (message.wParam == 0)
      NCActivate(message.hwnd);
    break;
  case WM_ACTIVATEAPP:
    if (message.wParam == 0)
      ActivateApp();
    break;
  case WM_DESTROY:
    Destroy(message.hwnd);
    break;
  case WM_CLOSE:
    Close(message.hwnd);
    break;
  case WM_SHOWWINDOW:
    if (message.wParam == 0)
      ShowWindow(message.hwnd);
    break;
  case WM_WINDOWPOSCHANGED:
    WindowPosChanged(message.hwnd);
    break;
  default:
    break;
  }
}

// The owner's form keeps its active caption while its popup is open.
void TcxPopupHooks::NCActivate(HWND window) {
  if (s_closingByClick) {
    LockOneMessage(window);
    return;
  }
  for (TcxCustomPopupWindow* popup : OpenList()) {
    TCustomForm* form = GetParentForm(popup->OwnerControl());
    if (form && !IsDestroying(form) && form->HandleAllocated() && form->Handle() == window) {
      LockOneMessage(window);
      return;
    }
  }
}

// Leaving the application closes every popup that is not itself active.
void TcxPopupHooks::ActivateApp() {
  const TPopupList& list = OpenList();
  for (std::size_t i = 0; i < list.size();) {
    TcxCustomPopupWindow* popup = list[i];
    TCustomForm* form = GetParentForm(popup->OwnerControl());
    if (form && form->HandleAllocated())
      ::PostMessageW(form->Handle(), WM_NCACTIVATE, 0, 0);
    const bool skip = (popup->CaptureFocus() && popup->Active()) ||
                      (popup->HandleAllocated() && !::IsWindowEnabled(popup->Handle()));
    if (skip) {
      ++i;
      continue;
    }
    popup->CloseUp();
    CallFocusChanged(popup->OwnerControl());
    i = 0;
  }
}

void TcxPopupHooks::Destroy(HWND window) {
  for (TcxCustomPopupWindow* popup : OpenList())
    if (!IsDestroying(popup) && popup->HandleAllocated() && popup->Handle() == window) {
      popup->Close();
      return;
    }
}

void TcxPopupHooks::Close(HWND window) {
  const TPopupList list = OpenList();
  for (TcxCustomPopupWindow* popup : list) {
    if (IsDestroying(popup) || !IsOpen(popup))
      continue;
    TWinControl* owner = popup->OwnerControl();
    if (popup->HandleAllocated() && popup->Handle() == window) {
      if (popup->CloseQuery())
        popup->CloseUp();
      if (!IsOpen(popup) && popup->CaptureFocus() && owner && !IsDestroying(owner) &&
          owner->HandleAllocated())
        ::SendMessageW(FindFirstNonChildParentWindow(owner->Handle()), WM_CLOSE, 0, 0);
      return;
    }
    if (!popup->CaptureFocus() && owner && !IsDestroying(owner)) {
      TCustomForm* form = GetParentForm(owner);
      if (form && (!form->HandleAllocated() || form->Handle() == window))
        popup->CloseUp();
      return;
    }
  }
}

// Hiding an owner closes its popup and every popup opened after it.
void TcxPopupHooks::ShowWindow(HWND window) {
  const TPopupList list = OpenList();
  for (std::size_t i = list.size(); i-- > 0;) {
    TcxCustomPopupWindow* popup = list[i];
    TWinControl* owner = popup->OwnerControl();
    if (IsDestroying(popup) || !owner || IsDestroying(owner) || !owner->HandleAllocated() ||
        owner->Handle() != window)
      continue;
    for (std::size_t j = list.size(); j-- > i;)
      list[j]->CloseUp();
    return;
  }
}

void TcxPopupHooks::WindowPosChanged(HWND window) {
  const TPopupList& list = OpenList();
  for (std::size_t i = 0; i < list.size();) {
    TcxCustomPopupWindow* popup = list[i];
    TWinControl* owner = popup->OwnerControl();
    const bool hiddenOwner = !IsDestroying(popup) && popup->HandleAllocated() && owner &&
                             !IsDestroying(owner) && owner->HandleAllocated() &&
                             owner->Handle() == window && !::IsWindowVisible(window);
    if (!hiddenOwner) {
      ++i;
      continue;
    }
    popup->CloseUp();
    i = 0;
  }
}

LRESULT CALLBACK TcxPopupHooks::GetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
  const TRunning running;
  if (code == HC_ACTION && wParam == PM_REMOVE && !OpenList().empty())
    RetrievedMessage(*reinterpret_cast<MSG*>(lParam));
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Alt keys do not reach menus while a non-modal popup is open, except Alt
// with the arrow and page keys and Alt+F4.
void TcxPopupHooks::RetrievedMessage(MSG& message) {
  if (message.message != WM_SYSKEYDOWN)
    return;
  TcxCustomPopupWindow* last = OpenList().back();
  if ((last->CaptureFocus() && last->ModalMode()) ||
      last->IsSysKeyAccepted(static_cast<WORD>(message.wParam)))
    return;
  message.message = WM_NULL;
}

LRESULT CALLBACK TcxPopupHooks::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
  const TRunning running;
  if (code == HC_ACTION && !OpenList().empty()) {
    switch (wParam) {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONDBLCLK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
      const auto& mouse = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
      bool accepted = true;
      try {
        accepted = TcxCustomPopupWindow::AcceptClick(static_cast<UINT>(wParam), mouse.hwnd,
                                                     {mouse.pt.x, mouse.pt.y});
      } catch (...) {
        Application->HandleException(nullptr);
      }
      if (!accepted)
        return 1;
      break;
    }
    default:
      break;
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace {

// Whether a click on W is on the owner's form (or the chain of windows
// holding it), where it closes the popup.
bool ClickClosesFromOwnerForm(TcxCustomPopupWindow* popup, HWND window) {
  TWinControl* owner = popup->OwnerControl();
  if (CheckParentsNativeHandle(owner, window))
    return true;
  auto* ownerForm = dynamic_cast<TcxCustomPopupWindow*>(GetParentForm(owner));
  return ownerForm && !ownerForm->IsVisible();
}

// The MDI frame, its client window or another MDI child of the frame that
// holds the owner's MDI child form.
bool ClickOnMdiRelatives(TcxCustomPopupWindow* popup, HWND window) {
  TCustomForm* form = GetParentForm(popup->OwnerControl());
  if (!form || form->FormStyle() != TFormStyle::fsMDIChild || !form->HandleAllocated())
    return false;
  HWND client = ::GetParent(form->Handle());
  if (!client)
    return false;
  HWND frame = ::GetParent(client);
  return window == client || window == frame || (frame && ::IsChild(frame, window));
}

} // namespace

bool TcxCustomPopupWindow::AcceptClick(UINT AMessage, HWND AWindow, const TPoint& AScreenPoint) {
  bool accepted = true;
  const TPopupList& list = OpenList();
  for (std::size_t i = 0; i < list.size();) {
    TcxCustomPopupWindow* popup = list[i];
    if ((popup->CaptureFocus() && !popup->Active()) || HasNativeHandle(popup, AWindow, true)) {
      ++i;
      continue;
    }
    if (ClickClosesFromOwnerForm(popup, AWindow)) {
      TWinControl* owner = popup->OwnerControl();
      const bool leftClick = AMessage == WM_LBUTTONDOWN || AMessage == WM_LBUTTONDBLCLK;
      const bool hitOwner = HasNativeHandle(owner, AWindow, true) && leftClick &&
                            cxRectPtIn(popup->GetOwnerScreenBounds(), AScreenPoint);
      if (hitOwner && popup->NeedIgnoreMouseMessageAfterCloseUp(AMessage, GetShiftState(),
                                                                AScreenPoint.X, AScreenPoint.Y))
        popup->m_justClosed = true;
      {
        const TFlagScope closing(TcxPopupHooks::s_closingByClick);
        popup->LockDeactivate(true);
        const TScopeExit unlock([popup] { popup->LockDeactivate(false); });
        popup->CloseUp();
        if (hitOwner && (IsDestroying(owner) || !owner->Visible()))
          accepted = false;
      }
      i = 0;
    } else if (ClickOnMdiRelatives(popup, AWindow)) {
      popup->CloseUp();
      i = 0;
    } else {
      ++i;
    }
  }
  return accepted;
}

// ---------------------------------------------------------------------------
// Window identity

bool HasNativeHandle(TWinControl* C, HWND W, bool AIncludeChildren) {
  if (!C)
    return false;
  if (C->HandleAllocated() && C->Handle() == W)
    return true;
  return AIncludeChildren && IsChildWindow(C, W);
}

bool HasHandle(TWinControl* C, HWND W) { return HasNativeHandle(C, W, false); }

namespace {

bool ContainsWindow(TWinControl* C, HWND W) {
  return (C->HandleAllocated() && C->Handle() == W) || IsChildWindow(C, W);
}

} // namespace

bool IsChildWindow(TWinControl* C, HWND W) {
  if (!C || !W || !C->HandleAllocated() || C->Handle() == W)
    return false;
  if (::IsChild(C->Handle(), W))
    return true;
  for (int i = 0; i < C->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(C->Controls(i));
    if (!child)
      continue;
    if (ContainsWindow(child, W) || (child->HandleAllocated() && ::IsChild(child->Handle(), W)))
      return true;
  }
  // Popups opened from controls on this popup, then popups opened from C.
  if (dynamic_cast<TcxCustomPopupWindow*>(C))
    for (TcxCustomPopupWindow* popup : OpenList())
      if (popup != C && GetParentForm(popup->OwnerControl()) == C && ContainsWindow(popup, W))
        return true;
  for (TcxCustomPopupWindow* popup : OpenList())
    if (popup->OwnerControl() == C && ContainsWindow(popup, W))
      return true;
  return false;
}

bool CheckParentsNativeHandle(TWinControl* C, HWND W) {
  if (!C)
    return false;
  TCustomForm* form = GetParentForm(C);
  if (!form)
    return false;
  if (HasNativeHandle(form, W, true))
    return true;
  if (form->Parent() || !form->HandleAllocated())
    return false;
  HWND window = form->Handle();
  HWND parent = ::GetParent(window);
  while (parent && ::IsChild(parent, window)) {
    window = parent;
    parent = ::GetParent(window);
  }
  return window != form->Handle() && (window == W || ::IsChild(window, W));
}

HWND FindFirstNonChildParentWindow(HWND W) {
  while (W && (::GetWindowLongW(W, GWL_STYLE) & WS_CHILD))
    W = ::GetParent(W);
  return W;
}

HWND GetPopupOwnerControl(HWND W) {
  for (HWND window = W; window; window = ::GetParent(window))
    if (auto* popup = dynamic_cast<TcxCustomPopupWindow*>(FindControl(window))) {
      TWinControl* owner = popup->OwnerControl();
      return owner && owner->HandleAllocated() ? owner->Handle() : W;
    }
  return W;
}

// ---------------------------------------------------------------------------
// TcxCustomPopupWindow

TcxCustomPopupWindow::TcxCustomPopupWindow(TWinControl* AOwnerControl)
    : TcxPopupWindow(AOwnerControl), m_ownerControl(AOwnerControl) {
  SetFormStyle(TFormStyle::fsNormal);
  SetVisible(false);
  SetKeyPreview(true);
}

void TcxCustomPopupWindow::AfterConstruction() {
  inherited::AfterConstruction();
  m_style.reset(GetStyleClass().Create(this, false, nullptr, TcxContainerStateItem::csNormal));
  m_style->SetOnChanged(TNotifyEvent(this, &TcxCustomPopupWindow::StyleChanged));
  m_viewInfo.reset(GetViewInfoClass().Create());
}

TcxCustomPopupWindow::~TcxCustomPopupWindow() {
  RemoveFromOpenList(this);
  TcxPopupHooks::Update();
  m_viewInfo.reset();
  if (m_style)
    m_style->SetOnChanged(nullptr);
  m_style.reset();
}

const std::vector<TcxCustomPopupWindow*>& TcxCustomPopupWindow::OpenPopups() { return OpenList(); }

bool TcxCustomPopupWindow::HooksInstalled() { return TcxPopupHooks::Installed(); }

TcxContainerStyleClass TcxCustomPopupWindow::GetStyleClass() const {
  return TcxContainerStyle::StaticClass();
}

TcxContainerViewInfoClass TcxCustomPopupWindow::GetViewInfoClass() const {
  return TcxContainerViewInfo::StaticClass();
}

void TcxCustomPopupWindow::StyleChanged(TObject* Sender) { PopupWindowStyleChanged(Sender); }

void TcxCustomPopupWindow::AdjustClientRect(TRect& rect) { rect = m_viewInfo->ClientRect; }

void TcxCustomPopupWindow::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  TCustomForm* form = GetParentForm(m_ownerControl);
  if (m_captureFocus) {
    if (form)
      params.WndParent = form->Handle();
    params.Style = (params.Style & ~WS_CHILD) | WS_POPUP;
    const bool formTopMost =
        !form || (::GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (m_isTopMost && formTopMost)
      params.ExStyle |= WS_EX_TOPMOST;
  } else {
    params.Style = WS_CHILD;
    params.ExStyle |= WS_EX_TOOLWINDOW;
    if (!params.WndParent)
      params.WndParent = cxMessageWindow()->Handle();
  }
  params.Style |= WS_CLIPCHILDREN;
}

// A non-capturing popup is a child-style window without a parent, which
// never takes the activation.
void TcxCustomPopupWindow::CreateWnd() {
  inherited::CreateWnd();
  if (!m_captureFocus)
    ::SetParent(Handle(), nullptr);
}

// The hooks treat the window being made as part of an open popup.
void TcxCustomPopupWindow::CreateHandle() {
  if (IsOpen(this)) {
    inherited::CreateHandle();
    return;
  }
  OpenList().push_back(this);
  TcxPopupHooks::Update();
  const TScopeExit done([this] {
    RemoveFromOpenList(this);
    TcxPopupHooks::Update();
  });
  inherited::CreateHandle();
}

bool TcxCustomPopupWindow::IsVisible() const { return IsOpen(this); }

bool TcxCustomPopupWindow::HasCapture() { return HandleAllocated() && ::GetCapture() == Handle(); }

bool TcxCustomPopupWindow::IsOwnerControlVisible() {
  return m_ownerControl && m_ownerControl->HandleAllocated() &&
         ::IsWindowVisible(m_ownerControl->Handle());
}

bool TcxCustomPopupWindow::GetJustClosed() {
  const bool result = m_justClosed;
  m_justClosed = false;
  return result;
}

TWinControl* TcxCustomPopupWindow::GetFirstFocusControl(TWinControl* AControl) {
  if (!AControl)
    return this;
  if (AControl->CanFocus() && AControl->TabStop())
    return AControl;
  TWinControl* next = FindNextControl(nullptr, true, true, false);
  return next ? next : this;
}

bool TcxCustomPopupWindow::NeedTopMost() {
  TCustomForm* form = GetParentForm(m_ownerControl);
  if (!form ||
      (form->HandleAllocated() && (::GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST)))
    return true;
  if (m_captureFocus)
    return false;
  if (TopMostComboBoxes)
    return true;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* other = Screen->Forms(i);
    if (other->FormStyle() == TFormStyle::fsStayOnTop && !other->Visible())
      return true;
  }
  return false;
}

void TcxCustomPopupWindow::Popup(TWinControl* AFocusedControl) {
  if (IsOpen(this) || !IsOwnerControlVisible())
    return;
  InitPopup();
  CalculateSize();
  TPoint position = CalculatePosition();
  CorrectBoundsWithDesktopWorkArea(position);

  OpenList().push_back(this);
  TcxPopupHooks::Update();
  DoShowing();
  SetBounds(position.X, position.Y, Width(), Height());
  Show();

  m_focusedControl = m_captureFocus ? GetFirstFocusControl(AFocusedControl) : AFocusedControl;
  if (m_focusedControl)
    m_focusedControl->SetFocus();
  ::SetWindowPos(Handle(), NeedTopMost() ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetModalResult(mrNone);
  DoShowed();
  if (m_captureFocus && m_modalMode)
    RunModalLoop();
}

// Runs while the popup is shown; Alt+Enter, Alt and Alt+Space waiting in the
// queue are dropped so that they do not reach a menu.
void TcxCustomPopupWindow::RunModalLoop() {
  while (Visible() && !Application->Terminated()) {
    MSG msg;
    if (::PeekMessageW(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_MENU || msg.wParam == VK_SPACE))
      ::PeekMessageW(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE);
    if (ModalResult() != mrNone) {
      if (CloseQuery())
        ModalCloseUp();
      else
        SetModalResult(mrNone);
    }
    if (!Visible())
      break;
    Application->HandleMessage();
  }
}

void TcxCustomPopupWindow::CorrectBoundsWithDesktopWorkArea(TPoint& P) {
  if (!AcceptsAnySize())
    return;
  const TRect area = GetDesktopWorkArea(P);
  int width = Width();
  int height = Height();
  if (P.X < area.Left) {
    width -= area.Left - P.X;
    P.X = area.Left;
  }
  if (P.Y < area.Top) {
    height -= area.Top - P.Y;
    P.Y = area.Top;
  }
  SetWidth(std::min(width, area.Right - P.X));
  const int asked = std::min(height, area.Bottom - P.Y);
  SetHeight(asked);
  // A popup opened upwards keeps its bottom edge when it took less height.
  if (Height() != asked && P.Y == area.Top)
    P.Y += asked - Height();
}

TRect TcxCustomPopupWindow::GetOwnerScreenBounds() {
  TRect r = OwnerBounds();
  if (m_ownerControl && m_ownerControl->HandleAllocated() &&
      IsChildClassWindow(m_ownerControl->Handle()) && OwnerParent()) {
    const TPoint topLeft = OwnerParent()->ClientToScreen({r.Left, r.Top});
    const TPoint bottomRight = OwnerParent()->ClientToScreen({r.Right, r.Bottom});
    r = TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
  }
  return r;
}

void TcxCustomPopupWindow::CloseUp() {
  if (!IsOpen(this))
    return;
  RemoveFromOpenList(this);
  DoClosing();
  if (HandleAllocated())
    ::ShowWindow(Handle(), SW_HIDE);
  Hide();
  DoClosed();
  HWND capture = ::GetCapture();
  if (capture && HandleAllocated() && (capture == Handle() || ::IsChild(Handle(), capture)))
    SetCaptureControl(nullptr);
  TcxPopupHooks::Update();
}

void TcxCustomPopupWindow::ClosePopup() { ::PostMessageW(Handle(), CM_CLOSEPOPUPWINDOW, 0, 0); }

void TcxCustomPopupWindow::DoClosed() {
  if (m_onClosed)
    m_onClosed(this);
}

void TcxCustomPopupWindow::DoClosing() {
  if (m_onClosing)
    m_onClosing(this);
}

void TcxCustomPopupWindow::DoShowed() {
  if (m_onShowed)
    m_onShowed(this);
}

void TcxCustomPopupWindow::DoShowing() {
  if (m_onShowing)
    m_onShowing(this);
}

bool TcxCustomPopupWindow::IsSysKeyAccepted(WORD AKey) {
  return (AKey >= VK_PRIOR && AKey <= VK_DOWN) || AKey == VK_F4;
}

void TcxCustomPopupWindow::RecreateWindow() {
  if (HandleAllocated())
    RecreateWnd();
}

void TcxCustomPopupWindow::ReopenWith(TWinControl* AFocusedControl) {
  RecreateWindow();
  if (!IsOpen(this))
    return;
  CloseUp();
  Popup(AFocusedControl);
}

void TcxCustomPopupWindow::SetCaptureFocus(bool AValue) {
  if (m_captureFocus == AValue)
    return;
  m_captureFocus = AValue;
  ReopenWith(m_focusedControl);
}

void TcxCustomPopupWindow::SetIsTopMost(bool AValue) {
  if (m_isTopMost == AValue)
    return;
  m_isTopMost = AValue;
  ReopenWith(m_focusedControl);
}

// Closes the open popups that are not active, from the last opened, unless
// the newly active window is one of them.
void TcxCustomPopupWindow::Deactivate() {
  if (m_deactivateLocked)
    return;
  if (OpenList().empty())
    return;
  HWND active = ::GetActiveWindow();
  const TPopupList list = OpenList();
  for (std::size_t i = list.size(); i-- > 0;) {
    TcxCustomPopupWindow* popup = list[i];
    if (popup->HandleAllocated() && popup->Handle() == active)
      return;
    if (popup->HandleAllocated() && ::IsWindowEnabled(popup->Handle()))
      popup->CloseUp();
  }
  if (!OpenList().empty())
    CloseUp();
}

void TcxCustomPopupWindow::KeyDown(WORD& key, TShiftState shift) {
  if (IsOpen(this) && HasCapture() && key == VK_ESCAPE) {
    SetCaptureControl(nullptr);
    ::ReleaseCapture();
    key = 0;
    return;
  }
  inherited::KeyDown(key, shift);
}

void TcxCustomPopupWindow::VisibleChanged() {
  inherited::VisibleChanged();
  if (!m_captureFocus || !m_ownerControl || !HandleAllocated() || ::IsWindowVisible(Handle()))
    return;
  TCustomForm* form = GetParentForm(m_ownerControl);
  if (form && form->HandleAllocated() && ::GetFocus() == form->Handle() &&
      m_ownerControl->CanFocus() && !IsDesigning(form))
    m_ownerControl->SetFocus();
}

bool TcxCustomPopupWindow::Focused() {
  if (!IsOpen(this) || !m_captureFocus || !HandleAllocated())
    return false;
  HWND focus = ::GetFocus();
  return focus && (focus == Handle() || ::IsChild(Handle(), focus));
}

void TcxCustomPopupWindow::Paint() { m_viewInfo->Paint(Canvas()); }

void TcxCustomPopupWindow::CMClosePopupWindow() {
  {
    LockDeactivate(true);
    const TScopeExit unlock([this] { LockDeactivate(false); });
    CloseUp();
  }
  if (m_ownerControl && m_ownerControl->HandleAllocated())
    ::SendMessageW(m_ownerControl->Handle(), WM_SETFOCUS, 0, 0);
}

void TcxCustomPopupWindow::Dispatch(TMessage& message) {
  switch (message.Msg) {
  case WM_ACTIVATEAPP:
    break;
  case WM_ERASEBKGND:
    if (HasBackground())
      inherited::Dispatch(message);
    else
      message.Result = 1;
    break;
  case CM_MOUSEENTER:
  case CM_MOUSELEAVE: {
    inherited::Dispatch(message);
    TControl* control = TCMMouseEnterLeave(message).ControlOr(this);
    if (message.Msg == CM_MOUSEENTER)
      MouseEnter(control);
    else
      MouseLeave(control);
    break;
  }
  case CM_CLOSEPOPUPWINDOW:
    CMClosePopupWindow();
    break;
  case CM_SHOWPOPUPWINDOW:
    Popup(m_focusedControl);
    break;
  default:
    inherited::Dispatch(message);
    break;
  }
}
