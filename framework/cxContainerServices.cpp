#include "framework/cxContainerServices.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#include "framework/cxContainerPopup.h"
#include "framework/cxControlsScrollBars.h"
#include "framework/cxControlsUtils.h"
#include "platform/controls/Application.h"
#include "platform/controls/Forms.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/FlagScope.h"

namespace {

TGetScrollBarInfo boundGetScrollBarInfo = nullptr;
TOwned<TcxScreenCanvas> screenCanvas;

int disableCount = 0;
std::unique_ptr<std::vector<HWND>> disabledWindows;
bool disablingWindows = false;

// Visits the top-level windows: those of this process are disabled.
BOOL CALLBACK DisableProcessWindow(HWND window, LPARAM list) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId == ::GetCurrentProcessId())
    DisableWindow(*reinterpret_cast<std::vector<HWND>*>(list), window);
  return TRUE;
}

void InitializeContainerServices() {
  TGetScrollBarInfo proc = nullptr;
  if (HMODULE user32 = ::GetModuleHandleW(L"User32"))
    proc = reinterpret_cast<TGetScrollBarInfo>(
        reinterpret_cast<void*>(::GetProcAddress(user32, "GetScrollBarInfo")));
  cxSetGetScrollBarInfoProc(proc);
  screenCanvas.reset(Create<TcxScreenCanvas>());
}

void FinalizeContainerServices() {
  screenCanvas.reset();
  cxSetGetScrollBarInfoProc(nullptr);
}

} // namespace

const TUnitInfo cxContainerUnit{"cxContainer", InitializeContainerServices,
                                FinalizeContainerServices};

void AssignFonts(TFont* AFont1, TFont* AFont2) { AFont1->Assign(AFont2); }

bool cxGetScrollBarParams(HWND AWnd, int ABar, TcxScrollBarParams& AParams) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!::GetScrollInfo(AWnd, ABar, &info) || info.nMax < info.nMin)
    return false;
  AParams.Min = info.nMin;
  AParams.Max = info.nMax;
  AParams.Position = info.nPos;
  AParams.PageSize = static_cast<int>(
      std::clamp<std::int64_t>(info.nPage, 0, std::max(info.nMax, 0)));
  return true;
}

TcxMouseButton ButtonTocxButton(TMouseButton AButton) {
  switch (AButton) {
  case TMouseButton::mbLeft:
    return TcxMouseButton::cxmbLeft;
  case TMouseButton::mbRight:
    return TcxMouseButton::cxmbRight;
  case TMouseButton::mbMiddle:
    return TcxMouseButton::cxmbMiddle;
  }
  return TcxMouseButton::cxmbNone;
}

TShiftState MouseButtonToShift(TMouseButton AButton) {
  switch (AButton) {
  case TMouseButton::mbLeft:
    return {TShiftStateItem::ssLeft};
  case TMouseButton::mbRight:
    return {TShiftStateItem::ssRight};
  case TMouseButton::mbMiddle:
    return {TShiftStateItem::ssMiddle};
  }
  return {};
}

bool UsecxScrollBars() { return boundGetScrollBarInfo != nullptr; }

int cxGetScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO& psbi) {
  static_assert(sizeof(SCROLLBARINFO) == 60);
  psbi.cbSize = sizeof(SCROLLBARINFO);
  if (!boundGetScrollBarInfo)
    return 0;
  return boundGetScrollBarInfo(hwnd, idObject, &psbi);
}

void cxSetGetScrollBarInfoProc(TGetScrollBarInfo AProc) { boundGetScrollBarInfo = AProc; }

TPoint InternalGetCursorPos() {
  TPoint result;
  ::GetCursorPos(AsPOINT(result));
  return result;
}

TShiftState InternalGetShiftState() {
  TKeyboardState state{};
  ::GetKeyboardState(state);
  return KeyboardStateToShiftState(state);
}

void InternalInvalidateRect(TWinControl* AControl, const TRect& R, bool AEraseBackground) {
  if (AControl->HandleAllocated())
    ::InvalidateRect(AControl->Handle(), AsRECT(R), AEraseBackground);
}

bool InternalIsWindowVisible(TWinControl* AControl) {
  return AControl->HandleAllocated() && ::IsWindowVisible(AControl->Handle());
}

