// FormatDateTime and the texts built on it.
#include <algorithm>

#include "platform/rtl/DateTime.h"

namespace {

// Pictures expand inside pictures ("c", "ddddd", "t" ...) two levels deep at
// most, so a format that names itself ends.
constexpr int MaxPictureDepth = 2;

char UpperAscii(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size())
    return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char a, char b) { return UpperAscii(a) == UpperAscii(b); });
}

std::string ZeroPadded(int number, int digits) {
  std::string text = std::to_string(number);
  if (static_cast<int>(text.size()) < digits)
    text.insert(0, digits - text.size(), '0');
  return text;
}

template <std::size_t N>
const std::string& NameOf(const std::array<std::string, N>& names, int oneBasedIndex) {
  static const std::string none;
  if (oneBasedIndex < 1 || oneBasedIndex > static_cast<int>(N))
    return none;
  return names[oneBasedIndex - 1];
}

// Reading position in one picture, with what the picture has shown so far.
struct TPictureCursor {
  std::string_view picture;
  std::size_t position = 0;
  char lastLetter = ' ';
  bool twelveHourClock = false;

  bool AtEnd() const { return position >= picture.size(); }
  char Next() { return picture[position++]; }
  std::string_view Rest() const { return picture.substr(position); }
  // Consumes the repeats of 'starter' that follow it; answers the run length.
  int RunOf(char starter) {
    int run = 1;
    for (; !AtEnd() && picture[position] == starter; ++position)
      ++run;
    return run;
  }
};

class TDateTimeFormatter {
public:
  TDateTimeFormatter(const TFormatSettings& settings, TDateTime value)
      : m_settings(settings), m_value(value) {}

  std::string Format(std::string_view picture) {
    AppendPicture(picture.empty() ? std::string_view("C") : picture);
    return std::move(m_text);
  }

private:
  void AppendPicture(std::string_view picture);
  void AppendToken(TPictureCursor& cursor);
  void AppendYear(int run);
  void AppendMonth(int run);
  void AppendDay(int run);
  void AppendHour(TPictureCursor& cursor, int run);
  void AppendMarker(TPictureCursor& cursor, char starter);
  void AppendDateAndTime();
  void AppendQuoted(TPictureCursor& cursor, char quote);
  void AppendNumber(int number, int digits) { m_text += ZeroPadded(number, digits); }
  void AppendSeparator(char separator) {
    if (separator != '\0')
      m_text += separator;
  }
  void DecodeDateOnce();
  void DecodeTimeOnce();

  const TFormatSettings& m_settings;
  TDateTime m_value = 0;
  std::string m_text;
  int m_depth = 0;
  bool m_dateDecoded = false;
  bool m_timeDecoded = false;
  int m_year = 0, m_month = 0, m_day = 0;
  int m_hour = 0, m_min = 0, m_sec = 0, m_msec = 0;
};

void TDateTimeFormatter::AppendPicture(std::string_view picture) {
  if (m_depth >= MaxPictureDepth)
    return;
  ++m_depth;
  TPictureCursor cursor{picture};
  while (!cursor.AtEnd())
    AppendToken(cursor);
  --m_depth;
}

void TDateTimeFormatter::AppendToken(TPictureCursor& cursor) {
  const char starter = cursor.Next();
  char token = UpperAscii(starter);
  if (token >= 'A' && token <= 'Z') {
    // An m right after an hour means minutes.
    if (token == 'M' && cursor.lastLetter == 'H')
      token = 'N';
    cursor.lastLetter = token;
  }
  switch (token) {
    case 'Y': AppendYear(cursor.RunOf(starter)); break;
    case 'M': AppendMonth(cursor.RunOf(starter)); break;
    case 'D': AppendDay(cursor.RunOf(starter)); break;
    case 'H': AppendHour(cursor, cursor.RunOf(starter)); break;
    case 'N': DecodeTimeOnce(); AppendNumber(m_min, std::min(cursor.RunOf(starter), 2)); break;
    case 'S': DecodeTimeOnce(); AppendNumber(m_sec, std::min(cursor.RunOf(starter), 2)); break;
    case 'Z': DecodeTimeOnce(); AppendNumber(m_msec, std::min(cursor.RunOf(starter), 3)); break;
    case 'T':
      AppendPicture(cursor.RunOf(starter) == 1 ? m_settings.ShortTimeFormat
                                               : m_settings.LongTimeFormat);
      break;
    case 'A': AppendMarker(cursor, starter); break;
    case 'C': cursor.RunOf(starter); AppendDateAndTime(); break;
    case '/': AppendSeparator(m_settings.DateSeparator); break;
    case ':': AppendSeparator(m_settings.TimeSeparator); break;
    case '\'':
    case '"': AppendQuoted(cursor, starter); break;
    default: m_text += starter; break;
  }
}

void TDateTimeFormatter::AppendYear(int run) {
  DecodeDateOnce();
  if (run <= 2)
    AppendNumber(m_year % 100, 2);
  else
    AppendNumber(m_year, 4);
}

void TDateTimeFormatter::AppendMonth(int run) {
  DecodeDateOnce();
  if (run <= 2)
    AppendNumber(m_month, run);
  else
    m_text += NameOf(run == 3 ? m_settings.ShortMonthNames : m_settings.LongMonthNames, m_month);
}

