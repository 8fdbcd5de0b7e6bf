// Free routines the library's controls, containers, popups and editors
// share: system flags, modal drag detection, monitors and work areas, point
// and key tests, popup menus of either kind, and the hourglass cursor.
#pragma once

#include <string>

#include "framework/cxClassesUtils.h"
#include "platform/controls/Menus.h"
#include "platform/controls/WinControls.h"
#include "platform/objects/Interfaces.h"

// Set when the unit starts, from the platform's version.
extern bool IsWin95X;
extern bool IsWinNT;
extern bool IsWin2KOrXP;
extern bool IsWinXP;

// A popup component other than the platform's popup menu.
class IcxPopupMenu : public virtual IInterface {
public:
  static constexpr TGUID IID = StringToGUID("{61EEDA7D-88CC-45BF-8A00-5C25174D6501}");
  virtual bool IsShortCutKey(const TMessage& Message) = 0;
  virtual void Popup(int X, int Y) = 0;

protected:
  ~IcxPopupMenu() = default;
};

enum class TcxDragDetect { ddNone, ddDrag, ddCancel };
enum class TcxNumberType { ntInteger, ntFloat, ntExponent };

// The library's cursors in the screen's cursor list.
constexpr TCursor crcxHandPoint = -2099;
constexpr TCursor crDragCopy = 2100;
constexpr TCursor crFullScroll = 2101;
constexpr TCursor crHorScroll = 2102;
constexpr TCursor crVerScroll = 2103;
constexpr TCursor crUpScroll = 2104;
constexpr TCursor crRightScroll = 2105;
constexpr TCursor crDownScroll = 2106;
constexpr TCursor crLeftScroll = 2107;
constexpr TCursor crcxRemove = 2108;
constexpr TCursor crcxVertSize = 2109;
constexpr TCursor crcxHorzSize = 2110;
constexpr TCursor crcxMultiDragCursor = 2111;
constexpr TCursor crcxNoDrop = 2112;
constexpr TCursor crcxDrag = 2113;
constexpr TCursor crcxColorPicker = 2114;

bool CanAllocateHandle(TWinControl* Control);
// Runs a modal loop until the mouse leaves the drag square around the
// cursor (ddDrag), a button comes up (ddNone), or Esc or losing the capture
// cancels (ddCancel).
TcxDragDetect DragDetect(HWND Wnd);
int GetMouseKeys();
int GetDblClickInterval();
// The work area of the monitor nearest to the point.
TRect GetDesktopWorkArea(const TPoint& P);
// The cursor position, or cxInvalidPoint when it cannot be read.
TPoint GetMouseCursorPos();
TcxDirection GetPointPosition(const TRect& Rect, const TPoint& P, bool AHorzSeparation,
                              bool AVertSeparation);
bool IsChildClassWindow(HWND AWnd);
bool IsChildEx(HWND AParentWnd, HWND AWnd);
bool IsCtrlPressed();
bool IsPointInDragDetectArea(const TPoint& AMouseDownPos, int X, int Y);
bool IsNumericChar(char C, TcxNumberType AType);
bool IsTextChar(char C);
// ShiftStateToKeys is the platform's (ControlTypes.h); GET_APPCOMMAND_LPARAM
// is Win32's.

// Moves the rectangle into the work area of the point's monitor; the top-left
// corner wins when it is larger than the work area.
void MakeVisibleOnDesktop(TRect& ABounds, const TPoint& ADesktopPoint);
void MakeVisibleOnDesktop(TControl* AControl);
void MapWindowPoint(HWND AHandleFrom, HWND AHandleTo, TPoint& P);
void MapWindowRect(HWND AHandleFrom, HWND AHandleTo, TRect& R);
// "&&" becomes "&", a single "&" goes, and a text ending in one "&" ends in
// "_" instead.
std::string RemoveAccelChars(const std::string& S);
WORD TranslateKey(WORD Key);
// Counted: the first show saves the screen's cursor, the last hide puts it back.
void ShowHourglassCursor();
void HideHourglassCursor();
int GetPopupMenuHeight(TPopupMenu* APopupMenu);
bool IsPopupMenuShortCut(TComponent* APopupMenu, const TMessage& Message);
bool ShowPopupMenu(TComponent* ACaller, TComponent* APopupMenu, int X, int Y);
bool ShowPopupMenuFromCursorPos(TComponent* ACaller, TComponent* APopupMenu);
void RecreateControlWnd(TWinControl* AControl);

namespace cxcontrols_detail {
void InitializeControlsUtils();
void FinalizeControlsUtils();
} // namespace cxcontrols_detail
