#include "platform/controls/Timers.h"

#include "platform/controls/Application.h"
#include "platform/controls/WindowProcs.h"

namespace {

constexpr WCHAR kUtilWindowClass[] = {'T', 'P', 'U', 't', 'i', 'l', 'W', 'i', 'n', 'd', 'o', 'w', 0};
constexpr WCHAR kMethodProperty[] = {'W', 'n', 'd', 'M', 'e', 't', 'h', 'o', 'd', 0};

TWndMethod* MethodOf(HWND window) {
  return static_cast<TWndMethod*>(::GetPropW(window, kMethodProperty));
}

LRESULT CALLBACK UtilWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWndMethod* held = MethodOf(window);
  if (!held)
    return ::DefWindowProcW(window, msg, wParam, lParam);
  // A copy: the method may deallocate the window and what it holds.
  const TWndMethod method = *held;
  TMessage message{msg, wParam, lParam, 0};
  try {
    method(message);
  } catch (...) {
    HandleCallbackException(nullptr);
  }
  return message.Result;
}

void RegisterUtilWindowClass() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSW existing{};
  if (::GetClassInfoW(instance, kUtilWindowClass, &existing))
    return;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = UtilWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kUtilWindowClass;
  if (!::RegisterClassW(&windowClass))
    controls_detail::RaiseLastWindowError();
}

} // namespace

HWND AllocateHWnd(const TWndMethod& method) {
  RegisterUtilWindowClass();
  HWND window = ::CreateWindowExW(WS_EX_TOOLWINDOW, kUtilWindowClass, L"", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (!window)
    controls_detail::RaiseLastWindowError();
  ::SetPropW(window, kMethodProperty, new TWndMethod(method));
  return window;
}

void DeallocateHWnd(HWND window) {
  if (!window)
    return;
  TWndMethod* method = MethodOf(window);
  ::RemovePropW(window, kMethodProperty);
  delete method;
  ::DestroyWindow(window);
}

void TTimer::Publish(TPublisher& p) {
  p.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
  p.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000u);
  p.Property("OnTimer", &TTimer::OnTimer, &TTimer::SetOnTimer);
}

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), m_window(AllocateHWnd(TWndMethod(this, &TTimer::WndProc))) {}

TTimer::~TTimer() {
  m_enabled = false;
  UpdateTimer();
  DeallocateHWnd(m_window);
}

void TTimer::SetEnabled(bool enabled) {
  if (m_enabled == enabled)
    return;
  m_enabled = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
  if (m_interval == interval)
    return;
  m_interval = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& handler) {
  m_onTimer = handler;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  ::KillTimer(m_window, 1);
  if (m_interval != 0 && m_enabled && m_onTimer)
    if (::SetTimer(m_window, 1, m_interval, nullptr) == 0)
      throw EOutOfResources("Not enough timers available");
}

void TTimer::WndProc(TMessage& message) {
  if (message.Msg == WM_TIMER) {
    try {
      Timer();
    } catch (...) {
      HandleCallbackException(this);
    }
    return;
  }
  message.Result = ::DefWindowProcW(m_window, message.Msg, message.WParam, message.LParam);
}

void TTimer::Timer() {
  if (m_onTimer)
    m_onTimer(this);
}
