// String helpers of the run-time. Strings hold Windows-1254 bytes.
//
// The Ansi* functions follow the user's regional settings through the
// platform (Turkish casing: i <-> İ, ı <-> I). The plain ones (UpperCase,
// CompareText, SameText, ...) fold ASCII letters only; identifiers such as
// component and property names use them so that they never depend on the
// locale.
#pragma once

#include <string>
#include <string_view>

#include "platform/rtl/Sets.h"

std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);
// Negative, zero or positive, by the user locale's collation.
int AnsiCompareStr(std::string_view a, std::string_view b);
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameStr(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
// Byte-wise ordinal comparison: the difference of the first differing bytes,
// or of the lengths.
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

// Trim removes leading and trailing characters up to and including the space
// (control characters too), as the platform's Trim does.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// 'text' with every quote doubled.
std::string QuotedStr(std::string_view text);
std::string AnsiQuotedStr(std::string_view text, char quote);
// Removes the quotes of a quoted text and undoubles the inner ones; a text that
// does not start with the quote comes back unchanged.
std::string AnsiDequotedStr(std::string_view text, char quote);

enum class TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = Set<TReplaceFlag>;
std::string StringReplace(std::string_view text, std::string_view oldPattern,
                          std::string_view newPattern, TReplaceFlags flags);

// 1-based position of 'sub' in 'text', 0 when absent.
int Pos(std::string_view sub, std::string_view text);

// A Pascal identifier: a letter or underscore, then letters, digits, underscores (ASCII).
bool IsValidIdent(std::string_view ident);
