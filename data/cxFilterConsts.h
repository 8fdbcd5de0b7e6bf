// Captions of the filter: operator names, connectives and the special entries
// of a filter's value list, with the replaceable hook every caption goes
// through.
#pragma once

#include <string>
#include <string_view>

#include "framework/cxClassesResources.h"

// Operators.
extern const TResStringRec cxSFilterOperatorEqual;
extern const TResStringRec cxSFilterOperatorNotEqual;
extern const TResStringRec cxSFilterOperatorLess;
extern const TResStringRec cxSFilterOperatorLessEqual;
extern const TResStringRec cxSFilterOperatorGreater;
extern const TResStringRec cxSFilterOperatorGreaterEqual;
extern const TResStringRec cxSFilterOperatorLike;
extern const TResStringRec cxSFilterOperatorNotLike;
extern const TResStringRec cxSFilterOperatorBeginsWith;
extern const TResStringRec cxSFilterOperatorDoesNotBeginWith;
extern const TResStringRec cxSFilterOperatorEndsWith;
extern const TResStringRec cxSFilterOperatorDoesNotEndWith;
extern const TResStringRec cxSFilterOperatorContains;
extern const TResStringRec cxSFilterOperatorDoesNotContain;
extern const TResStringRec cxSFilterOperatorBetween;
extern const TResStringRec cxSFilterOperatorNotBetween;
extern const TResStringRec cxSFilterOperatorInList;
extern const TResStringRec cxSFilterOperatorNotInList;
extern const TResStringRec cxSFilterOperatorIsNull;
extern const TResStringRec cxSFilterOperatorIsNotNull;

// Date ranges.
extern const TResStringRec cxSFilterOperatorYesterday;
extern const TResStringRec cxSFilterOperatorToday;
extern const TResStringRec cxSFilterOperatorTomorrow;
extern const TResStringRec cxSFilterOperatorLast7Days;
extern const TResStringRec cxSFilterOperatorLastWeek;
extern const TResStringRec cxSFilterOperatorLast14Days;
extern const TResStringRec cxSFilterOperatorLastTwoWeeks;
extern const TResStringRec cxSFilterOperatorLast30Days;
extern const TResStringRec cxSFilterOperatorLastMonth;
extern const TResStringRec cxSFilterOperatorLastYear;
extern const TResStringRec cxSFilterOperatorPast;
extern const TResStringRec cxSFilterOperatorThisWeek;
extern const TResStringRec cxSFilterOperatorThisMonth;
extern const TResStringRec cxSFilterOperatorThisYear;
extern const TResStringRec cxSFilterOperatorNext7Days;
extern const TResStringRec cxSFilterOperatorNextWeek;
extern const TResStringRec cxSFilterOperatorNext14Days;
extern const TResStringRec cxSFilterOperatorNextTwoWeeks;
extern const TResStringRec cxSFilterOperatorNext30Days;
extern const TResStringRec cxSFilterOperatorNextMonth;
extern const TResStringRec cxSFilterOperatorNextYear;
extern const TResStringRec cxSFilterOperatorFuture;

// Connectives and the text of a blank value.
extern const TResStringRec cxSFilterAndCaption;
extern const TResStringRec cxSFilterOrCaption;
extern const TResStringRec cxSFilterNotCaption;
extern const TResStringRec cxSFilterBlankCaption;

// Special entries of a filter's drop-down value list.
extern const TResStringRec cxSFilterBoxAllCaption;
extern const TResStringRec cxSFilterBoxCustomCaption;
extern const TResStringRec cxSFilterBoxBlanksCaption;
extern const TResStringRec cxSFilterBoxNonBlanksCaption;

// The hook that answers the text to show for a caption's default text. Unset
// at start-up; the editors point it at the library's resource-string
// repository (cxGetResourceStringNet).
using TcxFilterGetResourceStringFunc = std::string (*)(const std::string& text);
extern TcxFilterGetResourceStringFunc cxFilterGetResourceStringFunc;

// The caption to show for a default text: the hook's answer when the hook is
// set, the text itself otherwise.
std::string cxSFilterString(std::string_view text);
// The caption of a resource string: its default text through cxSFilterString.
std::string cxSFilterString(const TResStringRec& caption);
