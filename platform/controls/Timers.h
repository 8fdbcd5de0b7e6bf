// Hidden top-level message windows whose messages go to a method
// (AllocateHWnd), and TTimer, which ticks through one of them in every
// message loop, modal forms and message boxes included.
//
// Classes in this file: TTimer.
#pragma once

#include "platform/controls/Controls.h"
#include "platform/objects/Components.h"

class EOutOfResources : public EOutOfMemory {
public:
  using EOutOfMemory::EOutOfMemory;
};

// Makes a hidden top-level window (so that it receives the platform's
// broadcasts) whose messages go to 'method'; what the method throws goes to
// the application's exception handler. Messages the method leaves with
// Result 0 are not passed on: the method calls DefWindowProcW itself when
// it wants the default.
HWND AllocateHWnd(const TWndMethod& method);
void DeallocateHWnd(HWND window);

class TTimer : public TComponent {
  OBJECT_CLASS(TTimer, TComponent)
public:
  static void Publish(TPublisher& p);

  explicit TTimer(TComponent* owner);
  ~TTimer() override;

  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled);
  // Milliseconds between ticks; 0 stops the timer.
  unsigned Interval() const { return m_interval; }
  void SetInterval(unsigned interval);
  const TNotifyEvent& OnTimer() const { return m_onTimer; }
  void SetOnTimer(const TNotifyEvent& handler);

protected:
  virtual void Timer();

private:
  void UpdateTimer();
  void WndProc(TMessage& message);

  HWND m_window = nullptr;
  bool m_enabled = true;
  unsigned m_interval = 1000;
  TNotifyEvent m_onTimer;
};
