// The window procedure of every control's window: it finds the control the
// window belongs to and hands it the message as a TMessage; what a handler
// throws is caught here and given to the application's exception handler
// (an exception crossing a window procedure would end the process under
// Wine). A control that is gone leaves its window to the window class's own
// procedure.
#pragma once

#include "platform/controls/WinControls.h"
#include "platform/rtl/WinApi.h"

LRESULT CALLBACK ControlWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

namespace controls_detail {

// While alive, the next window created on this thread with the control
// window procedure belongs to 'control'.
class TCreationBinding {
public:
  TCreationBinding(TWinControl* control, WNDPROC defWndProc);
  ~TCreationBinding();
  TCreationBinding(const TCreationBinding&) = delete;
  TCreationBinding& operator=(const TCreationBinding&) = delete;
};

// Detaches the control from its window: later messages go straight to the
// window's default procedure.
void UnbindWindow(HWND window);

// Registers the window class 'params' describe, with the control window
// procedure, unless it is registered already.
void RegisterControlClass(const TCreateParams& params);

// Raises EOSError with the platform's last error.
[[noreturn]] void RaiseLastWindowError();

} // namespace controls_detail
