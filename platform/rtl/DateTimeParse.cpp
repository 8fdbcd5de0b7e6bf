// StrToDate, StrToTime, StrToDateTime: dates and times read from text by the
// format settings.
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"

namespace {

enum class TDateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

// The first of the letters d, m, y (or e, the era year) in the short date
// format decides; month-day-year when there is none.
TDateOrder DateOrderOf(std::string_view shortDateFormat) {
  for (char c : shortDateFormat) {
    switch (c) {
      case 'd': case 'D': return TDateOrder::DayMonthYear;
      case 'm': case 'M': return TDateOrder::MonthDayYear;
      case 'y': case 'Y': case 'e': case 'E': return TDateOrder::YearMonthDay;
      default: break;
    }
  }
  return TDateOrder::MonthDayYear;
}

int CurrentYear() {
  int year = 0, month = 0, day = 0;
  DecodeDate(Now(), year, month, day);
  return year;
}

// A year written with one or two digits lands in the hundred years that start
// 'window' years before the current year; with a window of 0, in the current
// century.
int ExpandTwoDigitYear(int year, int window) {
  const int centuryBase = CurrentYear() - window;
  year += centuryBase / 100 * 100;
  if (window > 0 && year < centuryBase)
    year += 100;
  return year;
}

// Two or three numbers of a date as written, with the digit counts of the
// numbers that may be the year.
struct TDateNumbers {
  int first = 0, second = 0, third = 0;
  int firstDigits = 0, thirdDigits = 0;
  bool hasThird = false;
};

class TDateTimeScanner {
public:
  TDateTimeScanner(std::string_view text, const TFormatSettings& settings)
      : m_text(text), m_settings(settings) {}

  bool AtEnd() const { return m_position >= m_text.size(); }
  bool ScanDate(TDateTime& date);
  bool ScanTime(TDateTime& time);

private:
  bool ScanDateNumbers(TDateNumbers& numbers);
  bool ScanTimeNumbers(int& hour, int& min, int& sec, int& msec);
  int ScanMarker();
  void SkipBlanks();
  bool ScanNumber(int& number, int& digits);
  bool ScanChar(char c);
  bool ScanString(std::string_view symbol);

  std::string_view m_text;
  const TFormatSettings& m_settings;
  std::size_t m_position = 0;
};

void TDateTimeScanner::SkipBlanks() {
  while (!AtEnd() && m_text[m_position] == ' ')
    ++m_position;
}

// Digits until the number reaches four digits' worth, so that a run of many
// digits leaves the rest unread (and the text invalid) instead of overflowing.
bool TDateTimeScanner::ScanNumber(int& number, int& digits) {
  SkipBlanks();
  const std::size_t start = m_position;
  int value = 0;
  while (!AtEnd() && m_text[m_position] >= '0' && m_text[m_position] <= '9' && value < 1000)
    value = value * 10 + (m_text[m_position++] - '0');
  if (m_position == start)
    return false;
  number = value;
  digits = static_cast<int>(m_position - start);
  return true;
}

bool TDateTimeScanner::ScanChar(char c) {
  SkipBlanks();
  if (AtEnd() || m_text[m_position] != c)
    return false;
  ++m_position;
  return true;
}

// Case-insensitive by the user's locale, as the markers may be Turkish words.
bool TDateTimeScanner::ScanString(std::string_view symbol) {
  if (symbol.empty())
    return false;
  SkipBlanks();
  if (AnsiCompareText(symbol, m_text.substr(m_position, symbol.size())) != 0)
    return false;
  m_position += symbol.size();
  return true;
}

bool TDateTimeScanner::ScanDateNumbers(TDateNumbers& numbers) {
  int digits = 0;
  if (!ScanNumber(numbers.first, numbers.firstDigits) || !ScanChar(m_settings.DateSeparator) ||
      !ScanNumber(numbers.second, digits))
    return false;
  if (ScanChar(m_settings.DateSeparator)) {
    if (!ScanNumber(numbers.third, numbers.thirdDigits))
      return false;
    numbers.hasThird = true;
  }
  ScanChar(m_settings.DateSeparator);
  SkipBlanks();
  return true;
}

// Without a year the current year is taken; the numbers then stand for the
// month and the day, in this order unless the format starts with the day.
bool TDateTimeScanner::ScanDate(TDateTime& date) {
  TDateNumbers n;
  if (!ScanDateNumbers(n))
    return false;
  const TDateOrder order = DateOrderOf(m_settings.ShortDateFormat);
  if (!n.hasThird) {
    if (order == TDateOrder::DayMonthYear)
      return TryEncodeDate(CurrentYear(), n.second, n.first, date);
    return TryEncodeDate(CurrentYear(), n.first, n.second, date);
  }
  int year = n.third, month = n.first, day = n.second, yearDigits = n.thirdDigits;
  if (order == TDateOrder::DayMonthYear) {
    day = n.first;
    month = n.second;
  } else if (order == TDateOrder::YearMonthDay) {
    year = n.first;
    yearDigits = n.firstDigits;
    month = n.second;
    day = n.third;
  }
  if (yearDigits <= 2)
    year = ExpandTwoDigitYear(year, m_settings.TwoDigitYearCenturyWindow);
  return TryEncodeDate(year, month, day, date);
}

// A morning or afternoon marker: 0 for the morning, 12 for the afternoon, -1
// when there is none.
int TDateTimeScanner::ScanMarker() {
  if (ScanString(m_settings.TimeAMString) || ScanString("AM"))
    return 0;
  if (ScanString(m_settings.TimePMString) || ScanString("PM"))
    return 12;
  return -1;
}

// hour[:min[:sec[.msec]]]; the milliseconds are read as a whole number.
bool TDateTimeScanner::ScanTimeNumbers(int& hour, int& min, int& sec, int& msec) {
  int digits = 0;
  if (!ScanNumber(hour, digits))
    return false;
  if (!ScanChar(m_settings.TimeSeparator))
    return true;
  if (!ScanNumber(min, digits))
    return false;
  if (!ScanChar(m_settings.TimeSeparator))
    return true;
  if (!ScanNumber(sec, digits))
    return false;
  return !ScanChar(m_settings.DecimalSeparator) || ScanNumber(msec, digits);
}

// With a marker the hour runs from 1 to 12, and 12 is the hour after
// midnight or noon.
bool TDateTimeScanner::ScanTime(TDateTime& time) {
  int baseHour = ScanMarker();
  int hour = 0, min = 0, sec = 0, msec = 0;
  if (!ScanTimeNumbers(hour, min, sec, msec))
    return false;
  if (baseHour < 0)
    baseHour = ScanMarker();
  if (baseHour >= 0) {
    if (hour == 0 || hour > 12)
      return false;
    hour = hour % 12 + baseHour;
  }
  SkipBlanks();
  return TryEncodeTime(hour, min, sec, msec, time);
}

[[noreturn]] void RaiseNotValid(std::string_view text, const char* what) {
  throw EConvertError("'" + std::string(text) + "' is not a valid " + what);
}

} // namespace

