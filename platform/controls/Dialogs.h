// Message boxes: ShowMessage, and the seam every message box of the library
// goes through, so that tests answer boxes instead of waiting on them.
#pragma once

#include <functional>
#include <string>

#include "platform/rtl/WinApi.h"

// Shows a message box (Windows-1254 text) and answers the button pressed.
using TMessageBoxFunction = std::function<int(HWND owner, const std::string& text,
                                              const std::string& caption, UINT flags)>;

// Replaces the function that shows message boxes (the platform's
// MessageBoxW unless replaced); an empty function restores the platform's.
// Answers the previous one.
TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction function);
// Shows a message box through the current function.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags);

// A box with the text and one OK button, captioned with the application's
// title.
void ShowMessage(const std::string& text);
