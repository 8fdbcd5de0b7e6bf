// Text at the platform boundary. Our strings hold Windows-1254 (Turkish)
// bytes; the platform is called through its UTF-16 functions, converting
// explicitly with code page 1254, so Turkish letters survive whatever the
// machine's ANSI code page is.
//
// UTF-16 text is held in std::u16string: winelib compiles wchar_t as two bytes
// while the host's libstdc++ was built with four, so std::wstring must not be
// used.
#pragma once

#include "platform/rtl/WinApi.h"

#include <optional>
#include <string>
#include <string_view>

constexpr UINT kTextCodePage = 1254;

std::u16string AnsiToWide(std::string_view text);
std::string WideToAnsi(std::u16string_view text);
std::string WideToAnsi(const WCHAR* text);
// One character each way; a character with no counterpart becomes '?' (or,
// towards code page 1254, the platform's closest byte: 'a' for an a with macron).
char16_t AnsiToWideChar(char ansi);
char WideToAnsiChar(char16_t wide);
// The character's own byte in code page 1254; nothing when it has none, so
// that the caller decides what stands in for it.
std::optional<char> ExactAnsiChar(char16_t wide);

inline const WCHAR* WidePtr(const std::u16string& text) {
  return reinterpret_cast<const WCHAR*>(text.c_str());
}
inline WCHAR* WidePtr(std::u16string& text) {
  return reinterpret_cast<WCHAR*>(text.data());
}
