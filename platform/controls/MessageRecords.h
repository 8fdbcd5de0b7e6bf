// Typed views of a TMessage, one per family of messages, so that handlers
// read a message's parameters under their own names and types instead of
// unpacking wParam and lParam by hand.
//
// A record holds only a pointer to the message it views: reading gives the
// message's current parameters, SetResult (and the few setters of parameters
// a handler may change, such as a key's CharCode) writes back into it. A
// handler takes its record by value; it passes the message on to the parent
// class's Dispatch or to DefaultHandler through Message().
//
// Classes in this file: TMessageRecord and the records TWMMouse,
// TWMMouseWheel, TWMKey, TWMSize, TWMMove, TWMScroll, TWMCharToItem, TWMCommand, TWMNotify,
// TWMPaint, TWMEraseBkgnd, TWMPrint, TWMSetCursor, TWMContextMenu,
// TWMSetFocus, TWMCtlColor, TWMDrawItem, TWMMeasureItem, TWMDeleteItem,
// TWMCompareItem, TWMActivate, TWMActivateApp, TWMNCActivate,
// TWMWindowPosMsg, TWMNCCalcSize, TWMNCHitTest, TWMTimer, TWMSysCommand,
// TWMShowWindow, TWMGetDlgCode, TWMGetMinMaxInfo, TWMGetText, TWMSetText, TWMSettingChange,
// TCMHitTest, TCMMouseEnterLeave, TCMFocusChanged, TCMChildKey,
// TCMParentColorChanged, TCMParentFontChanged, TCMDrag.
#pragma once

#include <cstddef>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Colors.h"

class TControl;
class TDragObject;
class TFont;
class TWinControl;

class TMessageRecord {
public:
  explicit TMessageRecord(TMessage& message) : m_message(&message) {}

  TMessage& Message() const { return *m_message; }
  UINT Msg() const { return m_message->Msg; }
  LRESULT Result() const { return m_message->Result; }
  void SetResult(LRESULT result) { m_message->Result = result; }

protected:
  WPARAM WParam() const { return m_message->WParam; }
  LPARAM LParam() const { return m_message->LParam; }
  void SetWParam(WPARAM value) { m_message->WParam = value; }
  template <typename T> T* LParamAs() const { return reinterpret_cast<T*>(m_message->LParam); }
  template <typename T> T WParamHandle() const { return reinterpret_cast<T>(m_message->WParam); }
  template <typename T> T LParamHandle() const { return reinterpret_cast<T>(m_message->LParam); }

private:
  TMessage* m_message;
};

// A point packed in lParam: client coordinates for the mouse, screen
// coordinates for hit tests and context menus.
class TPointRecord : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  TPoint Pos() const { return SmallPointToPoint(LParam()); }
  int XPos() const { return Pos().X; }
  int YPos() const { return Pos().Y; }
};

// WM_LBUTTONDOWN ... WM_MBUTTONDBLCLK and WM_MOUSEMOVE (client coordinates).
class TWMMouse : public TPointRecord {
public:
  using TPointRecord::TPointRecord;
  WORD Keys() const { return LOWORD(WParam()); }
  TShiftState Shift() const { return KeysToShiftState(Keys()); }
};

// WM_MOUSEWHEEL and CM_MOUSEWHEEL (screen coordinates).
class TWMMouseWheel : public TPointRecord {
public:
  using TPointRecord::TPointRecord;
  WORD Keys() const { return LOWORD(WParam()); }
  TShiftState Shift() const { return KeysToShiftState(Keys()); }
  int WheelDelta() const { return static_cast<short>(HIWORD(WParam())); }
};
using TCMMouseWheel = TWMMouseWheel;

// Key messages: WM_KEYDOWN, WM_KEYUP, WM_CHAR and their WM_SYS* forms, the
// reflected CN_* ones, CM_DIALOGKEY, CM_DIALOGCHAR and CM_WANTSPECIALKEY. A
// handler that changes the key writes it back with SetCharCode.
class TWMKey : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  WORD CharCode() const { return LOWORD(WParam()); }
  void SetCharCode(WORD key) { SetWParam(key); }
  LPARAM KeyData() const { return LParam(); }
  TShiftState Shift() const { return KeyDataToShiftState(KeyData()); }
};
using TCMDialogKey = TWMKey;
using TCMDialogChar = TWMKey;
using TCMWantSpecialKey = TWMKey;

class TWMSize : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  UINT SizeType() const { return static_cast<UINT>(WParam()); }
  int Width() const { return LOWORD(LParam()); }
  int Height() const { return HIWORD(LParam()); }
};

// WM_GETMINMAXINFO: the least and greatest size the user may drag the
// window to, for the handler to change.
class TWMGetMinMaxInfo : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  MINMAXINFO* MinMaxInfo() const { return LParamAs<MINMAXINFO>(); }
};

