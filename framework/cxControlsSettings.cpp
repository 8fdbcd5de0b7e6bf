#include "framework/cxControlsSettings.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/controls/Application.h"
#include "platform/controls/Timers.h"

namespace {

class TcxSettingsController {
public:
  ~TcxSettingsController() { DeallocateHWnd(m_window); }

  void AddListener(TWinControl* control);
  void RemoveListener(TWinControl* control);

private:
  struct TListener {
    TWinControl* Control;
    // A control freed without unregistering is skipped, not touched.
    TControlLife Life;
  };

  auto Find(TWinControl* control) {
    return std::find_if(m_listeners.begin(), m_listeners.end(),
                        [control](const TListener& l) { return l.Control == control; });
  }
  void WndProc(TMessage& message);
  void NotifyListeners();

  std::vector<TListener> m_listeners;
  HWND m_window = nullptr;
};

std::unique_ptr<TcxSettingsController> settingsController;

void TcxSettingsController::AddListener(TWinControl* control) {
  if (Find(control) != m_listeners.end())
    return;
  if (!m_window)
    m_window = AllocateHWnd(TWndMethod(this, &TcxSettingsController::WndProc));
  m_listeners.push_back({control, TControlLife(control)});
}

void TcxSettingsController::RemoveListener(TWinControl* control) {
  const auto found = Find(control);
  if (found == m_listeners.end())
    return;
  m_listeners.erase(found);
  if (m_listeners.empty()) {
    DeallocateHWnd(m_window);
    m_window = nullptr;
  }
}

void TcxSettingsController::WndProc(TMessage& message) {
  if (message.Msg == WM_SETTINGCHANGE &&
      TWMSettingChange(message).Flag() == SPI_SETNONCLIENTMETRICS) {
    NotifyListeners();
    message.Result = 0;
    return;
  }
  message.Result = ::DefWindowProcW(m_window, message.Msg, message.WParam, message.LParam);
}

void TcxSettingsController::NotifyListeners() {
  for (const TListener& listener : m_listeners)
    if (listener.Life.Alive() && listener.Control->HandleAllocated())
      ::SendNotifyMessageW(listener.Control->Handle(), CM_NCSIZECHANGED, 0, 0);
}

TcxSettingsController& SettingsController() {
  if (!settingsController)
    settingsController = std::make_unique<TcxSettingsController>();
  return *settingsController;
}

} // namespace

void cxAddSettingsListener(TWinControl* AControl) { SettingsController().AddListener(AControl); }

void cxRemoveSettingsListener(TWinControl* AControl) {
  if (settingsController)
    settingsController->RemoveListener(AControl);
}

void cxcontrols_detail::FreeSettingsController() { settingsController.reset(); }
