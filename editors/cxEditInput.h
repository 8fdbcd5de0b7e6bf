// What an editor makes of the mouse and the keyboard outside its own state:
// the shift state of a mouse button, keys sent straight to a control's
// window, the accelerator of a button caption, and the presses and clicks of
// its buttons read from two successive calculations of its view.
//
// Classes in this file: IcxEditButtonEvents, TcxEditButtonsHit.
#pragma once

#include <string>

#include "platform/controls/ControlTypes.h"
#include "platform/controls/WinControls.h"

TShiftState ButtonToShift(TMouseButton AButton);

// WM_KEYDOWN, WM_CHAR and WM_KEYUP with the key as wParam and lParam 0 sent
// to the control's window; the shift state is not sent. The character is a
// Windows-1254 one.
void SendKeyDown(TWinControl* AControl, WORD AKey, TShiftState AShift);
void SendKeyPress(TWinControl* AControl, char AKey);
void SendKeyUp(TWinControl* AControl, WORD AKey, TShiftState AShift);

// The character after the caption's accelerator mark ("&&" is a plain "&"),
// or 0 without one.
char GetHotkey(const std::string& ACaption);
// The character is the caption's accelerator, in either letter case.
bool IsAccel(char AKey, const std::string& ACaption);

class IcxEditButtonEvents {
public:
  virtual void DoButtonDown(int AVisibleIndex) = 0;
  virtual void DoButtonUp(int AVisibleIndex) = 0;
  virtual void DoButtonClick(int AVisibleIndex) = 0;

protected:
  ~IcxEditButtonEvents() = default;
};

// The pressed and the selected button of one calculation (visible indexes,
// -1 none).
struct TcxEditButtonsHit {
  int Pressed = -1;
  int Selected = -1;
  bool operator==(const TcxEditButtonsHit&) const = default;
};

// A button pressed before is released, and clicked when the mouse is over it
// now; a button pressed now when none was is pushed down. The hits are
// copies: a handler may free the editor that held them.
void ProcessButtonsChanges(TcxEditButtonsHit APrevious, TcxEditButtonsHit ACurrent,
                           IcxEditButtonEvents& AEvents);
