#include "tests/support/GTest.h"

#include "platform/rtl/WinApi.h"
#include "tests/data/cxFilterTestSupport.h"

namespace {

using namespace filter_test;
using enum TcxFilterOperatorKind;

struct TDay {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  TDateTime Value() const { return Year == 0 ? 0 : EncodeDate(Year, Month, Day); }
};

constexpr TDay kOpen{};

struct TRangeCase {
  TcxFilterOperatorKind Kind;
  TDay Today;
  TDay From;
  TDay To;
};

class FilterDateRangesTest : public testing::Test, public TFilterFixtureData {
protected:
  void TearDown() override { cxFilterIncludeTodayInLastNextDaysList = true; }

  const TcxFilterDateOperator* AddBorn(TcxFilterOperatorKind kind) {
    return static_cast<const TcxFilterDateOperator*>(
        Criteria().AddItem(nullptr, BornField(), kind, Null(), "")->Operator());
  }

  void ExpectRanges(std::initializer_list<TRangeCase> cases) {
    for (const TRangeCase& c : cases) {
      const TFixedNow now(c.Today.Value() + 0.75);
      const TcxFilterDateOperator* op = AddBorn(c.Kind);
      EXPECT_EQ(c.From.Value(), op->DateFrom()) << op->ClassName() << " " << c.Today.Day;
      EXPECT_EQ(c.To.Value(), op->DateTo()) << op->ClassName() << " " << c.Today.Day;
    }
  }

