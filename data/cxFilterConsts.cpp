#include "data/cxFilterConsts.h"

const TResStringRec cxSFilterOperatorEqual{"equals"};
const TResStringRec cxSFilterOperatorNotEqual{"does not equal"};
const TResStringRec cxSFilterOperatorLess{"is less than"};
const TResStringRec cxSFilterOperatorLessEqual{"is less than or equal to"};
const TResStringRec cxSFilterOperatorGreater{"is greater than"};
const TResStringRec cxSFilterOperatorGreaterEqual{"is greater than or equal to"};
const TResStringRec cxSFilterOperatorLike{"like"};
const TResStringRec cxSFilterOperatorNotLike{"not like"};
const TResStringRec cxSFilterOperatorBeginsWith{"begins with"};
const TResStringRec cxSFilterOperatorDoesNotBeginWith{"does not begin with"};
const TResStringRec cxSFilterOperatorEndsWith{"ends with"};
const TResStringRec cxSFilterOperatorDoesNotEndWith{"does not end with"};
const TResStringRec cxSFilterOperatorContains{"contains"};
const TResStringRec cxSFilterOperatorDoesNotContain{"does not contain"};
const TResStringRec cxSFilterOperatorBetween{"between"};
const TResStringRec cxSFilterOperatorNotBetween{"not between"};
const TResStringRec cxSFilterOperatorInList{"in"};
const TResStringRec cxSFilterOperatorNotInList{"not in"};
const TResStringRec cxSFilterOperatorIsNull{"is blank"};
const TResStringRec cxSFilterOperatorIsNotNull{"is not blank"};
const TResStringRec cxSFilterOperatorYesterday{"is yesterday"};
const TResStringRec cxSFilterOperatorToday{"is today"};
const TResStringRec cxSFilterOperatorTomorrow{"is tomorrow"};
const TResStringRec cxSFilterOperatorLast7Days{"is last 7 days"};
const TResStringRec cxSFilterOperatorLastWeek{"is last week"};
const TResStringRec cxSFilterOperatorLast14Days{"is last 14 days"};
const TResStringRec cxSFilterOperatorLastTwoWeeks{"is last two weeks"};
const TResStringRec cxSFilterOperatorLast30Days{"is last 30 days"};
const TResStringRec cxSFilterOperatorLastMonth{"is last month"};
const TResStringRec cxSFilterOperatorLastYear{"is last year"};
const TResStringRec cxSFilterOperatorPast{"is past"};
const TResStringRec cxSFilterOperatorThisWeek{"is this week"};
const TResStringRec cxSFilterOperatorThisMonth{"is this month"};
const TResStringRec cxSFilterOperatorThisYear{"is this year"};
const TResStringRec cxSFilterOperatorNext7Days{"is next 7 days"};
const TResStringRec cxSFilterOperatorNextWeek{"is next week"};
const TResStringRec cxSFilterOperatorNext14Days{"is next 14 days"};
const TResStringRec cxSFilterOperatorNextTwoWeeks{"is next two weeks"};
const TResStringRec cxSFilterOperatorNext30Days{"is next 30 days"};
const TResStringRec cxSFilterOperatorNextMonth{"is next month"};
const TResStringRec cxSFilterOperatorNextYear{"is next year"};
const TResStringRec cxSFilterOperatorFuture{"is future"};
const TResStringRec cxSFilterAndCaption{"and"};
const TResStringRec cxSFilterOrCaption{"or"};
const TResStringRec cxSFilterNotCaption{"not"};
const TResStringRec cxSFilterBlankCaption{"blank"};
const TResStringRec cxSFilterBoxAllCaption{"(All)"};
const TResStringRec cxSFilterBoxCustomCaption{"(Custom...)"};
const TResStringRec cxSFilterBoxBlanksCaption{"(Blanks)"};
const TResStringRec cxSFilterBoxNonBlanksCaption{"(NonBlanks)"};

TcxFilterGetResourceStringFunc cxFilterGetResourceStringFunc = nullptr;

std::string cxSFilterString(std::string_view text) {
  std::string caption(text);
  if (cxFilterGetResourceStringFunc)
    return cxFilterGetResourceStringFunc(caption);
  return caption;
}

std::string cxSFilterString(const TResStringRec& caption) {
  return cxSFilterString(cxLoadResString(caption));
}