// WM_MOVE: the client area's new top-left corner.
class TWMMove : public TPointRecord {
public:
  using TPointRecord::TPointRecord;
};

// WM_HSCROLL, WM_VSCROLL and CN_HSCROLL, CN_VSCROLL: ScrollBar is the
// scroll bar control that sent it, nil for a window's own bars.
class TWMScroll : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  int ScrollCode() const { return LOWORD(WParam()); }
  int Pos() const { return static_cast<short>(HIWORD(WParam())); }
  HWND ScrollBar() const { return LParamHandle<HWND>(); }
};

// WM_CHARTOITEM and WM_VKEYTOITEM: a key pressed in the list box ListBox
// with its caret on item CaretPos.
class TWMCharToItem : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  WORD Key() const { return LOWORD(WParam()); }
  int CaretPos() const { return HIWORD(WParam()); }
  HWND ListBox() const { return LParamHandle<HWND>(); }
};
using TWMVKeyToItem = TWMCharToItem;

// WM_COMMAND and CN_COMMAND: Ctl is the child window that sent it, nil for
// menus and accelerators.
class TWMCommand : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  WORD ItemID() const { return LOWORD(WParam()); }
  WORD NotifyCode() const { return HIWORD(WParam()); }
  HWND Ctl() const { return LParamHandle<HWND>(); }
};

class TWMNotify : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  int IDCtrl() const { return static_cast<int>(WParam()); }
  NMHDR* NMHdr() const { return LParamAs<NMHDR>(); }
};

// WM_PAINT: DC is nil for a real paint, a device context to paint into when
// a parent or the control itself asks for a copy.
class TWMPaint : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  HDC DC() const { return WParamHandle<HDC>(); }
};

class TWMEraseBkgnd : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  HDC DC() const { return WParamHandle<HDC>(); }
};

// WM_PRINT and WM_PRINTCLIENT: the device context and the PRF_* flags.
class TWMPrint : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  HDC DC() const { return WParamHandle<HDC>(); }
  DWORD Flags() const { return static_cast<DWORD>(LParam()); }
  void SetFlags(DWORD flags) { Message().LParam = static_cast<LPARAM>(flags); }
};
using TWMPrintClient = TWMPrint;

class TWMSetCursor : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  HWND CursorWnd() const { return WParamHandle<HWND>(); }
  int HitTest() const { return static_cast<short>(LOWORD(LParam())); }
  UINT MouseMsg() const { return HIWORD(LParam()); }
};

// WM_CONTEXTMENU: Pos is in screen coordinates, (-1, -1) when the menu was
// asked for from the keyboard.
class TWMContextMenu : public TPointRecord {
public:
  using TPointRecord::TPointRecord;
  HWND Window() const { return WParamHandle<HWND>(); }
  bool FromKeyboard() const { return Pos() == TPoint{-1, -1}; }
};

// WM_SETFOCUS (the window that lost the focus) and WM_KILLFOCUS (the one
// taking it); either may be nil.
class TWMSetFocus : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  HWND FocusedWnd() const { return WParamHandle<HWND>(); }
};
using TWMKillFocus = TWMSetFocus;

// WM_CTLCOLOR* and their CN_* forms.
class TWMCtlColor : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  HDC ChildDC() const { return WParamHandle<HDC>(); }
  HWND ChildWnd() const { return LParamHandle<HWND>(); }
};

class TWMDrawItem : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  UINT Ctl() const { return static_cast<UINT>(WParam()); }
  DRAWITEMSTRUCT* DrawItemStruct() const { return LParamAs<DRAWITEMSTRUCT>(); }
};

class TWMMeasureItem : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  UINT IDCtl() const { return static_cast<UINT>(WParam()); }
  MEASUREITEMSTRUCT* MeasureItemStruct() const { return LParamAs<MEASUREITEMSTRUCT>(); }
};

class TWMDeleteItem : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  UINT Ctl() const { return static_cast<UINT>(WParam()); }
  DELETEITEMSTRUCT* DeleteItemStruct() const { return LParamAs<DELETEITEMSTRUCT>(); }
};

class TWMCompareItem : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  UINT Ctl() const { return static_cast<UINT>(WParam()); }
  COMPAREITEMSTRUCT* CompareItemStruct() const { return LParamAs<COMPAREITEMSTRUCT>(); }
};

// WM_ACTIVATE: Active is WA_INACTIVE, WA_ACTIVE or WA_CLICKACTIVE;
// ActiveWindow is the window losing (or taking) the activation, maybe nil.
class TWMActivate : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  WORD Active() const { return LOWORD(WParam()); }
  bool Minimized() const { return HIWORD(WParam()) != 0; }
  HWND ActiveWindow() const { return LParamHandle<HWND>(); }
};

