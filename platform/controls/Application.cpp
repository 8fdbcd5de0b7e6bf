#include "platform/controls/Application.h"

#include "platform/controls/Dialogs.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timers.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/WideText.h"

TApplication* Application = nullptr;

namespace {

thread_local std::function<void(TComponent*)>* g_pendingFormReference = nullptr;

// The executable's file name without folder and extension.
std::string ExecutableTitle() {
  std::u16string path(MAX_PATH, u'\0');
  const DWORD length = ::GetModuleFileNameW(nullptr, WidePtr(path), MAX_PATH);
  path.resize(length);
  const std::size_t slash = path.find_last_of(u"\\/");
  std::u16string name = slash == std::u16string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of(u'.');
  if (dot != std::u16string::npos)
    name.resize(dot);
  return WideToAnsi(name);
}

// The error-box text of a message: a "." is added when the last character
// sorts after ".", so that texts ending in "!", ")" or "." get none.
std::string ErrorBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
    return message + '.';
  return message;
}

BOOL CALLBACK CollectTaskWindow(HWND window, LPARAM data) {
  auto* context = reinterpret_cast<std::pair<HWND, std::vector<HWND>*>*>(data);
  if (window != context->first && ::IsWindowVisible(window) && ::IsWindowEnabled(window))
    context->second->push_back(window);
  return TRUE;
}

} // namespace

namespace controls_detail {

TFormReferenceScope::TFormReferenceScope(std::function<void(TComponent*)> assign) {
  g_pendingFormReference = new std::function<void(TComponent*)>(std::move(assign));
}

TFormReferenceScope::~TFormReferenceScope() {
  delete g_pendingFormReference;
  g_pendingFormReference = nullptr;
}

void TFormReferenceScope::AssignPending(TComponent* instance) {
  if (!g_pendingFormReference)
    return;
  std::function<void(TComponent*)>* assign = std::exchange(g_pendingFormReference, nullptr);
  (*assign)(instance);
  delete assign;
}

TTaskWindowsDisabled::TTaskWindowsDisabled(HWND except) {
  std::pair<HWND, std::vector<HWND>*> context{except, &m_windows};
  ::EnumThreadWindows(::GetCurrentThreadId(), CollectTaskWindow,
                      reinterpret_cast<LPARAM>(&context));
  for (HWND window : m_windows)
    ::EnableWindow(window, FALSE);
}

TTaskWindowsDisabled::~TTaskWindowsDisabled() {
  for (HWND window : m_windows)
    if (::IsWindow(window))
      ::EnableWindow(window, TRUE);
}

} // namespace controls_detail

void CreateApplication() {
  if (!Application)
    Application = Create<TApplication>(nullptr);
}

void DestroyApplication() {
  if (!Application)
    return;
  Application->Free();
  Application = nullptr;
}

void HandleCallbackException(TObject* sender) noexcept {
  try {
    if (Application) {
      Application->HandleException(sender);
      return;
    }
    try {
      throw;
    } catch (EAbort&) {
    } catch (Exception& error) {
      ShowMessageBox(nullptr, ErrorBoxText(error.Message()), ExecutableTitle(),
                     MB_OK | MB_ICONSTOP);
    }
  } catch (...) {
  }
}

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), m_handle(AllocateHWnd(TWndMethod(this, &TApplication::WndProc))) {}

TApplication::~TApplication() { DeallocateHWnd(m_handle); }

void TApplication::BeforeDestruction() {
  inherited::BeforeDestruction();
  DestroyComponents();
}

void TApplication::FormCreated(TComponent* instance) {
  auto* form = dynamic_cast<TCustomForm*>(instance);
  if (m_mainForm || !form)
    return;
  form->HandleNeeded();
  m_mainForm = form;
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_mainForm)
    m_mainForm = nullptr;
}

void TApplication::ControlDestroying(TControl* control) {
  if (m_mouseControl == control)
    m_mouseControl = nullptr;
  if (Screen)
    if (auto* windowed = dynamic_cast<TWinControl*>(control))
      Screen->ControlDestroying(windowed);
}

void TApplication::Run() {
  if (!m_mainForm)
    return;
  m_mainForm->SetVisible(true);
  do {
    try {
      HandleMessage();
    } catch (...) {
      HandleException(this);
    }
  } while (!m_terminated);
}

