// Date-range filter operators: conditions that select the dates falling into
// a range relative to the current day (yesterday, this week, the last 30
// days, the future, ...). Each operator computes its range in Prepare, which
// the criteria run whenever they announce a change; the condition's own
// value plays no part.
//
// Classes in this file: TcxFilterDateOperator, TcxFilterLastNDaysOperator,
// TcxFilterNextNDaysOperator and the 22 operators of the date-range kinds.
#pragma once

#include "data/cxFilterOperators.h"
#include "platform/rtl/DateTime.h"

// Whether the "last N days" and "next N days" ranges contain the current day
// (initially true).
extern bool cxFilterIncludeTodayInLastNextDaysList;

// A half-open range DateFrom <= value < DateTo; a bound of 0 leaves that side
// open. The base computes nothing (both sides open).
class TcxFilterDateOperator : public TcxFilterOperator {
  OBJECT_CLASS(TcxFilterDateOperator, TcxFilterOperator)
public:
  using TcxFilterOperator::TcxFilterOperator;

  // A blank data value is outside every range.
  bool CompareValues(const Variant& dataValue, const Variant& conditionValue) const override;
  // "(field >= 'from') AND (field < 'to')", each part only for a closed side.
  std::string GetExpressionFilterText(const Variant& value) const override;
  // The range has no operand to show.
  void PrepareDisplayValue(std::string& text) const override { text.clear(); }
  // The caption serves as filter text too.
  std::string FilterText() const override { return DisplayText(); }
  bool IsExpression() const override { return true; }

  TDateTime DateFrom() const { return m_dateFrom; }
  TDateTime DateTo() const { return m_dateTo; }

protected:
  void SetRange(TDateTime dateFrom, TDateTime dateTo);

private:
  TDateTime m_dateFrom = 0;
  TDateTime m_dateTo = 0;
};

// The N days up to today (with today, when cxFilterIncludeTodayInLastNextDaysList
// is set) or up to yesterday.
class TcxFilterLastNDaysOperator : public TcxFilterDateOperator {
  OBJECT_CLASS(TcxFilterLastNDaysOperator, TcxFilterDateOperator)
public:
  using TcxFilterDateOperator::TcxFilterDateOperator;

  void Prepare() override;
  virtual int DayCount() const = 0;
};

// The N days from today (when cxFilterIncludeTodayInLastNextDaysList is set)
// or from tomorrow.
class TcxFilterNextNDaysOperator : public TcxFilterDateOperator {
  OBJECT_CLASS(TcxFilterNextNDaysOperator, TcxFilterDateOperator)
public:
  using TcxFilterDateOperator::TcxFilterDateOperator;

  void Prepare() override;
  virtual int DayCount() const = 0;
};

// An operator of a fixed range: Prepare and the caption.
#define CX_FILTER_DATE_OPERATOR(Name)                                  \
  class Name : public TcxFilterDateOperator {                          \
    OBJECT_CLASS(Name, TcxFilterDateOperator)                          \
  public:                                                              \
    using TcxFilterDateOperator::TcxFilterDateOperator;                \
    void Prepare() override;                                           \
    std::string DisplayText() const override;                          \
  }

// An N-day operator: the day count and the caption.
#define CX_FILTER_N_DAYS_OPERATOR(Name, Base, Days)                    \
  class Name : public Base {                                           \
    OBJECT_CLASS(Name, Base)                                           \
  public:                                                              \
    using Base::Base;                                                  \
    int DayCount() const override { return Days; }                     \
    std::string DisplayText() const override;                          \
  }

CX_FILTER_DATE_OPERATOR(TcxFilterYesterdayOperator);
CX_FILTER_DATE_OPERATOR(TcxFilterTodayOperator);
CX_FILTER_DATE_OPERATOR(TcxFilterTomorrowOperator);
CX_FILTER_N_DAYS_OPERATOR(TcxFilterLast7DaysOperator, TcxFilterLastNDaysOperator, 7);
CX_FILTER_DATE_OPERATOR(TcxFilterLastWeekOperator);
CX_FILTER_N_DAYS_OPERATOR(TcxFilterLast14DaysOperator, TcxFilterLastNDaysOperator, 14);
CX_FILTER_DATE_OPERATOR(TcxFilterLastTwoWeeksOperator);
CX_FILTER_N_DAYS_OPERATOR(TcxFilterLast30DaysOperator, TcxFilterLastNDaysOperator, 30);
CX_FILTER_DATE_OPERATOR(TcxFilterLastMonthOperator);
CX_FILTER_DATE_OPERATOR(TcxFilterLastYearOperator);
CX_FILTER_DATE_OPERATOR(TcxFilterInPastOperator);
CX_FILTER_DATE_OPERATOR(TcxFilterThisWeekOperator);
CX_FILTER_DATE_OPERATOR(TcxFilterThisMonthOperator);
CX_FILTER_DATE_OPERATOR(TcxFilterThisYearOperator);
CX_FILTER_N_DAYS_OPERATOR(TcxFilterNext7DaysOperator, TcxFilterNextNDaysOperator, 7);
CX_FILTER_DATE_OPERATOR(TcxFilterNextWeekOperator);
CX_FILTER_N_DAYS_OPERATOR(TcxFilterNext14DaysOperator, TcxFilterNextNDaysOperator, 14);
CX_FILTER_DATE_OPERATOR(TcxFilterNextTwoWeeksOperator);
CX_FILTER_N_DAYS_OPERATOR(TcxFilterNext30DaysOperator, TcxFilterNextNDaysOperator, 30);
CX_FILTER_DATE_OPERATOR(TcxFilterNextMonthOperator);
CX_FILTER_DATE_OPERATOR(TcxFilterNextYearOperator);
CX_FILTER_DATE_OPERATOR(TcxFilterInFutureOperator);

#undef CX_FILTER_DATE_OPERATOR
#undef CX_FILTER_N_DAYS_OPERATOR