bool TryStrToDate(std::string_view text, TDateTime& value, const TFormatSettings& settings) {
  TDateTimeScanner scanner(text, settings);
  return scanner.ScanDate(value) && scanner.AtEnd();
}

bool TryStrToDate(std::string_view text, TDateTime& value) {
  return TryStrToDate(text, value, FormatSettings());
}

bool TryStrToTime(std::string_view text, TDateTime& value, const TFormatSettings& settings) {
  TDateTimeScanner scanner(text, settings);
  return scanner.ScanTime(value) && scanner.AtEnd();
}

bool TryStrToTime(std::string_view text, TDateTime& value) {
  return TryStrToTime(text, value, FormatSettings());
}

// A date with an optional time after it, else a time alone. Before
// 30.12.1899 the time is subtracted, so that the fraction stays the time of
// the day the integer part names.
bool TryStrToDateTime(std::string_view text, TDateTime& value,
                      const TFormatSettings& settings) {
  TDateTimeScanner scanner(text, settings);
  TDateTime date = 0;
  TDateTime time = 0;
  if (!scanner.ScanDate(date) || !(scanner.AtEnd() || (scanner.ScanTime(time) && scanner.AtEnd())))
    return TryStrToTime(text, value, settings);
  value = date >= 0 ? date + time : date - time;
  return true;
}

bool TryStrToDateTime(std::string_view text, TDateTime& value) {
  return TryStrToDateTime(text, value, FormatSettings());
}

TDateTime StrToDate(std::string_view text, const TFormatSettings& settings) {
  TDateTime value = 0;
  if (!TryStrToDate(text, value, settings))
    RaiseNotValid(text, "date");
  return value;
}

TDateTime StrToDate(std::string_view text) {
  return StrToDate(text, FormatSettings());
}

TDateTime StrToTime(std::string_view text, const TFormatSettings& settings) {
  TDateTime value = 0;
  if (!TryStrToTime(text, value, settings))
    RaiseNotValid(text, "time");
  return value;
}

TDateTime StrToTime(std::string_view text) {
  return StrToTime(text, FormatSettings());
}

TDateTime StrToDateTime(std::string_view text, const TFormatSettings& settings) {
  TDateTime value = 0;
  if (!TryStrToDateTime(text, value, settings))
    RaiseNotValid(text, "date and time");
  return value;
}

TDateTime StrToDateTime(std::string_view text) {
  return StrToDateTime(text, FormatSettings());
}
