#include "editors/cxEditInput.h"

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WideText.h"

TShiftState ButtonToShift(TMouseButton AButton) {
  switch (AButton) {
  case TMouseButton::mbRight:
    return {TShiftStateItem::ssRight};
  case TMouseButton::mbMiddle:
    return {TShiftStateItem::ssMiddle};
  case TMouseButton::mbLeft:
    break;
  }
  return {TShiftStateItem::ssLeft};
}

void SendKeyDown(TWinControl* AControl, WORD AKey, TShiftState) {
  ::SendMessageW(AControl->Handle(), WM_KEYDOWN, AKey, 0);
}

void SendKeyPress(TWinControl* AControl, char AKey) {
  // The control's window is a Unicode one: the character goes as its
  // UTF-16 equivalent, as typed keys arrive.
  ::SendMessageW(AControl->Handle(), WM_CHAR, AnsiToWideChar(AKey), 0);
}

void SendKeyUp(TWinControl* AControl, WORD AKey, TShiftState) {
  ::SendMessageW(AControl->Handle(), WM_KEYUP, AKey, 0);
}

char GetHotkey(const std::string& ACaption) {
  for (size_t i = 0; i + 1 < ACaption.size(); ++i) {
    if (ACaption[i] != '&')
      continue;
    if (ACaption[i + 1] != '&')
      return ACaption[i + 1];
    ++i;
  }
  return 0;
}

bool IsAccel(char AKey, const std::string& ACaption) {
  const char hotkey = GetHotkey(ACaption);
  return hotkey != 0 && AKey != 0 &&
         AnsiCompareText(std::string(1, AKey), std::string(1, hotkey)) == 0;
}

void ProcessButtonsChanges(TcxEditButtonsHit APrevious, TcxEditButtonsHit ACurrent,
                           IcxEditButtonEvents& AEvents) {
  if (APrevious == ACurrent)
    return;
  if (APrevious.Pressed != -1) {
    AEvents.DoButtonUp(APrevious.Pressed);
    if (APrevious.Pressed == ACurrent.Selected)
      AEvents.DoButtonClick(APrevious.Pressed);
  }
  if (ACurrent.Pressed != -1 && APrevious.Pressed == -1)
    AEvents.DoButtonDown(ACurrent.Pressed);
}
