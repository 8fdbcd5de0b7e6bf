// The small types the controls share: alignment, control style and state,
// shift state, mouse buttons, cursors and the event signatures, plus the
// conversions between the platform's key flags and shift states.
#pragma once

#include <cstdint>

#include "platform/objects/Events.h"
#include "platform/objects/PropertyRegistry.h"
#include "platform/rtl/Sets.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

class TObject;
class TDragObject;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
using TAlignSet = Set<TAlign>;
ENUM_NAMES(TAlign, "alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom");

// The edges of its parent a control keeps its distance to when the parent
// is resized.
enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = Set<TAnchorKind>;
ENUM_NAMES(TAnchorKind, "akLeft", "akTop", "akRight", "akBottom");
constexpr TAnchors kDefaultAnchors{TAnchorKind::akLeft, TAnchorKind::akTop};

// What of a control a scale still changes while it is being read: the
// values set since it was last scaled.
enum class TScalingFlag { sfLeft, sfTop, sfWidth, sfHeight, sfFont };
using TScalingFlags = Set<TScalingFlag>;

// What kind of control a class is; fixed by the class, changed by few.
enum class TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,
  csDesignInteractive,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoDesignVisible,
  csReplicatable,
  csNoStdEvents,
  csDisplayDragImage,
  csReflector,
  csActionClient,
  csMenuEvents,
};
using TControlStyle = Set<TControlStyleItem>;

// What a control is doing at the moment.
enum class TControlStateItem {
  csLButtonDown,
  csClicked,
  csPalette,
  csReadingState,
  csAlignmentNeeded,
  csFocusing,
  csCreating,
  csPaintCopy,
  csCustomPaint,
  csDestroyingHandle,
  csDocking,
};
using TControlState = Set<TControlStateItem>;

enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateItem>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The platform's virtual key state array (GetKeyboardState).
using TKeyboardState = BYTE[256];

// Shift state from the key data of a key message (Alt from bit 29) and the
// current Shift and Ctrl keys.
TShiftState KeyDataToShiftState(LPARAM keyData);
// Shift state from the MK_* flags of a mouse message, plus the current Alt key.
TShiftState KeysToShiftState(WORD keys);
// The MK_* flags of a shift state (Alt and double are dropped).
WORD ShiftStateToKeys(TShiftState shift);
TShiftState KeyboardStateToShiftState(const TKeyboardState& keyboardState);
// The shift state of the keyboard and mouse buttons now.
TShiftState GetShiftState();

// Cursors: negative ids are the platform's, positive ones the program's own
// (registered with TScreen::SetCursors).
using TCursor = std::int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crSize = crSizeAll;

// The names form definitions use for cursors ("crHandPoint").
TIdentMap CursorIdents();

// Event signatures. Parameters passed by reference are the handler's to
// change (a key set to 0 is swallowed).
using TMouseEvent =
    TDelegate<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TDelegate<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TDelegate<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = TDelegate<void(TObject* Sender, char& Key)>;
using TMouseWheelEvent = TDelegate<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                        TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    TDelegate<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
using TContextPopupEvent = TDelegate<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

// Dragging: whether a left press starts a drag by itself, what a drag does,
// and where it stands relative to the control under the mouse.
enum class TDragMode { dmManual, dmAutomatic };
ENUM_NAMES(TDragMode, "dmManual", "dmAutomatic");
enum class TDragKind { dkDrag, dkDock };
ENUM_NAMES(TDragKind, "dkDrag", "dkDock");
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Drag events. The source is the dragged control when the drag made its own
// drag object, else the drag object; the target of an end is nil when the
// drop was refused or the drag cancelled.
using TDragOverEvent = TDelegate<void(TObject* Sender, TObject* Source, int X, int Y,
                                      TDragState State, bool& Accept)>;
using TDragDropEvent = TDelegate<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = TDelegate<void(TObject* Sender, TDragObject*& DragObject)>;
using TEndDragEvent = TDelegate<void(TObject* Sender, TObject* Target, int X, int Y)>;

// Which scroll bars a control shows.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
ENUM_NAMES(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth");

// Scroll bars: the direction of a bar, what a scroll step did (the
// ordinals are the platform's SB_* codes) and the amount of one step.
enum class TScrollBarKind { sbHorizontal, sbVertical };
ENUM_NAMES(TScrollBarKind, "sbHorizontal", "sbVertical");
enum class TScrollCode {
  scLineUp,
  scLineDown,
  scPageUp,
  scPageDown,
  scPosition,
  scTrack,
  scTop,
  scBottom,
  scEndScroll,
};
ENUM_NAMES(TScrollCode, "scLineUp", "scLineDown", "scPageUp", "scPageDown", "scPosition",
           "scTrack", "scTop", "scBottom", "scEndScroll");
using TScrollBarInc = std::int16_t;
// Told of a scroll step; the handler may change the new position.
using TScrollEvent = TDelegate<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)>;
