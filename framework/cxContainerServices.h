// The container unit's shared routines, used by its own classes and by the
// editors: mouse-button conversions, the platform's GetScrollBarInfo bound
// by name at start-up, input-state and window queries, removal of pending
// messages, the unit's screen canvas, and the
// disabling of the application's windows while the library runs modal work.
#pragma once

#include <string>
#include <vector>

#include "framework/cxContainer.h"
#include "framework/cxContainerInner.h"
#include "framework/cxGraphicsCanvas.h"
#include "platform/controls/WinControls.h"
#include "platform/rtl/UnitStartup.h"

// Destination takes the source font's settings.
void AssignFonts(TFont* AFont1, TFont* AFont2);
TcxMouseButton ButtonTocxButton(TMouseButton AButton);
// The shift state holding only the flag of that mouse button.
TShiftState MouseButtonToShift(TMouseButton AButton);

using TGetScrollBarInfo = BOOL(WINAPI*)(HWND hwnd, LONG idObject, SCROLLBARINFO* psbi);
// Whether the platform's GetScrollBarInfo was bound; without it the inner
// controls keep their system scroll bars.
bool UsecxScrollBars();
// Fills the info (its size set to the platform's 60 bytes) through the bound
// function; answers 0 when none is bound.
int cxGetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO& psbi);
// Replaces the bound function (none: as on a system without it); the
// unit's start-up binds the platform's.
void cxSetGetScrollBarInfoProc(TGetScrollBarInfo AProc);

// The range, position and page of a window's own scroll bar.
struct TcxScrollBarParams {
  int Min = 0;
  int Max = 0;
  int Position = 0;
  int PageSize = 0;
};
// Reads a window's scroll bar (SB_HORZ or SB_VERT) as a library scroll bar
// takes it: a page larger than the maximum is lowered to the maximum, and
// never below zero. False when the values cannot be read or make no range.
bool cxGetScrollBarParams(HWND AWnd, int ABar, TcxScrollBarParams& AParams);

TPoint InternalGetCursorPos();
// The keyboard and mouse-button state of the thread's input now.
TShiftState InternalGetShiftState();
// Invalidates a part of the control's window when the window exists (it is
// never made for this).
void InternalInvalidateRect(TWinControl* AControl, const TRect& R, bool AEraseBackground);
bool InternalIsWindowVisible(TWinControl* AControl);
// Removes pending messages of the window (none: of the thread) in the range
// [AFirstMessage, ALastMessage]: the first only, or all with ARemoveAll. A
// WM_QUIT met on the way is posted again with its exit code and ends the
// removal. Answers whether any other message was removed.
bool KillMessages(HWND AWnd, UINT AFirstMessage, UINT ALastMessage, bool ARemoveAll = true);
// The platform window behind a window handle of the library: itself.
HWND NativeHandle(HWND AHandle);
// The unit's screen canvas (none before its start-up).
TcxScreenCanvas* ScreenCanvas();

// The container of a control: a container itself, the container an inner
// control answers, else none.
TcxContainer* GetcxContainer(TWinControl* AControl);
// Whether the control's container has its popup open.
bool HasOpenedPopupWindow(TWinControl* AControl);
// The square between the container's two scroll bars, relative to the inner
// control's window rectangle; empty unless both bars show.
TRect GetSizeGripRect(IcxContainerInnerControl* AControl);
// Whether the control may show its hint now: the application is active and
// the control, showing, is under the mouse. On an inactive form only while
// a popup the form owns is open.
bool CanShowHint(TWinControl* AControl);

// Disabling the application's windows for the library's modal work. Calls
// nest; the outermost one decides: with ANeedDisable every enabled top-level
// window of the process is disabled and recorded, and the matching last
// EnableAppWindows enables exactly those that still exist. Windows disabled
// by others stay disabled. An EnableAppWindows without a matching disable
// does nothing.
void DisableAppWindows(bool ANeedDisable = true);
void EnableAppWindows();
bool IsInternalWindowsDisabled();
// Whether windows are being disabled or enabled again at the moment.
bool IsInternalWindowsDisabling();
// Disables the window when it is enabled, and records it.
void DisableWindow(std::vector<HWND>& AWindowList, HWND AWindow);
// Enables the recorded windows that still exist; none does nothing.
void EnableWindows(const std::vector<HWND>* AWindowList);

// The container unit's start-up: binds GetScrollBarInfo and makes the screen
// canvas; its shut-down frees the canvas and forgets the binding.
extern const TUnitInfo cxContainerUnit;