void TApplication::Terminate() { ::PostQuitMessage(0); }

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (!ProcessMessage())
    Idle();
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    return false;
  if (msg.message == WM_QUIT) {
    m_terminated = true;
    return true;
  }
  if (!IsKeyMsg(msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return true;
}

bool TApplication::IsKeyMsg(const MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
    return false;
  // A window of this thread holding the capture (a control, or a drag's
  // capture window) gets the keys first.
  HWND window = ::GetCapture();
  if (!window) {
    window = msg.hwnd;
    while (window && !IsVCLControl(window))
      window = ::GetParent(window);
    if (!window)
      return false;
  }
  return ::SendMessageW(window, CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

void TApplication::Idle() {
  DoMouseIdle();
  ::WaitMessage();
}

void TApplication::DoMouseIdle() {
  POINT pos;
  ::GetCursorPos(&pos);
  TControl* target = FindVCLWindow({pos.x, pos.y});
  if (auto* windowed = dynamic_cast<TWinControl*>(target))
    if (TControl* child = windowed->ControlAtPos(windowed->ScreenToClient({pos.x, pos.y}), true))
      target = child;
  if (m_mouseControl == target)
    return;
  TControl* left = std::exchange(m_mouseControl, target);
  try {
    if (left)
      left->Perform(CM_MOUSELEAVE);
    if (m_mouseControl && m_mouseControl == target)
      m_mouseControl->Perform(CM_MOUSEENTER);
  } catch (...) {
    HandleException(this);
  }
}

std::string TApplication::Title() const { return m_title.empty() ? ExecutableTitle() : m_title; }

void TApplication::Minimize() {
  if (!m_mainForm || !m_mainForm->HandleAllocated())
    return;
  ::ShowWindow(m_mainForm->Handle(), SW_MINIMIZE);
  if (m_onMinimize)
    m_onMinimize(this);
}

void TApplication::Restore() {
  if (!m_mainForm || !m_mainForm->HandleAllocated())
    return;
  ::ShowWindow(m_mainForm->Handle(), SW_RESTORE);
  ::SetForegroundWindow(m_mainForm->Handle());
  if (m_onRestore)
    m_onRestore(this);
}

void TApplication::HandleException(TObject* sender) {
  if (HWND capture = ::GetCapture())
    ::SendMessageW(capture, WM_CANCELMODE, 0, 0);
  try {
    throw;
  } catch (EAbort&) {
  } catch (Exception& error) {
    ReportException(sender, error);
  } catch (std::exception& error) {
    Exception wrapped(error.what());
    ReportException(sender, wrapped);
  } catch (...) {
    Exception wrapped("Unknown exception");
    ReportException(sender, wrapped);
  }
}

void TApplication::ReportException(TObject* sender, Exception& error) {
  if (m_onException)
    m_onException(sender, &error);
  else
    ShowException(error);
}

void TApplication::ShowException(const Exception& error) {
  MessageBox(ErrorBoxText(error.Message()), Title(), MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  HWND active = ::GetActiveWindow();
  int result = 0;
  {
    controls_detail::TTaskWindowsDisabled disabled;
    result = ShowMessageBox(m_handle, text, caption, flags);
  }
  if (active && ::IsWindow(active))
    ::SetActiveWindow(active);
  return result;
}

void TApplication::WndProc(TMessage& message) {
  switch (message.Msg) {
  case WM_ACTIVATEAPP:
    m_active = TWMActivateApp(message).Active();
    if (m_active ? m_onActivate : m_onDeactivate)
      (m_active ? m_onActivate : m_onDeactivate)(this);
    break;
  case WM_SETTINGCHANGE: SettingChanged(message); break;
  default:
    message.Result = ::DefWindowProcW(m_handle, message.Msg, message.WParam, message.LParam);
    break;
  }
}

void TApplication::SettingChanged(TMessage& message) {
  if (m_updateFormatSettings)
    GetFormatSettings();
  if (!Screen)
    return;
  for (int i = Screen->FormCount() - 1; i >= 0; --i)
    if (i < Screen->FormCount())
      Screen->Forms(i)->Perform(CM_WININICHANGE, message.WParam, message.LParam);
}
