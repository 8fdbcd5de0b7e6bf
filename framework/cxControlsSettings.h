// Telling controls with scroll bars that the system's non-client metrics
// (scroll-bar sizes among them) have changed.
#pragma once

#include "platform/controls/WinControls.h"

// Sent (without waiting) to every registered control when the non-client
// metrics change; the control re-reads its scroll-bar sizes.
constexpr UINT CM_NCSIZECHANGED = 0x8131;

// A control registers while it has scroll bars; registering twice does
// nothing. The watcher's hidden window exists while a control is registered.
void cxAddSettingsListener(TWinControl* AControl);
void cxRemoveSettingsListener(TWinControl* AControl);

namespace cxcontrols_detail {
void FreeSettingsController();
} // namespace cxcontrols_detail
