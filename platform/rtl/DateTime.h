// Dates and times of the run-time: the TDateTime value, its calendar
// arithmetic, the clock, and its conversion to and from text.
//
// A TDateTime counts days since 30 December 1899; the fraction is the time of
// day. Before that day the integer part is still the day and the absolute
// value of the fraction is the time: 29 December 1899 06:00 is -1.25.
// Calendar dates run from 1 January 0001 to 31 December 9999.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/rtl/FormatSettings.h"

using TDateTime = double;

constexpr int HoursPerDay = 24;
constexpr int MinsPerHour = 60;
constexpr int SecsPerMin = 60;
constexpr int MSecsPerSec = 1000;
constexpr int MinsPerDay = HoursPerDay * MinsPerHour;
constexpr int SecsPerDay = MinsPerDay * SecsPerMin;
constexpr int MSecsPerDay = SecsPerDay * MSecsPerSec;
// Days from 1 January 0001 to 30 December 1899.
constexpr int DateDelta = 693594;
constexpr TDateTime MinDateTime = -693593.0;         // 01.01.0001 00:00
constexpr TDateTime MaxDateTime = 2958465.99999999;  // 31.12.9999 23:59:59.999

// ---- Calendar ------------------------------------------------------------

// Gregorian: divisible by 4, and not by 100 unless by 400.
bool IsLeapYear(int year);
// 28 to 31; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// EConvertError "Invalid argument to date encode" outside 1..9999 / 1..12 /
// the month's days.
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
// EConvertError "Invalid argument to time encode" unless hour < 24, min < 60,
// sec < 60 and msec < 1000 (all non-negative).
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);

// The value is first rounded to the millisecond, so 23:59:59.9999 decodes as
// the next day's midnight. Days before 01.01.0001 decode as 0/0/0. A value
// that is not a finite number within reach of the calendar raises
// EConvertError.
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime date);

// ---- Clock ---------------------------------------------------------------

// Now, today (time part 0) and the time of day, from the platform's local time.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Test seam: replaces the clock behind Now, Date, Time and the current year
// that two-digit years are expanded against. An empty function restores the
// platform's clock.
void SetNowSeam(std::function<TDateTime()> clock);

// Holds the clock at one moment while it lives, then restores the clock that
// was in place before.
class TFixedNow {
public:
  explicit TFixedNow(TDateTime moment);
  ~TFixedNow();
  TFixedNow(const TFixedNow&) = delete;
  TFixedNow& operator=(const TFixedNow&) = delete;

private:
  std::function<TDateTime()> m_previous;
};

// ---- Text ----------------------------------------------------------------

// The picture language, letters in either case:
//   c        short date, then " " and the long time unless the time is 00:00:00
//   d dd     day of month (dd: two digits)   ddd dddd  short / long day name
//   ddddd    short date format               dddddd    long date format
//   m mm     month (after h or hh: minutes)  mmm mmmm  short / long month name
//   yy yyyy  year in two / four digits       h hh      hour
//   n nn     minute    s ss   second         z zzz     millisecond
//   t tt     short / long time format
//   am/pm a/p  the letters as written, for the morning or the afternoon, and
//              a 12-hour clock for the hours;  ampm  TimeAMString / TimePMString
//   /  :     DateSeparator / TimeSeparator;  'text' "text"  literal text
// A run counts repeats of the same character in the same case: "Dd" is two
// single days. Any other character is copied. An empty picture means "c".
std::string FormatDateTime(std::string_view format, TDateTime value);
std::string FormatDateTime(std::string_view format, TDateTime value,
                           const TFormatSettings& settings);
void DateTimeToString(std::string& result, std::string_view format, TDateTime value);
void DateTimeToString(std::string& result, std::string_view format, TDateTime value,
                      const TFormatSettings& settings);

// "c"; ShortDateFormat; LongTimeFormat.
std::string DateTimeToStr(TDateTime value);
std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings);
std::string DateToStr(TDateTime value);
std::string DateToStr(TDateTime value, const TFormatSettings& settings);
std::string TimeToStr(TDateTime value);
std::string TimeToStr(TDateTime value, const TFormatSettings& settings);

// Parsing. A date is two or three numbers separated by DateSeparator, in the
// order of ShortDateFormat (day-month-year, month-day-year or
// year-month-day); without a year the current year is taken; a year of one or
// two digits lies within the TwoDigitYearCenturyWindow years before the
// current year or the following ones. A time is hour[:min[:sec[.msec]]] with
// TimeSeparator and DecimalSeparator, with an optional AM/PM marker
// (TimeAMString, TimePMString, "AM", "PM") before or after. Blanks around the
// parts are allowed; anything else makes the text invalid.
// EConvertError "'%s' is not a valid date" / "... valid time" /
// "... valid date and time".
TDateTime StrToDate(std::string_view text);
TDateTime StrToDate(std::string_view text, const TFormatSettings& settings);
TDateTime StrToTime(std::string_view text);
TDateTime StrToTime(std::string_view text, const TFormatSettings& settings);
// A date, optionally followed by a time; or a time alone.
TDateTime StrToDateTime(std::string_view text);
TDateTime StrToDateTime(std::string_view text, const TFormatSettings& settings);
bool TryStrToDate(std::string_view text, TDateTime& value);
bool TryStrToDate(std::string_view text, TDateTime& value, const TFormatSettings& settings);
bool TryStrToTime(std::string_view text, TDateTime& value);
bool TryStrToTime(std::string_view text, TDateTime& value, const TFormatSettings& settings);
bool TryStrToDateTime(std::string_view text, TDateTime& value);
bool TryStrToDateTime(std::string_view text, TDateTime& value,
                      const TFormatSettings& settings);
