#include "framework/cxControls.h"

namespace {

void Initialize() { cxcontrols_detail::InitializeControlsUtils(); }

// Every tracker ends before the program does (a control ends its own
// tracking when it is destroyed); one still tracking is a programming error,
// reported once everything is freed.
void Finalize() {
  const int trackersLeft = cxcontrols_detail::FinishMouseTracking();
  cxcontrols_detail::FinalizeControlsUtils();
  cxcontrols_detail::FreeSettingsController();
  cxcontrols_detail::FreeTimerWindows();
  if (trackersLeft != 0)
    throw Exception("MouseTrackingTimerList.Count <> 0");
}

} // namespace

const TUnitInfo cxControlsUnit{"cxControls", Initialize, Finalize};
