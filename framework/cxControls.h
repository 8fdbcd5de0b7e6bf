// The library's control base and its services: message windows and timers,
// mouse-leave tracking, the non-client metrics watcher, the shared routines,
// the popup window base, and the unit that starts and frees them.
#pragma once

#include "framework/cxControlsControl.h"
#include "framework/cxControlsMouseTracking.h"
#include "framework/cxControlsPopup.h"
#include "framework/cxControlsSettings.h"
#include "framework/cxControlsTimers.h"
#include "framework/cxControlsUtils.h"
#include "platform/rtl/UnitStartup.h"

extern const TUnitInfo cxControlsUnit;
