// The library's hidden message windows and its timers. Every TcxTimer runs
// its platform timer on one shared hidden window, so a form full of
// controls with timers costs one window, not one each.
#pragma once

#include "platform/controls/Timers.h"

// A hidden top-level window whose messages go to WndProc.
class TcxMessageWindow : public TObject {
  OBJECT_CLASS(TcxMessageWindow, TObject)
public:
  TcxMessageWindow();
  ~TcxMessageWindow() override;

  HWND Handle() const { return m_handle; }

protected:
  // Answers every message with the default window procedure.
  virtual void WndProc(TMessage& message);

private:
  HWND m_handle = nullptr;
};

// The process's shared message window, made on first use.
TcxMessageWindow* cxMessageWindow();

class TcxTimer : public TComponent {
  OBJECT_CLASS(TcxTimer, TComponent)
public:
  static void Publish(TPublisher& p);

  explicit TcxTimer(TComponent* AOwner);
  ~TcxTimer() override;

  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool Value);
  unsigned Interval() const { return m_interval; }
  // 0 keeps the interval there is.
  void SetInterval(unsigned Value);
  const TNotifyEvent& OnTimer() const { return m_onTimer; }
  // A timer without a handler never runs.
  void SetOnTimer(const TNotifyEvent& Value);

  // Runs on each tick; descendants override it to act without a handler.
  virtual void TimeOut();

protected:
  // Whether a platform timer may start: enabled, not running, and a handler
  // assigned.
  virtual bool CanSetTimer() const;

private:
  void SetTimer();
  void KillTimer();
  void SetTimerOn(bool Value);
  void UpdateTimer();

  bool m_enabled = true;
  // Distinct for every timer ever made, so that a tick queued for a freed
  // timer never reaches a newer one that took its address.
  UINT_PTR m_eventId;
  unsigned m_interval = 1000;
  TNotifyEvent m_onTimer;
  bool m_timerOn = false;
};

namespace cxcontrols_detail {
// Frees the shared timer window, its registry and the shared message window.
void FreeTimerWindows();
} // namespace cxcontrols_detail
