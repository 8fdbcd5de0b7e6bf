// The text layout's way to the platform's UTF-16 text functions: Windows-1254
// bytes are turned into UTF-16 through a table made once from the code page,
// one unit per byte, so byte offsets and character offsets stay the same.
#pragma once

#include <string>

#include "platform/rtl/WinApi.h"

// Converts byte runs into a buffer it keeps; a converted run stays valid until
// the next conversion.
class TcxWideBuffer {
public:
  const WCHAR* Convert(const char* text, int count);

private:
  std::u16string m_text;
};

// The UTF-16 unit of one Windows-1254 byte.
char16_t cxWideCharOf(char byte);
