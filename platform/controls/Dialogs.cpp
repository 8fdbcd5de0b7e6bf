#include "platform/controls/Dialogs.h"

#include "platform/controls/Application.h"
#include "platform/rtl/WideText.h"

namespace {

int PlatformMessageBox(HWND owner, const std::string& text, const std::string& caption,
                       UINT flags) {
  const std::u16string wideText = AnsiToWide(text);
  const std::u16string wideCaption = AnsiToWide(caption);
  return ::MessageBoxW(owner, WidePtr(wideText), WidePtr(wideCaption), flags);
}

TMessageBoxFunction& CurrentFunction() {
  static TMessageBoxFunction function = PlatformMessageBox;
  return function;
}

} // namespace

TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction function) {
  TMessageBoxFunction previous = CurrentFunction();
  CurrentFunction() = function ? std::move(function) : TMessageBoxFunction(PlatformMessageBox);
  return previous;
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  const TMessageBoxFunction function = CurrentFunction();
  return function(owner, text, caption, flags);
}

void ShowMessage(const std::string& text) {
  if (Application)
    Application->MessageBox(text, Application->Title(), MB_OK);
  else
    ShowMessageBox(nullptr, text, std::string(), MB_OK);
}
