#include "platform/comctrls/TrayIcon.h"

#include "platform/controls/Application.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timers.h"

namespace {

using enum TTrayIconMessage;

// The icon's number among the icons of its window (each icon has a window
// of its own).
constexpr UINT kIconId = 1;

TNotifyIconFunction& NotifyIconFunction() {
  static TNotifyIconFunction function;
  return function;
}

BOOL NotifyIcon(DWORD message, NOTIFYICONDATAW& data) {
  if (const TNotifyIconFunction& function = NotifyIconFunction())
    return function(message, data);
  return ::Shell_NotifyIconW(message, &data);
}

// The program's own icon, else the platform's application icon.
HICON ApplicationIcon() {
  static const WCHAR kMainIcon[] = {'M', 'A', 'I', 'N', 'I', 'C', 'O', 'N', 0};
  if (HICON icon = ::LoadIconW(::GetModuleHandleW(nullptr), kMainIcon))
    return icon;
  return ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

} // namespace

TNotifyIconFunction SetNotifyIconFunction(TNotifyIconFunction function) {
  return std::exchange(NotifyIconFunction(), std::move(function));
}

void TTrayIcon::Publish(TPublisher& p) {
  p.Property("Visible", &TTrayIcon::Visible, &TTrayIcon::SetVisible).Default(false);
  p.Property("Hide", &TTrayIcon::Hide, &TTrayIcon::SetHide).Default(false);
  p.Property("RestoreOn", &TTrayIcon::RestoreOn, &TTrayIcon::SetRestoreOn)
      .Default(imDoubleClick);
  p.Property("PopupMenuOn", &TTrayIcon::PopupMenuOn, &TTrayIcon::SetPopupMenuOn).Default(imNone);
}

TTrayIcon::TTrayIcon(TComponent* owner)
    : TComponent(owner), m_window(AllocateHWnd(TWndMethod(this, &TTrayIcon::WndProc))),
      m_icon(ApplicationIcon()) {}

TTrayIcon::~TTrayIcon() {
  if (m_window)
    DeallocateHWnd(m_window);
}

void TTrayIcon::BeforeDestruction() {
  inherited::BeforeDestruction();
  m_visible = false;
  m_hide = false;
  UpdateIcon();
  UpdateMinimizeHook();
}

bool TTrayIcon::Active() const {
  const TComponentState state = ComponentState();
  return !state.Contains(TComponentStateItem::csLoading) &&
         !state.Contains(TComponentStateItem::csDesigning) &&
         !state.Contains(TComponentStateItem::csDestroying);
}

void TTrayIcon::Loaded() {
  inherited::Loaded();
  UpdateIcon();
  UpdateMinimizeHook();
}

void TTrayIcon::SetVisible(bool visible) {
  if (m_visible == visible)
    return;
  m_visible = visible;
  UpdateIcon();
}

void TTrayIcon::SetHide(bool hide) {
  if (m_hide == hide)
    return;
  m_hide = hide;
  UpdateMinimizeHook();
}

NOTIFYICONDATAW TTrayIcon::IconData() const {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof(data);
  data.hWnd = m_window;
  data.uID = kIconId;
  data.uFlags = NIF_ICON | NIF_MESSAGE;
  data.uCallbackMessage = CallbackMessage;
  data.hIcon = m_icon;
  return data;
}

// A failure to add the icon (no notification area) is no error: the icon is
// then not shown, and minimising hides no window, so that the application
// stays within reach.
void TTrayIcon::UpdateIcon() {
  const bool show = m_visible && Active();
  if (show == m_iconShown)
    return;
  NOTIFYICONDATAW data = IconData();
  if (show) {
    m_iconShown = NotifyIcon(NIM_ADD, data) != FALSE;
  } else {
    m_iconShown = false;
    NotifyIcon(NIM_DELETE, data);
  }
}

// Minimising the application, with Hide, also hides its windows: this
// component's handler goes before the application's own one and calls it.
void TTrayIcon::UpdateMinimizeHook() {
  const bool hook = m_hide && Active() && Application;
  if (hook == m_hooked)
    return;
  const TNotifyEvent ours(this, &TTrayIcon::ApplicationMinimized);
  if (hook) {
    m_previousOnMinimize = Application->OnMinimize();
    Application->SetOnMinimize(ours);
  } else if (Application && Application->OnMinimize() == ours) {
    Application->SetOnMinimize(m_previousOnMinimize);
  }
  m_hooked = hook;
}

void TTrayIcon::ApplicationMinimized(TObject* sender) {
  if (m_iconShown)
    HideApplicationWindows();
  if (m_previousOnMinimize)
    m_previousOnMinimize(sender);
}

// The forms are listed first: hiding the active one activates another,
// which reorders the screen's list of forms.
void TTrayIcon::HideApplicationWindows() {
  if (!Screen)
    return;
  std::vector<HWND> shown;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && ::IsWindowVisible(form->Handle()))
      shown.push_back(form->Handle());
  }
  for (HWND window : shown) {
    ::ShowWindow(window, SW_HIDE);
    m_hiddenWindows.push_back(window);
  }
}

void TTrayIcon::Restore() {
  HWND mainWindow = Application && Application->MainForm() &&
                            Application->MainForm()->HandleAllocated()
                        ? Application->MainForm()->Handle()
                        : nullptr;
  for (HWND window : std::exchange(m_hiddenWindows, {}))
    if (window != mainWindow && ::IsWindow(window))
      ::ShowWindow(window, SW_SHOWNOACTIVATE);
  if (Application)
    Application->Restore();
}

void TTrayIcon::WndProc(TMessage& message) {
  if (message.Msg == CallbackMessage) {
    MouseAction(static_cast<UINT>(message.LParam));
    return;
  }
  message.Result = ::DefWindowProcW(m_window, message.Msg, message.WParam, message.LParam);
}

void TTrayIcon::MouseAction(UINT mouseMessage) {
  const bool restore = (m_restoreOn == imDoubleClick && mouseMessage == WM_LBUTTONDBLCLK) ||
                       (m_restoreOn == imClick && mouseMessage == WM_LBUTTONUP);
  if (restore)
    Restore();
}
