#include "platform/rtl/DateTime.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/WinApi.h"

namespace {

constexpr int DaysPer400Years = 146097;
constexpr int DaysPer100Years = 36524;
constexpr int DaysPer4Years = 1461;
constexpr int DaysPerYear = 365;
// Beyond this many days the value no longer fits a 64-bit count of
// milliseconds.
constexpr double MaxDecodableDays = 1e11;

constexpr int MonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// A date-time split into whole days since 30.12.1899 and the milliseconds of
// the day, after rounding to the millisecond.
struct TDayAndTime {
  long long day = 0;
  int msec = 0;
};

[[noreturn]] void RaiseInvalidValue(TDateTime value) {
  char text[64];
  std::snprintf(text, sizeof text, "%g", value);
  throw EConvertError(std::string("'") + text + "' is not a valid date and time");
}

// The integer part is the day, the absolute value of the fraction the time.
TDayAndTime SplitDateTime(TDateTime value) {
  if (!std::isfinite(value) || std::fabs(value) > MaxDecodableDays)
    RaiseInvalidValue(value);
  const long long msec = static_cast<long long>(std::nearbyint(value * MSecsPerDay));
  const long long magnitude = msec < 0 ? -msec : msec;
  const long long days = magnitude / MSecsPerDay;
  return {msec < 0 ? -days : days, static_cast<int>(magnitude % MSecsPerDay)};
}

long long FloorMod(long long value, long long divisor) {
  const long long rest = value % divisor;
  return rest < 0 ? rest + divisor : rest;
}

std::function<TDateTime()>& NowSeam() {
  static std::function<TDateTime()> seam;
  return seam;
}

TDateTime PlatformNow() {
  SYSTEMTIME local{};
  ::GetLocalTime(&local);
  return EncodeDate(local.wYear, local.wMonth, local.wDay) +
         EncodeTime(local.wHour, local.wMinute, local.wSecond, local.wMilliseconds);
}

} // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12)
    return 0;
  return MonthDays[IsLeapYear(year)][month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date) {
  if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month))
    return false;
  for (int m = 1; m < month; ++m)
    day += DaysInMonth(year, m);
  const int y = year - 1;
  date = y * 365 + y / 4 - y / 100 + y / 400 + day - DateDelta;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date))
    throw EConvertError("Invalid argument to date encode");
  return date;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time) {
  if (hour < 0 || hour >= HoursPerDay || min < 0 || min >= MinsPerHour || sec < 0 ||
      sec >= SecsPerMin || msec < 0 || msec >= MSecsPerSec)
    return false;
  const int total = ((hour * MinsPerHour + min) * SecsPerMin + sec) * MSecsPerSec + msec;
  time = static_cast<double>(total) / MSecsPerDay;
  return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec) {
  TDateTime time = 0;
  if (!TryEncodeTime(hour, min, sec, msec, time))
    throw EConvertError("Invalid argument to time encode");
  return time;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day) {
  // Days since 01.01.0001, counted from 0.
  long long rest = SplitDateTime(date).day + DateDelta - 1;
  if (rest < 0) {
    year = month = day = 0;
    return;
  }
  long long y = 1 + rest / DaysPer400Years * 400;
  rest %= DaysPer400Years;
  const long long centuries = std::min<long long>(rest / DaysPer100Years, 3);
  rest -= centuries * DaysPer100Years;
  y += centuries * 100 + rest / DaysPer4Years * 4;
  rest %= DaysPer4Years;
  const long long years = std::min<long long>(rest / DaysPerYear, 3);
  rest -= years * DaysPerYear;
  year = static_cast<int>(y + years);
  month = 1;
  while (rest >= DaysInMonth(year, month))
    rest -= DaysInMonth(year, month++);
  day = static_cast<int>(rest) + 1;
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec) {
  int rest = SplitDateTime(time).msec;
  msec = rest % MSecsPerSec;
  rest /= MSecsPerSec;
  sec = rest % SecsPerMin;
  rest /= SecsPerMin;
  min = rest % MinsPerHour;
  hour = rest / MinsPerHour;
}

int DayOfWeek(TDateTime date) {
  // 30.12.1899 was a Saturday.
  return static_cast<int>(FloorMod(SplitDateTime(date).day + 6, 7)) + 1;
}

TDateTime Now() {
  const auto& seam = NowSeam();
  return seam ? seam() : PlatformNow();
}

TDateTime Date() {
  return std::trunc(Now());
}

TDateTime Time() {
  const TDateTime now = Now();
  return std::fabs(now - std::trunc(now));
}

void SetNowSeam(std::function<TDateTime()> clock) {
  NowSeam() = std::move(clock);
}

TFixedNow::TFixedNow(TDateTime moment) : m_previous(NowSeam()) {
  SetNowSeam([moment] { return moment; });
}

TFixedNow::~TFixedNow() {
  SetNowSeam(std::move(m_previous));
}
