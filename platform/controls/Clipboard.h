// The platform clipboard, for text: Windows-1254 text goes in and comes out
// as the platform's Unicode text, so Turkish letters survive any locale.
//
// Classes in this file: TClipboard.
#pragma once

#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

class TClipboard {
public:
  TClipboard();
  ~TClipboard();
  TClipboard(const TClipboard&) = delete;
  TClipboard& operator=(const TClipboard&) = delete;

  // Opening nests; the clipboard closes when the last Close comes.
  // EInvalidOperation "Cannot open clipboard" when another program holds it.
  void Open();
  void Close();
  void Clear();
  bool HasFormat(UINT format) const;
  std::string AsText();
  // The platform's Unicode text as it is, before any code page conversion.
  std::u16string AsWideText();
  void SetAsText(const std::string& text);

private:
  HWND m_window = nullptr;
  int m_openCount = 0;
  bool m_emptied = false;
};

// The program's clipboard object, made on first use.
TClipboard* Clipboard();
// Frees it (when the controls' units stop).
void FreeClipboard();
