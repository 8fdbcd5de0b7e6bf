#include "framework/cxControlsTimers.h"

#include <map>
#include <memory>

namespace {

// The window that owns the platform timers of every TcxTimer, and the
// registry of the timers whose platform timer runs, by event identifier.
class TcxTimerWindow : public TcxMessageWindow {
  OBJECT_CLASS(TcxTimerWindow, TcxMessageWindow)
public:
  std::map<UINT_PTR, TcxTimer*> RunningTimers;

protected:
  void WndProc(TMessage& message) override {
    if (message.Msg != WM_TIMER) {
      TcxMessageWindow::WndProc(message);
      return;
    }
    // A tick of a timer killed or freed meanwhile finds no entry.
    const auto found = RunningTimers.find(TWMTimer(message).TimerID());
    if (found != RunningTimers.end())
      found->second->TimeOut();
  }
};

std::unique_ptr<TcxMessageWindow> sharedMessageWindow;
std::unique_ptr<TcxTimerWindow> timerWindow;
UINT_PTR lastEventId = 0;

TcxTimerWindow& TimerWindow() {
  if (!timerWindow)
    timerWindow = std::make_unique<TcxTimerWindow>();
  return *timerWindow;
}

} // namespace

TcxMessageWindow::TcxMessageWindow()
    : m_handle(AllocateHWnd(TWndMethod(this, &TcxMessageWindow::WndProc))) {}

TcxMessageWindow::~TcxMessageWindow() { DeallocateHWnd(m_handle); }

void TcxMessageWindow::WndProc(TMessage& message) {
  message.Result = ::DefWindowProcW(m_handle, message.Msg, message.WParam, message.LParam);
}

TcxMessageWindow* cxMessageWindow() {
  if (!sharedMessageWindow)
    sharedMessageWindow = std::make_unique<TcxMessageWindow>();
  return sharedMessageWindow.get();
}

void TcxTimer::Publish(TPublisher& p) {
  p.Property("Enabled", &TcxTimer::Enabled, &TcxTimer::SetEnabled).Default(true);
  p.Property("Interval", &TcxTimer::Interval, &TcxTimer::SetInterval).Default(1000u);
  p.Property("OnTimer", &TcxTimer::OnTimer, &TcxTimer::SetOnTimer);
}

TcxTimer::TcxTimer(TComponent* AOwner) : TComponent(AOwner), m_eventId(++lastEventId) {}

TcxTimer::~TcxTimer() { KillTimer(); }

void TcxTimer::SetEnabled(bool Value) {
  if (m_enabled == Value)
    return;
  m_enabled = Value;
  UpdateTimer();
}

void TcxTimer::SetInterval(unsigned Value) {
  if (Value == 0 || m_interval == Value)
    return;
  m_interval = Value;
  UpdateTimer();
}

void TcxTimer::SetOnTimer(const TNotifyEvent& Value) {
  m_onTimer = Value;
  UpdateTimer();
}

void TcxTimer::TimeOut() {
  if (m_onTimer)
    m_onTimer(this);
}

bool TcxTimer::CanSetTimer() const { return m_enabled && !m_timerOn && m_onTimer; }

void TcxTimer::SetTimer() {
  if (CanSetTimer())
    SetTimerOn(::SetTimer(TimerWindow().Handle(), m_eventId, m_interval, nullptr) != 0);
}

void TcxTimer::KillTimer() {
  if (!m_timerOn)
    return;
  // After the unit's shut-down the window and its timers are gone already.
  if (timerWindow)
    ::KillTimer(timerWindow->Handle(), m_eventId);
  SetTimerOn(false);
}

void TcxTimer::SetTimerOn(bool Value) {
  if (m_timerOn == Value)
    return;
  if (Value)
    TimerWindow().RunningTimers[m_eventId] = this;
  else if (timerWindow)
    timerWindow->RunningTimers.erase(m_eventId);
  m_timerOn = Value;
}

void TcxTimer::UpdateTimer() {
  KillTimer();
  SetTimer();
}

void cxcontrols_detail::FreeTimerWindows() {
  timerWindow.reset();
  sharedMessageWindow.reset();
}