void TDateTimeFormatter::AppendDay(int run) {
  switch (run) {
    case 1:
    case 2: DecodeDateOnce(); AppendNumber(m_day, run); break;
    case 3: m_text += NameOf(m_settings.ShortDayNames, DayOfWeek(m_value)); break;
    case 4: m_text += NameOf(m_settings.LongDayNames, DayOfWeek(m_value)); break;
    case 5: AppendPicture(m_settings.ShortDateFormat); break;
    default: AppendPicture(m_settings.LongDateFormat); break;
  }
}

// The hour runs on a 12-hour clock when the picture showed a morning /
// afternoon marker already, or when the next letter a (outside quotes) before
// another h starts one.
void TDateTimeFormatter::AppendHour(TPictureCursor& cursor, int run) {
  DecodeTimeOnce();
  bool quoted = false;
  const std::string_view rest = cursor.Rest();
  for (std::size_t i = 0; i < rest.size(); ++i) {
    const char c = UpperAscii(rest[i]);
    if (c == '\'' || c == '"') {
      quoted = !quoted;
    } else if (c == 'H') {
      break;
    } else if (c == 'A' && !quoted) {
      const std::string_view marker = rest.substr(i);
      if (StartsWithText(marker, "AM/PM") || StartsWithText(marker, "A/P") ||
          StartsWithText(marker, "AMPM"))
        cursor.twelveHourClock = true;
      break;
    }
  }
  int hour = m_hour;
  if (cursor.twelveHourClock)
    hour = hour == 0 ? 12 : (hour > 12 ? hour - 12 : hour);
  AppendNumber(hour, std::min(run, 2));
}

// am/pm and a/p show their own letters in the case written; ampm shows the
// settings' texts. aaa and aaaa are day names; a lone a is copied.
void TDateTimeFormatter::AppendMarker(TPictureCursor& cursor, char starter) {
  DecodeTimeOnce();
  const std::string_view marker = cursor.picture.substr(cursor.position - 1);
  const bool afternoon = m_hour >= 12;
  if (StartsWithText(marker, "AM/PM")) {
    m_text += marker.substr(afternoon ? 3 : 0, 2);
    cursor.position += 4;
    cursor.twelveHourClock = true;
  } else if (StartsWithText(marker, "A/P")) {
    m_text += marker.substr(afternoon ? 2 : 0, 1);
    cursor.position += 2;
    cursor.twelveHourClock = true;
  } else if (StartsWithText(marker, "AMPM")) {
    m_text += afternoon ? m_settings.TimePMString : m_settings.TimeAMString;
    cursor.position += 3;
    cursor.twelveHourClock = true;
  } else if (StartsWithText(marker, "AAAA")) {
    m_text += NameOf(m_settings.LongDayNames, DayOfWeek(m_value));
    cursor.position += 3;
  } else if (StartsWithText(marker, "AAA")) {
    m_text += NameOf(m_settings.ShortDayNames, DayOfWeek(m_value));
    cursor.position += 2;
  } else {
    m_text += starter;
  }
}

// The date always; the time only when it is not exactly midnight (to the
// second).
void TDateTimeFormatter::AppendDateAndTime() {
  AppendPicture(m_settings.ShortDateFormat);
  DecodeTimeOnce();
  if (m_hour != 0 || m_min != 0 || m_sec != 0) {
    m_text += ' ';
    AppendPicture(m_settings.LongTimeFormat);
  }
}

// Up to the same quote character, or to the end when it is missing.
void TDateTimeFormatter::AppendQuoted(TPictureCursor& cursor, char quote) {
  const std::string_view rest = cursor.Rest();
  const std::size_t end = std::min(rest.find(quote), rest.size());
  m_text += rest.substr(0, end);
  cursor.position += std::min(end + 1, rest.size());
}

void TDateTimeFormatter::DecodeDateOnce() {
  if (!m_dateDecoded)
    DecodeDate(m_value, m_year, m_month, m_day);
  m_dateDecoded = true;
}

void TDateTimeFormatter::DecodeTimeOnce() {
  if (!m_timeDecoded)
    DecodeTime(m_value, m_hour, m_min, m_sec, m_msec);
  m_timeDecoded = true;
}

} // namespace

std::string FormatDateTime(std::string_view format, TDateTime value,
                           const TFormatSettings& settings) {
  return TDateTimeFormatter(settings, value).Format(format);
}

std::string FormatDateTime(std::string_view format, TDateTime value) {
  return FormatDateTime(format, value, FormatSettings());
}

void DateTimeToString(std::string& result, std::string_view format, TDateTime value,
                      const TFormatSettings& settings) {
  result = FormatDateTime(format, value, settings);
}

void DateTimeToString(std::string& result, std::string_view format, TDateTime value) {
  result = FormatDateTime(format, value);
}

std::string DateTimeToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime("c", value, settings);
}

std::string DateTimeToStr(TDateTime value) {
  return DateTimeToStr(value, FormatSettings());
}

std::string DateToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime(settings.ShortDateFormat, value, settings);
}

std::string DateToStr(TDateTime value) {
  return DateToStr(value, FormatSettings());
}

std::string TimeToStr(TDateTime value, const TFormatSettings& settings) {
  return FormatDateTime(settings.LongTimeFormat, value, settings);
}

std::string TimeToStr(TDateTime value) {
  return TimeToStr(value, FormatSettings());
}
