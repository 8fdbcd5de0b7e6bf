#include "tests/support/GTest.h"

#include <limits>
#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

namespace {

struct TCalendarCase {
  int year, month, day;
  double serial;
  int dayOfWeek;  // 1 = Sunday
};

// Leap rules (1600 and 2000 leap, 1900 and 2100 not), the zero day and the
// days on both sides of it, and both ends of the calendar.
const TCalendarCase calendarCases[] = {
    {1, 1, 1, -693593, 2},      {1600, 2, 29, -109512, 3}, {1899, 12, 29, -1, 6},
    {1899, 12, 30, 0, 7},       {1899, 12, 31, 1, 1},      {1900, 1, 1, 2, 2},
    {1900, 2, 28, 60, 4},       {1900, 3, 1, 61, 5},       {2000, 2, 29, 36585, 3},
    {2024, 2, 29, 45351, 5},    {2024, 3, 5, 45356, 3},    {2100, 3, 1, 73110, 2},
    {9999, 12, 31, 2958465, 6},
};

} // namespace

TEST(Calendar, EncodesDecodesAndNamesTheWeekday) {
  for (const TCalendarCase& c : calendarCases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial);
    int year = 0, month = 0, day = 0;
    DecodeDate(c.serial, year, month, day);
    EXPECT_EQ(year, c.year);
    EXPECT_EQ(month, c.month);
    EXPECT_EQ(day, c.day);
    EXPECT_EQ(DayOfWeek(c.serial), c.dayOfWeek);
  }
}

TEST(Calendar, EveryDayOfFourCenturiesRoundTrips) {
  TDateTime expected = EncodeDate(1801, 1, 1);
  for (int year = 1801; year <= 2200; ++year)
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        ASSERT_EQ(EncodeDate(year, month, day), expected);
        int y = 0, m = 0, d = 0;
        DecodeDate(expected, y, m, d);
        ASSERT_TRUE(y == year && m == month && d == day) << year << "-" << month << "-" << day;
        expected += 1;
      }
}

TEST(Calendar, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2023));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2023, 4), 30);
  EXPECT_EQ(DaysInMonth(2023, 12), 31);
  EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST(Calendar, RefusesDatesOutsideTheCalendar) {
  const int invalid[][3] = {{0, 1, 1},    {10000, 1, 1}, {2023, 2, 29}, {1900, 2, 29},
                            {2024, 13, 1}, {2024, 0, 1},  {2024, 4, 31}, {2024, 1, 0},
                            {-1, 1, 1}};
  for (const auto& d : invalid) {
    SCOPED_TRACE(testing::Message() << d[0] << "-" << d[1] << "-" << d[2]);
    TDateTime untouched = 7;
    EXPECT_FALSE(TryEncodeDate(d[0], d[1], d[2], untouched));
    EXPECT_EQ(untouched, 7);
    try {
      EncodeDate(d[0], d[1], d[2]);
      ADD_FAILURE() << "no exception";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Invalid argument to date encode");
    }
  }
}

TEST(TimeOfDay, EncodesAndDecodes) {
  struct Case { int hour, min, sec, msec; double fraction; };
  const Case cases[] = {{0, 0, 0, 0, 0.0},  {6, 0, 0, 0, 0.25}, {12, 0, 0, 0, 0.5},
                        {18, 0, 0, 0, 0.75}, {0, 0, 0, 1, 1.0 / MSecsPerDay},
                        {23, 59, 59, 999, (MSecsPerDay - 1.0) / MSecsPerDay}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fraction);
    EXPECT_DOUBLE_EQ(EncodeTime(c.hour, c.min, c.sec, c.msec), c.fraction);
    int hour = -1, min = -1, sec = -1, msec = -1;
    DecodeTime(c.fraction + 45356, hour, min, sec, msec);
    EXPECT_EQ(hour, c.hour);
    EXPECT_EQ(min, c.min);
    EXPECT_EQ(sec, c.sec);
    EXPECT_EQ(msec, c.msec);
  }
}

