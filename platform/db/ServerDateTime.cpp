#include "platform/db/ServerDateTime.h"

#include <cmath>
#include <cstdio>

namespace {

// Reads digits at 'pos' into 'value'; false when there are none.
bool ReadNumber(std::string_view text, std::size_t& pos, int& value) {
  const std::size_t start = pos;
  value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 9)
    value = value * 10 + (text[pos++] - '0');
  return pos > start;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c)
    return false;
  ++pos;
  return true;
}

// Fraction of a second after the seconds, in milliseconds (rounded down).
int ReadMilliseconds(std::string_view text, std::size_t& pos) {
  if (!Expect(text, pos, '.'))
    return 0;
  int msec = 0, digits = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, ++digits)
    if (digits < 3)
      msec = msec * 10 + (text[pos] - '0');
  for (; digits < 3; ++digits)
    msec *= 10;
  return msec;
}

std::optional<TDateTime> ParseDate(std::string_view text, std::size_t& pos) {
  int year = 0, month = 0, day = 0;
  if (!ReadNumber(text, pos, year) || !Expect(text, pos, '-') || !ReadNumber(text, pos, month) ||
      !Expect(text, pos, '-') || !ReadNumber(text, pos, day))
    return std::nullopt;
  TDateTime date = 0;
  if (!TryEncodeDate(year, month, day, date))
    return std::nullopt;
  return date;
}

// Seconds of "[-]hh:mm:ss[.fff]" as a fraction of a day.
std::optional<TDateTime> ParseTime(std::string_view text, std::size_t& pos) {
  const bool negative = Expect(text, pos, '-');
  int hour = 0, minute = 0, second = 0;
  if (!ReadNumber(text, pos, hour) || !Expect(text, pos, ':') || !ReadNumber(text, pos, minute) ||
      !Expect(text, pos, ':') || !ReadNumber(text, pos, second) || minute > 59 || second > 59)
    return std::nullopt;
  const int msec = ReadMilliseconds(text, pos);
  const double msecs = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + msec;
  return (negative ? -msecs : msecs) / MSecsPerDay;
}

std::optional<TDateTime> ParseDateAndTime(std::string_view text, std::size_t& pos) {
  const std::optional<TDateTime> date = ParseDate(text, pos);
  if (!date || pos == text.size())
    return date;
  if (!Expect(text, pos, ' '))
    return std::nullopt;
  const std::optional<TDateTime> time = ParseTime(text, pos);
  if (!time)
    return std::nullopt;
  return *date >= 0 ? *date + *time : *date - *time;
}

std::string TimeText(TDateTime value) {
  int hour = 0, minute = 0, second = 0, msec = 0;
  DecodeTime(value, hour, minute, second, msec);
  char buffer[24];
  if (msec != 0)
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d.%03d", hour, minute, second, msec);
  else
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", hour, minute, second);
  return buffer;
}

std::string DateText(TDateTime value) {
  int year = 0, month = 0, day = 0;
  DecodeDate(value, year, month, day);
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year, month, day);
  return buffer;
}

} // namespace

std::optional<TDateTime> ParseServerDateTime(std::string_view text, TFieldType type) {
  std::size_t pos = 0;
  std::optional<TDateTime> value;
  if (type == TFieldType::ftTime)
    value = ParseTime(text, pos);
  else if (type == TFieldType::ftDate)
    value = ParseDate(text, pos);
  else
    value = ParseDateAndTime(text, pos);
  return value && pos == text.size() ? value : std::nullopt;
}

std::string ServerDateTimeText(TDateTime value, TFieldType type) {
  if (type == TFieldType::ftTime)
    return TimeText(value);
  if (type == TFieldType::ftDate)
    return DateText(value);
  return DateText(value) + ' ' + TimeText(value);
}
