#include "platform/rtl/AnsiStrings.h"

#include <algorithm>
#include <climits>

#include "platform/rtl/WideText.h"

namespace {

// Maps one character through the user locale's casing. A result that has no
// byte in code page 1254 (the micro sign's capital, say) keeps the original.
char MapCharCase(WCHAR wide, char original, DWORD flags) {
  WCHAR mapped = 0;
  if (::LCMapStringW(LOCALE_USER_DEFAULT, flags, &wide, 1, &mapped, 1) != 1)
    return original;
  return ExactAnsiChar(static_cast<char16_t>(mapped)).value_or(original);
}

// Code page 1254 is a single-byte code page: character i of the UTF-16 text
// is byte i of the original.
std::string MapCase(std::string_view text, DWORD flags) {
  const std::u16string wide = AnsiToWide(text);
  std::string result(text);
  for (size_t i = 0; i < result.size(); ++i)
    result[i] = MapCharCase(static_cast<WCHAR>(wide[i]), result[i], flags | LCMAP_LINGUISTIC_CASING);
  return result;
}

int CompareWithLocale(std::string_view a, std::string_view b, DWORD flags) {
  const std::u16string wa = AnsiToWide(a);
  const std::u16string wb = AnsiToWide(b);
  const int result = ::CompareStringW(LOCALE_USER_DEFAULT, flags, WidePtr(wa),
                                      static_cast<int>(wa.size()), WidePtr(wb),
                                      static_cast<int>(wb.size()));
  return result - CSTR_EQUAL;
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

template <typename Fold>
int CompareBytes(std::string_view a, std::string_view b, Fold fold) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const int ca = static_cast<unsigned char>(fold(a[i]));
    const int cb = static_cast<unsigned char>(fold(b[i]));
    if (ca != cb)
      return ca - cb;
  }
  if (a.size() == b.size())
    return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

} // namespace

std::string AnsiUpperCase(std::string_view text) { return MapCase(text, LCMAP_UPPERCASE); }
std::string AnsiLowerCase(std::string_view text) { return MapCase(text, LCMAP_LOWERCASE); }

int AnsiCompareStr(std::string_view a, std::string_view b) { return CompareWithLocale(a, b, 0); }
int AnsiCompareText(std::string_view a, std::string_view b) {
  return CompareWithLocale(a, b, NORM_IGNORECASE);
}
bool AnsiSameStr(std::string_view a, std::string_view b) { return AnsiCompareStr(a, b) == 0; }
// Compared upper-cased, because the platform's case-insensitive comparison
// folds i with I, where Turkish pairs i with İ and ı with I.
bool AnsiSameText(std::string_view a, std::string_view b) {
  return AnsiUpperCase(a) == AnsiUpperCase(b);
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), AsciiUpper);
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  std::transform(result.begin(), result.end(), result.begin(), AsciiLower);
  return result;
}

int CompareStr(std::string_view a, std::string_view b) {
  return CompareBytes(a, b, [](char c) { return c; });
}
int CompareText(std::string_view a, std::string_view b) { return CompareBytes(a, b, AsciiUpper); }
bool SameText(std::string_view a, std::string_view b) { return CompareText(a, b) == 0; }

std::string Trim(std::string_view text) { return TrimLeft(TrimRight(text)); }

std::string TrimLeft(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
  return std::string(first, text.end());
}

std::string TrimRight(std::string_view text) {
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank);
  return std::string(text.begin(), last.base());
}

std::string QuotedStr(std::string_view text) { return AnsiQuotedStr(text, '\''); }

std::string AnsiQuotedStr(std::string_view text, char quote) {
  std::string result(1, quote);
  for (char c : text) {
    result += c;
    if (c == quote)
      result += quote;
  }
  result += quote;
  return result;
}

std::string AnsiDequotedStr(std::string_view text, char quote) {
  if (text.empty() || text.front() != quote)
    return std::string(text);
  std::string result;
  for (size_t i = 1; i < text.size(); ++i) {
    if (text[i] != quote) {
      result += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == quote) {
      result += quote;
      ++i;
    } else {
      return result;
    }
  }
  return std::string(text);  // no closing quote: not a quoted text
}

std::string StringReplace(std::string_view text, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags) {
  if (oldPattern.empty())
    return std::string(text);
  const bool ignoreCase = flags.Contains(TReplaceFlag::rfIgnoreCase);
  // Casing keeps the length, so positions found in the folded text hold in the original.
  const std::string haystack = ignoreCase ? AnsiUpperCase(text) : std::string(text);
  const std::string needle = ignoreCase ? AnsiUpperCase(oldPattern) : std::string(oldPattern);
  std::string result;
  size_t from = 0;
  for (size_t at = haystack.find(needle); at != std::string::npos; at = haystack.find(needle, from)) {
    result.append(text.substr(from, at - from)).append(newPattern);
    from = at + needle.size();
    if (!flags.Contains(TReplaceFlag::rfReplaceAll))
      break;
  }
  result.append(text.substr(from));
  return result;
}

int Pos(std::string_view sub, std::string_view text) {
  if (sub.empty())
    return 0;
  const size_t at = text.find(sub);
  return at == std::string_view::npos || at >= static_cast<size_t>(INT_MAX) ? 0 : static_cast<int>(at) + 1;
}

bool IsValidIdent(std::string_view ident) {
  if (ident.empty() || !IsIdentStart(ident.front()))
    return false;
  return std::all_of(ident.begin() + 1, ident.end(),
                     [](char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); });
}
