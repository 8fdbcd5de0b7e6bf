// A window's text as the program's Windows-1254 bytes.
#pragma once

#include <string>

#include "platform/rtl/WideText.h"
#include "platform/rtl/WinApi.h"

inline std::string WindowText(HWND window) {
  std::u16string text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, u'\0');
  text.resize(static_cast<std::size_t>(
      ::GetWindowTextW(window, WidePtr(text), static_cast<int>(text.size()))));
  return WideToAnsi(text);
}
