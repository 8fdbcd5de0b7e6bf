// Telling a control when the mouse has left it. The platform reports a leave
// only for the window under the cursor; a control that paints hot parts over
// child windows or non-rectangular areas asks for a tracker instead, which
// looks at the cursor every 10 ms until it has gone.
#pragma once

#include "platform/controls/WinControls.h"
#include "platform/objects/Interfaces.h"

class IcxMouseTrackingCaller : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9}");
  // The mouse has left.
  virtual void MouseLeave() = 0;

protected:
  ~IcxMouseTrackingCaller() = default;
};

// A caller that decides itself what inside means. A class that implements
// the first interface and leaves this one to a descendant derives from the
// first virtually, so that the two meet in one base.
class IcxMouseTrackingCaller2 : public virtual IcxMouseTrackingCaller {
public:
  static constexpr TGUID IID = StringToGUID("{3A5D973B-F016-4F22-80B6-1D35668D7743}");
  // Whether a point in the control's client coordinates lies inside.
  virtual bool PtInCaller(const TPoint& P) = 0;

protected:
  ~IcxMouseTrackingCaller2() = default;
};

// Starts tracking for the caller, unless it is tracked already. ABounds are
// in the control's client coordinates, or in screen coordinates when no
// control is given.
void BeginMouseTracking(TWinControl* AControl, const TRect& ABounds,
                        IcxMouseTrackingCaller* ACaller);
void EndMouseTracking(IcxMouseTrackingCaller* ACaller);
bool IsMouseTracking(IcxMouseTrackingCaller* ACaller);

namespace cxcontrols_detail {
// Frees the trackers and refuses new ones; answers how many were still
// tracking, which a well-behaved program leaves at 0.
int FinishMouseTracking();
} // namespace cxcontrols_detail
