// Making the platform tell every top-level window that the system colours
// changed, without changing any: the button-face colour is set to the value
// it has, then the messages that brings are handled.
#pragma once

#include "platform/rtl/WinApi.h"

inline void AnnounceSystemColourChange() {
  const int element = COLOR_BTNFACE;
  const COLORREF colour = ::GetSysColor(element);
  ::SetSysColors(1, &element, &colour);
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    ::DispatchMessageW(&msg);
}