class TWMActivateApp : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  bool Active() const { return WParam() != 0; }
  DWORD ThreadId() const { return static_cast<DWORD>(LParam()); }
};

class TWMNCActivate : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  bool Active() const { return WParam() != 0; }
};

// WM_WINDOWPOSCHANGING and WM_WINDOWPOSCHANGED.
class TWMWindowPosMsg : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  WINDOWPOS* WindowPos() const { return LParamAs<WINDOWPOS>(); }
};

// WM_NCCALCSIZE: with CalcValidRects the lParam is a NCCALCSIZE_PARAMS,
// otherwise a single RECT (the params' first rectangle).
class TWMNCCalcSize : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  bool CalcValidRects() const { return WParam() != 0; }
  NCCALCSIZE_PARAMS* CalcSizeParams() const { return LParamAs<NCCALCSIZE_PARAMS>(); }
};

// WM_NCHITTEST: the point in screen coordinates.
class TWMNCHitTest : public TPointRecord {
public:
  using TPointRecord::TPointRecord;
};

class TWMTimer : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  UINT_PTR TimerID() const { return static_cast<UINT_PTR>(WParam()); }
};

// WM_SYSCOMMAND: CmdType is the SC_* command with the platform's own low
// four bits cleared.
class TWMSysCommand : public TPointRecord {
public:
  using TPointRecord::TPointRecord;
  UINT CmdType() const { return static_cast<UINT>(WParam()) & 0xFFF0; }
};

class TWMShowWindow : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  bool Show() const { return WParam() != 0; }
  int Status() const { return static_cast<int>(LParam()); }
};

// WM_GETDLGCODE: the key message being asked about, nil when the dialog
// manager asks in general.
class TWMGetDlgCode : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  const MSG* KeyMessage() const { return LParamAs<const MSG>(); }
};

// WM_GETTEXT: a buffer of TextMax UTF-16 units, the terminator included.
class TWMGetText : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  std::size_t TextMax() const { return static_cast<std::size_t>(WParam()); }
  char16_t* Text() const { return LParamAs<char16_t>(); }
};

// WM_SETTEXT: UTF-16 text ending in a zero, maybe nil.
class TWMSetText : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  const char16_t* Text() const { return LParamAs<const char16_t>(); }
};

// WM_SETTINGCHANGE: the SPI_* setting changed and the section named, if any.
class TWMSettingChange : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  UINT Flag() const { return static_cast<UINT>(WParam()); }
  const char16_t* Section() const { return LParamAs<const char16_t>(); }
};

// CM_HITTEST: whether the control answers the mouse at a point (its own
// client coordinates); a control that does sets a non-zero result.
class TCMHitTest : public TPointRecord {
public:
  using TPointRecord::TPointRecord;
};

// CM_MOUSEENTER and CM_MOUSELEAVE: Control is the child the mouse entered or
// left, passed up to the parents; nil for the control itself.
class TCMMouseEnterLeave : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  TControl* Control() const { return LParamAs<TControl>(); }
  // The control the mouse entered or left, as the receiver sees it.
  TControl* ControlOr(TControl* receiver) const {
    TControl* child = Control();
    return child ? child : receiver;
  }
};

// CM_FOCUSCHANGED, broadcast by a form: the control now focused.
class TCMFocusChanged : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  TWinControl* Sender() const { return LParamAs<TWinControl>(); }
};

// CM_CHILDKEY: a key the focused control Sender got, offered to its parents.
class TCMChildKey : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  WORD CharCode() const { return LOWORD(WParam()); }
  TWinControl* Sender() const { return LParamAs<TWinControl>(); }
};

// CM_PARENTCOLORCHANGED: with HasColor the colour to take, otherwise the
// parent's colour.
class TCMParentColorChanged : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  bool HasColor() const { return WParam() != 0; }
  TColor Color() const { return static_cast<TColor>(LParam()); }
};

// CM_PARENTFONTCHANGED: with HasFont the font to take, otherwise the
// parent's font.
class TCMParentFontChanged : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  bool HasFont() const { return WParam() != 0; }
  TFont* Font() const { return LParamAs<TFont>(); }
};

// CM_DRAG: what a drag asks of the window under the mouse. The target
// control is nil for dmFindTarget, whose answer is the control at Pos.
enum class TDragMessage {
  dmDragEnter,
  dmDragLeave,
  dmDragMove,
  dmDragDrop,
  dmDragCancel,
  dmFindTarget,
};
struct TDragRec {
  TPoint Pos;
  TDragObject* Source = nullptr;
  TControl* Target = nullptr;
  bool Docking = false;
};
class TCMDrag : public TMessageRecord {
public:
  using TMessageRecord::TMessageRecord;
  TDragMessage DragMessage() const { return static_cast<TDragMessage>(WParam()); }
  TDragRec* DragRec() const { return LParamAs<TDragRec>(); }
};