bool KillMessages(HWND AWnd, UINT AFirstMessage, UINT ALastMessage, bool ARemoveAll) {
  bool removed = false;
  MSG msg;
  while (::PeekMessageW(&msg, AWnd, AFirstMessage, ALastMessage, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    removed = true;
    if (!ARemoveAll)
      break;
  }
  return removed;
}

HWND NativeHandle(HWND AHandle) { return AHandle; }

TcxContainer* GetcxContainer(TWinControl* AControl) {
  if (auto* container = dynamic_cast<TcxContainer*>(AControl))
    return container;
  if (auto* inner = dynamic_cast<IcxContainerInnerControl*>(AControl))
    return dynamic_cast<TcxContainer*>(inner->GetControlContainer());
  return nullptr;
}

bool HasOpenedPopupWindow(TWinControl* AControl) {
  TcxContainer* container = GetcxContainer(AControl);
  return container && container->HasPopupWindow();
}

TRect GetSizeGripRect(IcxContainerInnerControl* AControl) {
  auto* container = dynamic_cast<TcxContainer*>(AControl->GetControlContainer());
  if (!container || !container->HScrollBar() || !container->VScrollBar() ||
      !container->HScrollBar()->Visible() || !container->VScrollBar()->Visible())
    return {};
  const TRect vertical = container->VScrollBar()->BoundsRect();
  const TRect horizontal = container->HScrollBar()->BoundsRect();
  const TPoint corner = container->ClientToScreen({vertical.Left, horizontal.Top});
  RECT window{};
  ::GetWindowRect(AControl->GetControl()->Handle(), &window);
  return Bounds(corner.X - window.left, corner.Y - window.top, vertical.Right - vertical.Left,
                horizontal.Bottom - horizontal.Top);
}

namespace {

// The window whose form decides: the first MDI child's, else the top-level
// window.
HWND HintDecidingWindow(HWND AWindow) {
  HWND window = AWindow;
  for (HWND parent = ::GetParent(window); parent; parent = ::GetParent(window)) {
    auto* form = dynamic_cast<TCustomForm*>(FindControl(window));
    if (form && form->FormStyle() == TFormStyle::fsMDIChild)
      return window;
    if (!(::GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
      return window;
    window = parent;
  }
  return window;
}

} // namespace

bool CanShowHint(TWinControl* AControl) {
  if (!Application->Active() || !AControl->HandleAllocated() ||
      !::IsWindowVisible(AControl->Handle()) || FindVCLWindow(GetMouseCursorPos()) != AControl)
    return false;
  HWND window = HintDecidingWindow(AControl->Handle());
  auto* form = dynamic_cast<TCustomForm*>(FindControl(window));
  if (!form || form->Active() || form->FormStyle() == TFormStyle::fsMDIForm)
    return true;
  const std::vector<TcxCustomPopupWindow*>& popups = TcxCustomPopupWindow::OpenPopups();
  if (popups.empty())
    return false;
  TWinControl* owner = popups.front()->OwnerControl();
  return owner && owner->HandleAllocated() && ::IsChild(window, owner->Handle());
}

TcxScreenCanvas* ScreenCanvas() { return screenCanvas.get(); }

void DisableAppWindows(bool ANeedDisable) {
  ++disableCount;
  if (disableCount != 1 || !ANeedDisable)
    return;
  TFlagScope disabling(disablingWindows);
  disabledWindows = std::make_unique<std::vector<HWND>>();
  ::EnumWindows(DisableProcessWindow, reinterpret_cast<LPARAM>(disabledWindows.get()));
}

void EnableAppWindows() {
  if (disableCount == 0)
    return;
  if (--disableCount != 0)
    return;
  TFlagScope disabling(disablingWindows);
  const std::unique_ptr<std::vector<HWND>> windows = std::move(disabledWindows);
  EnableWindows(windows.get());
}

bool IsInternalWindowsDisabled() { return disableCount > 0; }

bool IsInternalWindowsDisabling() { return disablingWindows; }

void DisableWindow(std::vector<HWND>& AWindowList, HWND AWindow) {
  if (!::IsWindowEnabled(AWindow))
    return;
  AWindowList.push_back(AWindow);
  ::EnableWindow(AWindow, FALSE);
}

void EnableWindows(const std::vector<HWND>* AWindowList) {
  if (!AWindowList)
    return;
  for (HWND window : *AWindowList)
    if (::IsWindow(window))
      ::EnableWindow(window, TRUE);
}
