#include "platform/controls/WindowProcs.h"

#include "platform/controls/Application.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/rtl/WideText.h"

namespace controls_detail {

struct TWindowAccess {
  static void SetHandle(TWinControl* control, HWND window) { control->m_handle = window; }
  static HWND Handle(const TWinControl* control) { return control->m_handle; }
};

} // namespace controls_detail

namespace {

using controls_detail::TWindowAccess;

// The window property that links a window to its control.
constexpr WCHAR kBindingProperty[] = {'C', 'o', 'n', 't', 'r', 'o', 'l', 'O', 'f',
                                      'W', 'i', 'n', 'd', 'o', 'w', 0};

struct TWindowBinding {
  TWinControl* Control = nullptr;
  WNDPROC DefWndProc = nullptr;
};

struct TPendingCreation {
  TWinControl* Control = nullptr;
  WNDPROC DefWndProc = nullptr;
};

thread_local TPendingCreation g_creation;

TWindowBinding* BindingOf(HWND window) {
  return static_cast<TWindowBinding*>(::GetPropW(window, kBindingProperty));
}

bool IsOwnWindow(HWND window) {
  DWORD processId = 0;
  return ::GetWindowThreadProcessId(window, &processId) && processId == ::GetCurrentProcessId();
}

// The first message of a window being created binds it to its control.
TWindowBinding* BindCreatedWindow(HWND window) {
  if (!g_creation.Control)
    return nullptr;
  auto* binding = new TWindowBinding{g_creation.Control, g_creation.DefWndProc};
  g_creation = {};
  ::SetPropW(window, kBindingProperty, binding);
  TWindowAccess::SetHandle(binding->Control, window);
  return binding;
}

void ReleaseBinding(HWND window, TWindowBinding* binding) {
  ::RemovePropW(window, kBindingProperty);
  delete binding;
}

LRESULT DispatchToControl(TWindowBinding* binding, HWND window, UINT msg, WPARAM wParam,
                          LPARAM lParam) {
  TWinControl* control = binding->Control;
  TControlLife life(control);
  TMessage message{msg, wParam, lParam, 0};
  try {
    control->WindowProc()(message);
  } catch (...) {
    HandleCallbackException(life ? control : nullptr);
  }
  FreeDeviceContexts();
  if (msg == WM_NCDESTROY && life && TWindowAccess::Handle(control) == window)
    TWindowAccess::SetHandle(control, nullptr);
  return message.Result;
}

} // namespace

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindowBinding* binding = BindingOf(window);
  if (!binding)
    binding = BindCreatedWindow(window);
  if (!binding)
    return ::DefWindowProcW(window, msg, wParam, lParam);
  LRESULT result = 0;
  if (binding->Control)
    result = DispatchToControl(binding, window, msg, wParam, lParam);
  else
    result = ::CallWindowProcW(binding->DefWndProc, window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY)
    ReleaseBinding(window, binding);
  return result;
}

// Only a window of this process can be one of its controls. Another
// program's window (one under the mouse, say) may carry the same property,
// holding an address that means nothing here: it is never read.
TWinControl* FindControl(HWND window) {
  if (!window || !IsOwnWindow(window))
    return nullptr;
  TWindowBinding* binding = BindingOf(window);
  return binding ? binding->Control : nullptr;
}

bool IsVCLControl(HWND window) { return FindControl(window) != nullptr; }

TWinControl* FindVCLWindow(TPoint pos) {
  HWND window = ::WindowFromPoint(POINT{pos.X, pos.Y});
  while (window && !IsVCLControl(window))
    window = ::GetParent(window);
  return FindControl(window);
}

namespace controls_detail {

TCreationBinding::TCreationBinding(TWinControl* control, WNDPROC defWndProc) {
  g_creation = {control, defWndProc};
}

TCreationBinding::~TCreationBinding() { g_creation = {}; }

void UnbindWindow(HWND window) {
  if (TWindowBinding* binding = BindingOf(window))
    binding->Control = nullptr;
}

void RegisterControlClass(const TCreateParams& params) {
  const std::u16string className = AnsiToWide(params.WinClassName);
  HINSTANCE instance = params.WindowClass.hInstance;
  WNDCLASSW existing{};
  if (::GetClassInfoW(instance, WidePtr(className), &existing)) {
    if (existing.lpfnWndProc == ControlWindowProc)
      return;
    ::UnregisterClassW(WidePtr(className), instance);
  }
  WNDCLASSW windowClass = params.WindowClass;
  windowClass.lpfnWndProc = ControlWindowProc;
  windowClass.lpszClassName = WidePtr(className);
  windowClass.lpszMenuName = nullptr;
  if (!::RegisterClassW(&windowClass))
    RaiseLastWindowError();
}

void RaiseLastWindowError() {
  const DWORD code = ::GetLastError();
  WCHAR* text = nullptr;
  ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                       FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<WCHAR*>(&text), 0, nullptr);
  std::string message = text ? WideToAnsi(text) : std::string();
  if (text)
    ::LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
    message.pop_back();
  throw EOSError("System Error.  Code: " + std::to_string(code) + ".\r\n" + message);
}

} // namespace controls_detail
