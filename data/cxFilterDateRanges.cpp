#include "data/cxFilterDateRanges.h"

#include "data/cxDataUtils.h"
#include "data/cxFilter.h"

bool cxFilterIncludeTodayInLastNextDaysList = true;

namespace {

TDateTime Today() { return Date(); }

TDateTime StartOfThisWeek() { return GetStartDateOfWeek(Today()); }

// The first day of the month 'offset' months after today's month.
TDateTime MonthStart(int offset) {
  int year = 0;
  int month = 0;
  int day = 0;
  DecodeDate(Today(), year, month, day);
  const int months = year * 12 + (month - 1) + offset;
  return EncodeDate(months / 12, months % 12 + 1, 1);
}

// 1 January of the year 'offset' years after today's year.
TDateTime YearStart(int offset) {
  int year = 0;
  int month = 0;
  int day = 0;
  DecodeDate(Today(), year, month, day);
  return EncodeDate(year + offset, 1, 1);
}

} // namespace

// ---- TcxFilterDateOperator ----------------------------------------------------

void TcxFilterDateOperator::SetRange(TDateTime dateFrom, TDateTime dateTo) {
  m_dateFrom = dateFrom;
  m_dateTo = dateTo;
}

bool TcxFilterDateOperator::CompareValues(const Variant& dataValue, const Variant&) const {
  if (Criteria()->ValueIsNull(dataValue))
    return false;
  if (m_dateFrom != 0 && VarFromDateTime(m_dateFrom) > dataValue)
    return false;
  if (m_dateTo != 0)
    return dataValue < VarFromDateTime(m_dateTo);
  return true;
}

std::string TcxFilterDateOperator::GetExpressionFilterText(const Variant&) const {
  const std::string field = FieldName();
  std::string text;
  if (m_dateFrom != 0)
    text = "(" + field + " >= " + GetExpressionValue(VarFromDateTime(m_dateFrom)) + ")";
  if (m_dateTo != 0) {
    if (!text.empty())
      text += " AND ";
    text += "(" + field + " < " + GetExpressionValue(VarFromDateTime(m_dateTo)) + ")";
  }
  return text;
}

void TcxFilterLastNDaysOperator::Prepare() {
  const TDateTime dateTo = cxFilterIncludeTodayInLastNextDaysList ? Today() + 1 : Today();
  SetRange(dateTo - DayCount(), dateTo);
}

void TcxFilterNextNDaysOperator::Prepare() {
  const TDateTime dateFrom = cxFilterIncludeTodayInLastNextDaysList ? Today() : Today() + 1;
  SetRange(dateFrom, dateFrom + DayCount());
}

// ---- The ranges -------------------------------------------------------------------

#define CX_DATE_RANGE(Name, Caption, From, To)                               \
  void Name::Prepare() { SetRange(From, To); }                               \
  std::string Name::DisplayText() const { return cxSFilterString(Caption); }

#define CX_N_DAYS_CAPTION(Name, Caption) \
  std::string Name::DisplayText() const { return cxSFilterString(Caption); }

CX_DATE_RANGE(TcxFilterYesterdayOperator, cxSFilterOperatorYesterday, Today() - 1, Today())
CX_DATE_RANGE(TcxFilterTodayOperator, cxSFilterOperatorToday, Today(), Today() + 1)
CX_DATE_RANGE(TcxFilterTomorrowOperator, cxSFilterOperatorTomorrow, Today() + 1, Today() + 2)
CX_N_DAYS_CAPTION(TcxFilterLast7DaysOperator, cxSFilterOperatorLast7Days)
CX_DATE_RANGE(TcxFilterLastWeekOperator, cxSFilterOperatorLastWeek, StartOfThisWeek() - 7,
              StartOfThisWeek())
CX_N_DAYS_CAPTION(TcxFilterLast14DaysOperator, cxSFilterOperatorLast14Days)
CX_DATE_RANGE(TcxFilterLastTwoWeeksOperator, cxSFilterOperatorLastTwoWeeks,
              StartOfThisWeek() - 14, StartOfThisWeek())
CX_N_DAYS_CAPTION(TcxFilterLast30DaysOperator, cxSFilterOperatorLast30Days)
CX_DATE_RANGE(TcxFilterLastMonthOperator, cxSFilterOperatorLastMonth, MonthStart(-1),
              MonthStart(0))
CX_DATE_RANGE(TcxFilterLastYearOperator, cxSFilterOperatorLastYear, YearStart(-1), YearStart(0))
CX_DATE_RANGE(TcxFilterInPastOperator, cxSFilterOperatorPast, 0, Today())
CX_DATE_RANGE(TcxFilterThisWeekOperator, cxSFilterOperatorThisWeek, StartOfThisWeek(),
              StartOfThisWeek() + 7)
CX_DATE_RANGE(TcxFilterThisMonthOperator, cxSFilterOperatorThisMonth, MonthStart(0),
              MonthStart(1))
CX_DATE_RANGE(TcxFilterThisYearOperator, cxSFilterOperatorThisYear, YearStart(0), YearStart(1))
CX_N_DAYS_CAPTION(TcxFilterNext7DaysOperator, cxSFilterOperatorNext7Days)
CX_DATE_RANGE(TcxFilterNextWeekOperator, cxSFilterOperatorNextWeek, StartOfThisWeek() + 7,
              StartOfThisWeek() + 14)
CX_N_DAYS_CAPTION(TcxFilterNext14DaysOperator, cxSFilterOperatorNext14Days)
CX_DATE_RANGE(TcxFilterNextTwoWeeksOperator, cxSFilterOperatorNextTwoWeeks,
              StartOfThisWeek() + 7, StartOfThisWeek() + 21)
CX_N_DAYS_CAPTION(TcxFilterNext30DaysOperator, cxSFilterOperatorNext30Days)
CX_DATE_RANGE(TcxFilterNextMonthOperator, cxSFilterOperatorNextMonth, MonthStart(1),
              MonthStart(2))
CX_DATE_RANGE(TcxFilterNextYearOperator, cxSFilterOperatorNextYear, YearStart(1), YearStart(2))
CX_DATE_RANGE(TcxFilterInFutureOperator, cxSFilterOperatorFuture, Today() + 1, 0)

#undef CX_DATE_RANGE
#undef CX_N_DAYS_CAPTION
