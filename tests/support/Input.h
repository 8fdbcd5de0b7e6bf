// Real input through the platform's input queue, as a person gives it.
#pragma once

#include <optional>

#include "platform/rtl/Types.h"
#include "platform/rtl/WinApi.h"

// A key's press or release, for SendInput.
inline INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Presses or releases one key.
inline void SendKey(WORD key, bool up) {
  INPUT input = KeyInput(key, up);
  ::SendInput(1, &input, sizeof(INPUT));
}

// Mouse buttons and the wheel's turn; with a point (screen coordinates), the
// pointer moves there first.
inline void SendMouse(DWORD flags, std::optional<TPoint> screen = std::nullopt, int wheel = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  input.mi.mouseData = static_cast<DWORD>(wheel);
  if (screen) {
    ::SetCursorPos(screen->X, screen->Y);
    input.mi.dwFlags |= MOUSEEVENTF_MOVE;
  }
  ::SendInput(1, &input, sizeof(INPUT));
}
