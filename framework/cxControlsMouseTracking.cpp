#include "framework/cxControlsMouseTracking.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "framework/cxControlsTimers.h"
#include "framework/cxGeometry.h"
#include "platform/controls/Messages.h"

namespace {

// A counted reference to the caller, held for the tracker's lifetime.
class TCallerRef {
public:
  explicit TCallerRef(IcxMouseTrackingCaller* caller) : m_caller(caller) { m_caller->_AddRef(); }
  ~TCallerRef() { m_caller->_Release(); }
  TCallerRef(const TCallerRef&) = delete;
  TCallerRef& operator=(const TCallerRef&) = delete;

  IcxMouseTrackingCaller* Get() const { return m_caller; }

private:
  IcxMouseTrackingCaller* m_caller;
};

class TMouseTrackingTimer : public TcxTimer {
  OBJECT_CLASS(TMouseTrackingTimer, TcxTimer)
public:
  TMouseTrackingTimer(TWinControl* control, const TRect& bounds, IcxMouseTrackingCaller* caller);

  IcxMouseTrackingCaller* Caller() const { return m_caller.Get(); }
  void TimeOut() override;

private:
  bool MouseInside();
  TWinControl* LiveControl() const;
  void MouseLeft();

  TCallerRef m_caller;
  TWinControl* m_control;
  // Tells whether the control was freed while tracked.
  std::optional<TControlLife> m_controlLife;
  TRect m_bounds;
};

std::vector<std::unique_ptr<TMouseTrackingTimer>> trackers;
bool trackingFinished = false;

auto FindTracker(IcxMouseTrackingCaller* caller) {
  return std::find_if(trackers.begin(), trackers.end(),
                      [caller](const auto& tracker) { return tracker->Caller() == caller; });
}

TMouseTrackingTimer::TMouseTrackingTimer(TWinControl* control, const TRect& bounds,
                                         IcxMouseTrackingCaller* caller)
    : TcxTimer(nullptr), m_caller(caller), m_control(control), m_bounds(bounds) {
  if (control) {
    m_controlLife.emplace(control);
    const TPoint topLeft = control->ClientToScreen(bounds.TopLeft());
    const TPoint bottomRight = control->ClientToScreen(bounds.BottomRight());
    m_bounds = TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
  }
  SetInterval(10);
  SetOnTimer(TNotifyEvent([](TObject*) {}));
}

TWinControl* TMouseTrackingTimer::LiveControl() const {
  return m_controlLife && m_controlLife->Alive() ? m_control : nullptr;
}

void TMouseTrackingTimer::TimeOut() {
  if (!MouseInside())
    MouseLeft();
}

bool TMouseTrackingTimer::MouseInside() {
  TPoint cursor;
  ::GetCursorPos(reinterpret_cast<POINT*>(&cursor));
  IcxMouseTrackingCaller2* caller2 = nullptr;
  if (!Supports<IcxMouseTrackingCaller2>(Caller(), caller2))
    return cxRectPtIn(m_bounds, cursor);
  TWinControl* control = LiveControl();
  if (!control || !control->HandleAllocated())
    return false;
  return caller2->PtInCaller(control->ScreenToClient(cursor));
}

// Tells the control and the caller, then ends. The tracker leaves the list
// first, so that the caller may end or begin tracking in its notice.
void TMouseTrackingTimer::MouseLeft() {
  std::unique_ptr<TMouseTrackingTimer> self;
  const auto found = FindTracker(Caller());
  if (found != trackers.end()) {
    self = std::move(*found);
    trackers.erase(found);
  }
  SetEnabled(false);
  TWinControl* control = LiveControl();
  if (control && control->HandleAllocated()) {
    TPoint cursor;
    ::GetCursorPos(reinterpret_cast<POINT*>(&cursor));
    if (!cxRectPtIn(control->ClientRect(), control->ScreenToClient(cursor)))
      control->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(control));
  }
  Caller()->MouseLeave();
}

} // namespace

void BeginMouseTracking(TWinControl* AControl, const TRect& ABounds,
                        IcxMouseTrackingCaller* ACaller) {
  if (trackingFinished || !ACaller || IsMouseTracking(ACaller))
    return;
  trackers.push_back(std::make_unique<TMouseTrackingTimer>(AControl, ABounds, ACaller));
}

void EndMouseTracking(IcxMouseTrackingCaller* ACaller) {
  const auto found = FindTracker(ACaller);
  if (found != trackers.end())
    trackers.erase(found);
}

bool IsMouseTracking(IcxMouseTrackingCaller* ACaller) {
  return FindTracker(ACaller) != trackers.end();
}

int cxcontrols_detail::FinishMouseTracking() {
  const int left = static_cast<int>(trackers.size());
  trackers.clear();
  trackingFinished = true;
  return left;
}