TEST(TimeOfDay, RefusesOutOfRangeParts) {
  const int invalid[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0},
                            {0, 0, 0, 1000}, {-1, 0, 0, 0}, {0, 0, 0, -1}};
  for (const auto& t : invalid) {
    TDateTime untouched = 7;
    EXPECT_FALSE(TryEncodeTime(t[0], t[1], t[2], t[3], untouched));
    EXPECT_EQ(untouched, 7);
    try {
      EncodeTime(t[0], t[1], t[2], t[3]);
      ADD_FAILURE() << "no exception for " << t[0] << ":" << t[1] << ":" << t[2] << "." << t[3];
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Invalid argument to time encode");
    }
  }
}

// Before 30.12.1899 the integer part is the day and the fraction's absolute
// value the time; values are rounded to the millisecond before decoding.
TEST(DecodeDateTime, NegativeDatesRoundingAndTheEnds) {
  struct Case { double value; int year, month, day, hour, min, sec, msec; };
  const Case cases[] = {
      {-1.25, 1899, 12, 29, 6, 0, 0, 0},
      {-0.75, 1899, 12, 30, 18, 0, 0, 0},
      {-693593.5, 1, 1, 1, 12, 0, 0, 0},
      {45351 + 0.99999999999, 2024, 3, 1, 0, 0, 0, 0},
      {45351 + 0.0000000058, 2024, 2, 29, 0, 0, 0, 1},
      {MaxDateTime, 9999, 12, 31, 23, 59, 59, 999},
      {-693594, 0, 0, 0, 0, 0, 0, 0},  // before the calendar
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    int year = -1, month = -1, day = -1, hour = -1, min = -1, sec = -1, msec = -1;
    DecodeDate(c.value, year, month, day);
    DecodeTime(c.value, hour, min, sec, msec);
    EXPECT_EQ(std::vector<int>({year, month, day, hour, min, sec, msec}),
              std::vector<int>({c.year, c.month, c.day, c.hour, c.min, c.sec, c.msec}));
  }
  EXPECT_EQ(DayOfWeek(-1.25), 6);  // a Friday
  EXPECT_EQ(DayOfWeek(-693594), 1);
}

TEST(DecodeDateTime, RefusesValuesThatAreNoDate) {
  const double invalid[] = {std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity(), -1e300};
  for (double value : invalid) {
    int a = 0, b = 0, c = 0, d = 0;
    EXPECT_THROW(DecodeDate(value, a, b, c), EConvertError);
    EXPECT_THROW(DecodeTime(value, a, b, c, d), EConvertError);
    EXPECT_THROW(DayOfWeek(value), EConvertError);
  }
}

TEST(Clock, FollowsTheSeamAndRestoresThePlatformClock) {
  const TDateTime moment = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
  {
    TFixedNow fixed(moment);
    EXPECT_EQ(Now(), moment);
    EXPECT_EQ(Date(), 45356);
    EXPECT_NEAR(Time(), EncodeTime(14, 7, 9, 45), 1e-9);
    {
      TFixedNow inner(-1.25);
      EXPECT_EQ(Date(), -1);
      EXPECT_EQ(Time(), 0.25);
    }
    EXPECT_EQ(Now(), moment);
  }
  SYSTEMTIME local{};
  ::GetLocalTime(&local);
  const TDateTime today = EncodeDate(local.wYear, local.wMonth, local.wDay);
  EXPECT_NEAR(Date(), today, 1);  // 1: the test may run across midnight
  EXPECT_NEAR(Now(), today + 0.5, 1.5);
  EXPECT_GE(Time(), 0);
  EXPECT_LT(Time(), 1);
}

TEST(Clock, SetNowSeamTakesAnyClock) {
  int calls = 0;
  SetNowSeam([&calls] { return 100.0 + ++calls; });
  EXPECT_EQ(Now(), 101);
  EXPECT_EQ(Now(), 102);
  SetNowSeam({});
  EXPECT_GT(Now(), EncodeDate(2020, 1, 1));
}