  bool Passes(TcxFilterOperatorKind kind, const Variant& born) {
    Criteria().Clear();
    Criteria().AddItem(nullptr, BornField(), kind, Null(), "");
    TTestRow row{{BornField(), born}};
    return Criteria().DoFilterData(&row);
  }
};

// Sunday 10 March 2024; the Turkish week starts on Monday (4 March).
constexpr TDay kSunday{2024, 3, 10};

TEST_F(FilterDateRangesTest, RangesAroundASundayWithTodayIncluded) {
  ExpectRanges({
      {foYesterday, kSunday, {2024, 3, 9}, {2024, 3, 10}},
      {foToday, kSunday, {2024, 3, 10}, {2024, 3, 11}},
      {foTomorrow, kSunday, {2024, 3, 11}, {2024, 3, 12}},
      {foLast7Days, kSunday, {2024, 3, 4}, {2024, 3, 11}},
      {foLast14Days, kSunday, {2024, 2, 26}, {2024, 3, 11}},
      {foLast30Days, kSunday, {2024, 2, 10}, {2024, 3, 11}},
      {foLastWeek, kSunday, {2024, 2, 26}, {2024, 3, 4}},
      {foLastTwoWeeks, kSunday, {2024, 2, 19}, {2024, 3, 4}},
      {foLastMonth, kSunday, {2024, 2, 1}, {2024, 3, 1}},
      {foLastYear, kSunday, {2023, 1, 1}, {2024, 1, 1}},
      {foInPast, kSunday, kOpen, {2024, 3, 10}},
      {foThisWeek, kSunday, {2024, 3, 4}, {2024, 3, 11}},
      {foThisMonth, kSunday, {2024, 3, 1}, {2024, 4, 1}},
      {foThisYear, kSunday, {2024, 1, 1}, {2025, 1, 1}},
      {foNext7Days, kSunday, {2024, 3, 10}, {2024, 3, 17}},
      {foNextWeek, kSunday, {2024, 3, 11}, {2024, 3, 18}},
      {foNext14Days, kSunday, {2024, 3, 10}, {2024, 3, 24}},
      {foNextTwoWeeks, kSunday, {2024, 3, 11}, {2024, 3, 25}},
      {foNext30Days, kSunday, {2024, 3, 10}, {2024, 4, 9}},
      {foNextMonth, kSunday, {2024, 4, 1}, {2024, 5, 1}},
      {foNextYear, kSunday, {2025, 1, 1}, {2026, 1, 1}},
      {foInFuture, kSunday, {2024, 3, 11}, kOpen},
  });
}

TEST_F(FilterDateRangesTest, LastAndNextDaysWithoutToday) {
  cxFilterIncludeTodayInLastNextDaysList = false;
  ExpectRanges({
      {foLast7Days, kSunday, {2024, 3, 3}, {2024, 3, 10}},
      {foLast14Days, kSunday, {2024, 2, 25}, {2024, 3, 10}},
      {foLast30Days, kSunday, {2024, 2, 9}, {2024, 3, 10}},
      {foNext7Days, kSunday, {2024, 3, 11}, {2024, 3, 18}},
      {foNext14Days, kSunday, {2024, 3, 11}, {2024, 3, 25}},
      {foNext30Days, kSunday, {2024, 3, 11}, {2024, 4, 10}},
      {foToday, kSunday, {2024, 3, 10}, {2024, 3, 11}},
  });
}

TEST_F(FilterDateRangesTest, MonthsAndWeeksAcrossYearEnds) {
  constexpr TDay wednesday{2024, 3, 13};
  ExpectRanges({
      {foLastMonth, {2024, 1, 15}, {2023, 12, 1}, {2024, 1, 1}},
      {foNextMonth, {2024, 11, 20}, {2024, 12, 1}, {2025, 1, 1}},
      {foNextMonth, {2024, 12, 5}, {2025, 1, 1}, {2025, 2, 1}},
      {foThisMonth, {2024, 12, 5}, {2024, 12, 1}, {2025, 1, 1}},
      {foThisWeek, wednesday, {2024, 3, 11}, {2024, 3, 18}},
      {foLastTwoWeeks, wednesday, {2024, 2, 26}, {2024, 3, 11}},
      {foThisWeek, {2025, 1, 1}, {2024, 12, 30}, {2025, 1, 6}},
  });
}

TEST_F(FilterDateRangesTest, WeeksFollowTheLocalesFirstDay) {
  const LCID previous = ::GetThreadLocale();
  ::SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
  ExpectRanges({
      {foThisWeek, kSunday, {2024, 3, 10}, {2024, 3, 17}},
      {foLastWeek, {2024, 3, 16}, {2024, 3, 3}, {2024, 3, 10}},
  });
  ::SetThreadLocale(previous);
}

TEST_F(FilterDateRangesTest, RangesIncludeTheirStartAndExcludeTheirEnd) {
  const TFixedNow now(kSunday.Value() + 0.5);
  const TDateTime today = kSunday.Value();
  const TDateTime lastMinute = EncodeTime(23, 59, 0, 0);
  struct TCase {
    TcxFilterOperatorKind Kind;
    TDateTime Born;
    bool Inside;
  } const cases[] = {
      {foToday, today, true},
      {foToday, today + lastMinute, true},
      {foToday, today + 1, false},
      {foToday, today - 1 + lastMinute, false},
      {foInPast, today - 1 + lastMinute, true},
      {foInPast, today, false},
      {foInFuture, today + lastMinute, false},
      {foInFuture, today + 1, true},
      {foLast7Days, today - 6, true},
      {foLast7Days, today - 7 + lastMinute, false},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(c.Inside, Passes(c.Kind, VarFromDateTime(c.Born))) << FormatDateTime("c", c.Born);
}

TEST_F(FilterDateRangesTest, BlankValuesAreOutsideEveryRange) {
  const TFixedNow now(kSunday.Value());
  EXPECT_FALSE(Passes(foInPast, Null()));
  EXPECT_FALSE(Passes(foInFuture, Null()));
  Criteria().SetOptions({TcxFilterCriteriaOption::fcoSoftNull});
  EXPECT_FALSE(Passes(foInPast, ""));
}

TEST_F(FilterDateRangesTest, TextThatIsNoDateRaisesUnlessComparisonIsSoft) {
  const TFixedNow now(kSunday.Value());
  EXPECT_THROW(Passes(foToday, "abc"), EVariantError);
  Criteria().SetOptions({TcxFilterCriteriaOption::fcoSoftCompare});
  EXPECT_FALSE(Passes(foToday, "abc"));
  // Text that reads as a date compares as that date.
  EXPECT_TRUE(Passes(foToday, "10.03.2024"));
}

TEST_F(FilterDateRangesTest, FilterTextAndCaptionOfARange) {
  const TFixedNow now(kSunday.Value());
  const TcxFilterCriteriaItem* today =
      Criteria().AddItem(nullptr, BornField(), foToday, Null(), "anything");
  EXPECT_EQ("(Born >= '10.03.2024') AND (Born < '11.03.2024')",
            today->Operator()->GetExpressionFilterText(Null()));
  EXPECT_EQ("((Born >= '10.03.2024') AND (Born < '11.03.2024'))", Criteria().GetFilterText());
  EXPECT_EQ("(Do\xF0um is today)", Criteria().GetFilterCaption());
  EXPECT_EQ("", today->GetDisplayValue());
  EXPECT_EQ("is today", today->Operator()->FilterText());
  EXPECT_TRUE(today->Operator()->IsExpression());
  Criteria().Clear();
  Criteria().AddItem(nullptr, BornField(), foInPast, Null(), "");
  Criteria().AddItem(nullptr, BornField(), foInFuture, Null(), "");
  EXPECT_EQ("((Born < '10.03.2024')) AND ((Born >= '11.03.2024'))", Criteria().GetFilterText());
}

TEST_F(FilterDateRangesTest, RangesStayAsPreparedUntilTheNextChange) {
  TDateTime clock = kSunday.Value();
  SetNowSeam([&clock] { return clock; });
  const TcxFilterDateOperator* today = AddBorn(foToday);
  clock += 1;
  EXPECT_EQ(kSunday.Value(), today->DateFrom());
  Criteria().Changed();
  EXPECT_EQ(kSunday.Value() + 1, today->DateFrom());
  SetNowSeam(nullptr);
}

TEST_F(FilterDateRangesTest, EveryRangeHasItsCaption) {
  const char* const captions[] = {
      "is yesterday",   "is today",          "is tomorrow",    "is last 7 days",
      "is last week",   "is last 14 days",   "is last two weeks", "is last 30 days",
      "is last month",  "is last year",      "is past",        "is this week",
      "is this month",  "is this year",      "is next 7 days", "is next week",
      "is next 14 days", "is next two weeks", "is next 30 days", "is next month",
      "is next year",   "is future",
  };
  for (int i = 0; i < 22; ++i) {
    const auto kind = static_cast<TcxFilterOperatorKind>(static_cast<int>(foYesterday) + i);
    EXPECT_EQ(captions[i], AddBorn(kind)->DisplayText());
  }
}

} // namespace
