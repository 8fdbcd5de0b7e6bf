#include "platform/rtl/WideText.h"

#include <climits>

#include "platform/rtl/Exceptions.h"

namespace {

int CheckedLength(size_t length) {
  if (length > static_cast<size_t>(INT_MAX))
    throw EConvertError("Text too long to convert");
  return static_cast<int>(length);
}

} // namespace

std::u16string AnsiToWide(std::string_view text) {
  if (text.empty())
    return {};
  const int length = CheckedLength(text.size());
  const int needed = ::MultiByteToWideChar(kTextCodePage, 0, text.data(), length, nullptr, 0);
  std::u16string result(static_cast<size_t>(needed), u'\0');
  ::MultiByteToWideChar(kTextCodePage, 0, text.data(), length, WidePtr(result), needed);
  return result;
}

std::string WideToAnsi(std::u16string_view text) {
  if (text.empty())
    return {};
  const auto* source = reinterpret_cast<const WCHAR*>(text.data());
  const int length = CheckedLength(text.size());
  const int needed =
      ::WideCharToMultiByte(kTextCodePage, 0, source, length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(needed), '\0');
  ::WideCharToMultiByte(kTextCodePage, 0, source, length, result.data(), needed, nullptr, nullptr);
  return result;
}

std::string WideToAnsi(const WCHAR* text) {
  if (!text)
    return {};
  const auto* chars = reinterpret_cast<const char16_t*>(text);
  return WideToAnsi(std::u16string_view(chars));
}

char16_t AnsiToWideChar(char ansi) {
  WCHAR wide = 0;
  if (::MultiByteToWideChar(kTextCodePage, 0, &ansi, 1, &wide, 1) != 1)
    return u'?';
  return static_cast<char16_t>(wide);
}

char WideToAnsiChar(char16_t wide) {
  const auto source = static_cast<WCHAR>(wide);
  char ansi = 0;
  if (::WideCharToMultiByte(kTextCodePage, 0, &source, 1, &ansi, 1, nullptr, nullptr) != 1)
    return '?';
  return ansi;
}

std::optional<char> ExactAnsiChar(char16_t wide) {
  const auto source = static_cast<WCHAR>(wide);
  char ansi = 0;
  BOOL usedDefault = FALSE;
  const int written = ::WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, &source, 1,
                                            &ansi, 1, nullptr, &usedDefault);
  if (written != 1 || usedDefault)
    return std::nullopt;
  return ansi;
}
