#include "framework/cxControlsUtils.h"

#include <cstdlib>

#include "framework/cxGeometry.h"
#include "platform/controls/Messages.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/FormatSettings.h"

bool IsWin95X = false;
bool IsWinNT = false;
bool IsWin2KOrXP = false;
bool IsWinXP = false;

namespace {

struct TLibraryCursor {
  TCursor Id;
  const char* Resource;
};

constexpr TLibraryCursor kLibraryCursors[] = {
    {crDragCopy, "CX_DRAGCOPYCURSOR"},     {crFullScroll, "CX_FULLSCROLLCURSOR"},
    {crHorScroll, "CX_HORSCROLLCURSOR"},   {crVerScroll, "CX_VERSCROLLCURSOR"},
    {crUpScroll, "CX_UPSCROLLCURSOR"},     {crRightScroll, "CX_RIGHTSCROLLCURSOR"},
    {crDownScroll, "CX_DOWNSCROLLCURSOR"}, {crLeftScroll, "CX_LEFTSCROLLCURSOR"},
    {crcxRemove, "CX_REMOVECURSOR"},       {crcxVertSize, "CX_VERTSIZECURSOR"},
    {crcxHorzSize, "CX_HORZSIZECURSOR"},   {crcxMultiDragCursor, "CX_MULTIDRAGCURSOR"},
    {crcxNoDrop, "CX_NODROPCURSOR"},       {crcxDrag, "CX_DRAGCURSOR"},
    {crcxColorPicker, "CX_COLORPICKERCURSOR"},
};

// The monitor functions, taken from user32 when the unit starts.
HMODULE user32 = nullptr;
using TMonitorFromPoint = HMONITOR(WINAPI*)(POINT, DWORD);
using TGetMonitorInfoA = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

int hourglassCount = 0;
TCursor savedCursor = crDefault;

void SetOSFlags() {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  ::GetVersionExW(&version);
  const DWORD platform = version.dwPlatformId;
  const bool nt = platform == VER_PLATFORM_WIN32_NT;
  IsWin95X = platform == VER_PLATFORM_WIN32s || platform == VER_PLATFORM_WIN32_WINDOWS;
  IsWinNT = nt && version.dwMajorVersion >= 4;
  IsWin2KOrXP = nt && version.dwMajorVersion >= 5;
  IsWinXP = nt && version.dwMajorVersion >= 5 && version.dwMinorVersion > 0;
}

void RegisterCursors() {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  for (const TLibraryCursor& cursor : kLibraryCursors)
    Screen->SetCursors(cursor.Id, ::LoadCursorA(instance, cursor.Resource));
  Screen->SetCursors(crcxHandPoint, ::LoadCursorA(nullptr, IDC_HAND));
}

TRect PrimaryWorkArea() {
  RECT area{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return TRect{area.left, area.top, area.right, area.bottom};
}

// Whether the message ends drag detection, and how.
bool DragDetectEnds(HWND window, const MSG& msg, const TRect& square, TcxDragDetect& result) {
  switch (msg.message) {
  case WM_KEYDOWN:
  case WM_KEYUP:
    if (msg.wParam == VK_ESCAPE) {
      result = TcxDragDetect::ddCancel;
      return true;
    }
    return false;
  case WM_MOUSEMOVE: {
    if (msg.hwnd != window)
      return false;
    POINT p{static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
    ::ClientToScreen(window, &p);
    if (cxRectPtIn(square, p.x, p.y))
      return false;
    result = TcxDragDetect::ddDrag;
    return true;
  }
  case WM_LBUTTONUP:
  case WM_RBUTTONUP:
  case WM_MBUTTONUP:
    result = TcxDragDetect::ddNone;
    return true;
  default:
    return false;
  }
}

} // namespace

bool CanAllocateHandle(TWinControl* Control) {
  if (!Control)
    return false;
  return Control->HandleAllocated() || Control->ParentWindow() != nullptr ||
         CanAllocateHandle(Control->Parent());
}

TcxDragDetect DragDetect(HWND Wnd) {
  TcxDragDetect result = TcxDragDetect::ddCancel;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const int dx = ::GetSystemMetrics(SM_CXDRAG), dy = ::GetSystemMetrics(SM_CYDRAG);
  const TRect square{cursor.x - dx, cursor.y - dy, cursor.x + dx, cursor.y + dy};
  ::SetCapture(Wnd);
  bool done = false;
  while (!done && ::GetCapture() == Wnd) {
    MSG msg;
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      if (got == 0)
        ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    done = DragDetectEnds(Wnd, msg, square, result);
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  if (::GetCapture() == Wnd)
    ::ReleaseCapture();
  return result;
}

int GetMouseKeys() {
  int keys = 0;
  const auto down = [](int key) { return ::GetAsyncKeyState(key) < 0; };
  if (down(VK_LBUTTON))
    keys |= MK_LBUTTON;
  if (down(VK_RBUTTON))
    keys |= MK_RBUTTON;
  if (down(VK_SHIFT))
    keys |= MK_SHIFT;
  if (down(VK_CONTROL))
    keys |= MK_CONTROL;
  if (down(VK_MBUTTON))
    keys |= MK_MBUTTON;
  return keys;
}

int GetDblClickInterval() { return static_cast<int>(::GetDoubleClickTime()); }

TRect GetDesktopWorkArea(const TPoint& P) {
  const auto monitorFromPoint =
      user32 ? reinterpret_cast<TMonitorFromPoint>(::GetProcAddress(user32, "MonitorFromPoint"))
             : nullptr;
  const auto getMonitorInfo =
      user32 ? reinterpret_cast<TGetMonitorInfoA>(::GetProcAddress(user32, "GetMonitorInfoA"))
             : nullptr;
  if (!monitorFromPoint || !getMonitorInfo)
    return PrimaryWorkArea();
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!getMonitorInfo(monitorFromPoint(POINT{P.X, P.Y}, MONITOR_DEFAULTTONEAREST), &info))
    return PrimaryWorkArea();
  return TRect{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
}

TPoint GetMouseCursorPos() {
  POINT p;
  if (!::GetCursorPos(&p))
    return cxInvalidPoint;
  return TPoint{p.x, p.y};
}

TcxDirection GetPointPosition(const TRect& Rect, const TPoint& P, bool AHorzSeparation,
                              bool AVertSeparation) {
  using enum TcxDirection;
  if (AHorzSeparation && AVertSeparation) {
    const auto side = [&P](TPoint a, TPoint b) {
      return static_cast<long long>(P.X - a.X) * (b.Y - a.Y) -
             static_cast<long long>(P.Y - a.Y) * (b.X - a.X);
    };
    const bool s1 = side({Rect.Left, Rect.Bottom}, {Rect.Right, Rect.Top}) >= 0;
    const bool s2 = side({Rect.Left, Rect.Top}, {Rect.Right, Rect.Bottom}) >= 0;
    if (s1)
      return s2 ? dirUp : dirLeft;
    return s2 ? dirRight : dirDown;
  }
  if (AHorzSeparation)
    return GetRangeCenter(Rect.Left, Rect.Right) > P.X ? dirLeft : dirRight;
  if (AVertSeparation)
    return GetRangeCenter(Rect.Top, Rect.Bottom) > P.Y ? dirUp : dirDown;
  return dirNone;
}

bool IsChildClassWindow(HWND AWnd) {
  return (::GetWindowLongW(AWnd, GWL_STYLE) & WS_CHILD) != 0;
}

bool IsChildEx(HWND AParentWnd, HWND AWnd) {
  return AParentWnd == AWnd || ::IsChild(AParentWnd, AWnd);
}

bool IsCtrlPressed() { return ::GetAsyncKeyState(VK_CONTROL) < 0; }

bool IsPointInDragDetectArea(const TPoint& AMouseDownPos, int X, int Y) {
  return std::abs(X - AMouseDownPos.X) < ::GetSystemMetrics(SM_CXDRAG) &&
         std::abs(Y - AMouseDownPos.Y) < ::GetSystemMetrics(SM_CYDRAG);
}

bool IsNumericChar(char C, TcxNumberType AType) {
  if (C == '+' || C == '-' || (C >= '0' && C <= '9'))
    return true;
  const bool separator = C == FormatSettings().DecimalSeparator;
  switch (AType) {
  case TcxNumberType::ntFloat:
    return separator;
  case TcxNumberType::ntExponent:
    return separator || C == 'e' || C == 'E';
  default:
    return false;
  }
}

bool IsTextChar(char C) { return static_cast<unsigned char>(C) >= 32; }

void MakeVisibleOnDesktop(TRect& ABounds, const TPoint& ADesktopPoint) {
  const TRect area = GetDesktopWorkArea(ADesktopPoint);
  const auto shift = [&ABounds](int dx, int dy) {
    ABounds.Left += dx;
    ABounds.Right += dx;
    ABounds.Top += dy;
    ABounds.Bottom += dy;
  };
  if (ABounds.Right > area.Right)
    shift(area.Right - ABounds.Right, 0);
  if (ABounds.Bottom > area.Bottom)
    shift(0, area.Bottom - ABounds.Bottom);
  if (ABounds.Left < area.Left)
    shift(area.Left - ABounds.Left, 0);
  if (ABounds.Top < area.Top)
    shift(0, area.Top - ABounds.Top);
}

void MakeVisibleOnDesktop(TControl* AControl) {
  TRect bounds = AControl->BoundsRect();
  MakeVisibleOnDesktop(bounds, bounds.TopLeft());
  AControl->SetBoundsRect(bounds);
}

void MapWindowPoint(HWND AHandleFrom, HWND AHandleTo, TPoint& P) {
  ::MapWindowPoints(AHandleFrom, AHandleTo, reinterpret_cast<POINT*>(&P), 1);
}

void MapWindowRect(HWND AHandleFrom, HWND AHandleTo, TRect& R) {
  TPoint topLeft = R.TopLeft(), bottomRight = R.BottomRight();
  MapWindowPoint(AHandleFrom, AHandleTo, topLeft);
  MapWindowPoint(AHandleFrom, AHandleTo, bottomRight);
  R = TRect{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}

std::string RemoveAccelChars(const std::string& S) {
  std::string result;
  result.reserve(S.size());
  for (std::size_t i = 0; i < S.size(); ++i) {
    if (S[i] != '&') {
      result += S[i];
    } else if (i + 1 == S.size()) {
      result += '_';
    } else if (S[i + 1] == '&') {
      result += '&';
      ++i;
    }
  }
  return result;
}

WORD TranslateKey(WORD Key) { return Key; }

void ShowHourglassCursor() {
  if (hourglassCount++ == 0) {
    savedCursor = Screen->Cursor();
    Screen->SetCursor(crHourGlass);
  }
}

void HideHourglassCursor() {
  if (hourglassCount == 0)
    return;
  if (--hourglassCount == 0)
    Screen->SetCursor(savedCursor);
}

// Items of this platform's menus have neither images nor owner drawing, so
// each visible item is as high as the menu font's text plus its margin.
int GetPopupMenuHeight(TPopupMenu* APopupMenu) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ previous = ::SelectObject(dc, Screen->MenuFont()->Handle());
  SIZE extent{};
  ::GetTextExtentPoint32A(dc, "Qg", 2, &extent);
  ::SelectObject(dc, previous);
  ::ReleaseDC(nullptr, dc);
  const int itemHeight = extent.cy + 4;
  int height = 4;
  TMenuItem* items = APopupMenu->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (items->Items(i)->Visible())
      height += itemHeight;
  return height;
}

bool IsPopupMenuShortCut(TComponent* APopupMenu, const TMessage& Message) {
  IcxPopupMenu* popup = nullptr;
  if (Supports<IcxPopupMenu>(APopupMenu, popup))
    return popup->IsShortCutKey(Message);
  auto* menu = dynamic_cast<TPopupMenu*>(APopupMenu);
  if (!menu || menu->Items()->Count() == 0)
    return false;
  TMessage key = Message;
  return menu->IsShortCut(TWMKey(key));
}

bool ShowPopupMenu(TComponent* ACaller, TComponent* APopupMenu, int X, int Y) {
  IcxPopupMenu* popup = nullptr;
  if (Supports<IcxPopupMenu>(APopupMenu, popup)) {
    popup->Popup(X, Y);
    return true;
  }
  auto* menu = dynamic_cast<TPopupMenu*>(APopupMenu);
  if (!menu || !menu->AutoPopup())
    return false;
  menu->SetPopupComponent(ACaller);
  menu->Popup(X, Y);
  return true;
}

bool ShowPopupMenuFromCursorPos(TComponent* ACaller, TComponent* APopupMenu) {
  const TPoint cursor = GetMouseCursorPos();
  return ShowPopupMenu(ACaller, APopupMenu, cursor.X, cursor.Y);
}

void RecreateControlWnd(TWinControl* AControl) {
  if (AControl->HandleAllocated())
    ::SendMessageW(AControl->Handle(), CM_RECREATEWND, 0, 0);
}

void cxcontrols_detail::InitializeControlsUtils() {
  SetOSFlags();
  RegisterCursors();
  user32 = ::LoadLibraryA("USER32");
}

void cxcontrols_detail::FinalizeControlsUtils() {
  if (user32)
    ::FreeLibrary(user32);
  user32 = nullptr;
}
