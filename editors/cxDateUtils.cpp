#include "editors/cxDateUtils.h"

#include <algorithm>
#include <cmath>

#include "data/cxVariants.h"
#include "editors/cxFormats.h"
#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/WideText.h"

#include <oleauto.h>

int MinYear = 100;
TcxSmartTextToDateFunc SmartTextToDateFunc = nullptr;

namespace {

constexpr int kDaysPerMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr TDateTime kEndOfDay = (((23 * 60 + 59) * 60 + 59) * 1000 + 999) / 86400000.0;

int YearOf(TDateTime date) { return GetDateElement(date, TcxDateElement::deYear); }

// The first day of the week that holds the day, weeks starting on 'start'.
int WeekStart(TDateTime date, int start) {
  const int offset = ((DayOfWeek(date) - 1 - start) % 7 + 7) % 7;
  return static_cast<int>(std::trunc(date)) - offset;
}

TcxFirstWeekOfYear SystemFirstWeekOfYear() {
  char buffer[4] = {};
  int rule = 0;
  if (::GetLocaleInfoA(::GetThreadLocale(), LOCALE_IFIRSTWEEKOFYEAR, buffer, sizeof(buffer)) > 0 &&
      buffer[0] >= '0' && buffer[0] <= '2')
    rule = buffer[0] - '0';
  return static_cast<TcxFirstWeekOfYear>(rule + 1);
}

std::string LocaleText(LCTYPE type, const std::string& fallback) {
  char buffer[80] = {};
  if (::GetLocaleInfoA(::GetThreadLocale(), type, buffer, sizeof(buffer)) <= 0 || !buffer[0])
    return fallback;
  return buffer;
}

// Replaces every occurrence of 'what' (already upper case) in 'text', ignoring
// case, by as many spaces.
void BlankOut(std::string& text, const std::string& what) {
  if (what.empty())
    return;
  std::string upper = AnsiUpperCase(text);
  for (std::size_t at = upper.find(what); at != std::string::npos; at = upper.find(what, at)) {
    text.replace(at, what.size(), what.size(), ' ');
    upper.replace(at, what.size(), what.size(), ' ');
    at += what.size();
  }
}

// Literal parts of the date and time formats are blanked out (they are not
// part of the value), then runs of blanks collapse to one.
std::string NormalizeDateText(const std::string& text, bool useLocale) {
  const TFormatSettings& settings = FormatSettings();
  const std::string dateSeparator =
      useLocale ? LocaleText(LOCALE_SDATE, "") : std::string(1, settings.DateSeparator);
  const std::string timeSeparator =
      useLocale ? LocaleText(LOCALE_STIME, "") : std::string(1, settings.TimeSeparator);
  const std::string kept[] = {
      AnsiUpperCase(Trim(dateSeparator)), AnsiUpperCase(Trim(timeSeparator)),
      AnsiUpperCase(Trim(useLocale ? LocaleText(LOCALE_S1159, "am") : settings.TimeAMString)),
      AnsiUpperCase(Trim(useLocale ? LocaleText(LOCALE_S2359, "pm") : settings.TimePMString))};
  std::string result = Trim(text);
  const TcxFormatController* controller = cxFormatController();
  for (const TcxDateTimeFormatInfo* info :
       {&controller->DateFormatInfo(), &controller->TimeFormatInfo()})
    for (const TcxDateTimeFormatItem& item : info->Items) {
      if (item.Kind != TcxDateTimeFormatItemKind::dtikString)
        continue;
      const std::string literal = AnsiUpperCase(Trim(item.Data));
      if (std::find(std::begin(kept), std::end(kept), literal) == std::end(kept))
        BlankOut(result, literal);
    }
  result = Trim(result);
  std::string collapsed;
  for (std::size_t i = 0; i < result.size(); ++i)
    if (!(result[i] == ' ' && i + 1 < result.size() &&
          static_cast<unsigned char>(result[i + 1]) <= ' '))
      collapsed += result[i];
  if (useLocale)
    BlankOut(collapsed, AnsiUpperCase(dateSeparator));
  return collapsed;
}

// The smart-input words, longest first (equal lengths in reverse
// alphabetical order), with their indexes.
std::vector<std::pair<std::string, int>> WordsLongestFirst() {
  const std::array<std::string, 20> words = cxGetSmartInputWords();
  std::vector<std::pair<std::string, int>> ordered;
  for (int i = 0; i < 20; ++i)
    ordered.emplace_back(words[i], i);
  std::sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
    if (a.first.size() != b.first.size())
      return a.first.size() > b.first.size();
    return AnsiCompareText(a.first, b.first) > 0;
  });
  return ordered;
}

TDateTime SmartWordDate(int index) {
  const TDateTime today = Date();
  if (index <= 2)
    return today + (index == 1 ? -1 : index == 2 ? 1 : 0);
  if (index <= 9) {
    const int wanted = index - 3; // 0 = Sunday
    return today + ((wanted - (DayOfWeek(today) - 1)) % 7 + 7) % 7;
  }
  if (index <= 16)
    return today - DayOfWeekOffset(today) + (index - 10);
  if (index == 17)
    return GetStartDateOfMonth(today);
  if (index == 18)
    return GetEndDateOfMonth(today, true);
  return Now();
}

// The platform's own date parsing for the thread's locale, which takes any
// blank-separated day, month and year in the locale's order.
TDateTime LocaleStrToDate(const std::string& text) {
  const std::u16string wide = AnsiToWide(text);
  DATE date = 0;
  if (FAILED(::VarDateFromStr(reinterpret_cast<LPCOLESTR>(wide.c_str()), ::GetThreadLocale(), 0,
                              &date)))
    throw EConvertError("Could not convert variant of type (String) into type (Date)");
  return date;
}

bool IsValidTextDate(TDateTime date) {
  if (!(date > -2147483648.0 && date < 2147483647.0))
    return false;
  int year, month, day;
  DecodeDate(date, year, month, day);
  return day != 0 && year <= MaxYear;
}

// With "yy" but no "yyy" in the format, the year is printed with four digits.
std::string WithFourDigitYear(std::string format) {
  const std::string upper = UpperCase(format);
  const std::size_t at = upper.find("YY");
  if (at != std::string::npos && upper.find("YYY") == std::string::npos)
    format.insert(at + 2, 2, format[at]);
  return format;
}

std::string LocaleTimeText(TDateTime date) {
  int hour, minute, second, msec;
  DecodeTime(date, hour, minute, second, msec);
  SYSTEMTIME time{};
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  char buffer[100] = {};
  if (::GetTimeFormatA(::GetThreadLocale(), 0, &time, nullptr, buffer, sizeof(buffer)) <= 0)
    return "";
  return buffer;
}

} // namespace

int DaysPerMonth(int AYear, int AMonth) {
  return kDaysPerMonth[AMonth - 1] + (AMonth == 2 && IsLeapYear(AYear) ? 1 : 0);
}

int CheckDay(int AYear, int AMonth, int ADay) {
  if (ADay <= 0)
    return 1;
  return std::min(ADay, DaysPerMonth(AYear, AMonth));
}

void IncMonth(int& AYear, int& AMonth) {
  if (++AMonth > 12) {
    AMonth = 1;
    ++AYear;
  }
}

void DecMonth(int& AYear, int& AMonth) {
  if (--AMonth < 1) {
    AMonth = 12;
    --AYear;
  }
}

void ChangeMonth(int& AYear, int& AMonth, int Delta) {
  AYear += Delta / 12;
  int month = AMonth + Delta % 12;
  if (month <= 0) {
    --AYear;
    month += 12;
  } else if (month > 12) {
    ++AYear;
    month -= 12;
  }
  AMonth = month;
}

int GetMonthNumber(TDateTime ADate) {
  int year, month, day;
  DecodeDate(ADate, year, month, day);
  return year * 12 + month - 12;
}

int GetDateElement(TDateTime ADate, TcxDateElement AElement) {
  int year, month, day;
  DecodeDate(ADate, year, month, day);
  switch (AElement) {
  case TcxDateElement::deYear: return year;
  case TcxDateElement::deMonth: return month;
  default: return day;
  }
}

int DayOfWeekOffset(TDateTime ADate) {
  const int start = static_cast<int>(cxFormatController()->StartOfWeek());
  return ((DayOfWeek(ADate) - start - 1) % 7 + 7) % 7;
}

TDateTime GetStartDateOfMonth(TDateTime ADate) {
  int year, month, day;
  DecodeDate(ADate, year, month, day);
  return EncodeDate(year, month, 1);
}

TDateTime GetStartDateOfYear(TDateTime ADate) { return EncodeDate(YearOf(ADate), 1, 1); }

TDateTime GetEndDateOfMonth(TDateTime ADate, bool AIgnoreTime) {
  int year, month, day;
  DecodeDate(ADate, year, month, day);
  const TDateTime last = EncodeDate(year, month, DaysPerMonth(year, month));
  return AIgnoreTime ? last : last + kEndOfDay;
}

TDateTime GetEndDateOfYear(TDateTime ADate, bool AIgnoreTime) {
  const TDateTime last = EncodeDate(YearOf(ADate), 12, 31);
  return AIgnoreTime ? last : last + kEndOfDay;
}

int GetWeekNumber(TDateTime ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear) {
  using enum TcxFirstWeekOfYear;
  const TcxFirstWeekOfYear rule =
      AFirstWeekOfYear == fwySystem ? SystemFirstWeekOfYear() : AFirstWeekOfYear;
  const int start = static_cast<int>(AStartOfWeek);
  const int year = YearOf(ADate);
  int firstWeek = WeekStart(EncodeDate(year, 1, 1), start);
  if (rule == fwyFirstFullWeek && YearOf(firstWeek) < year)
    firstWeek += 7;
  if (rule == fwyFirstFourDays && YearOf(firstWeek + 3) < year)
    firstWeek += 7;
  const int number = (static_cast<int>(std::trunc(ADate)) - firstWeek) / 7 + 1;
  if (GetDateElement(ADate, TcxDateElement::deMonth) == 12) {
    const int weekStart = WeekStart(ADate, start);
    if (rule == fwyJan1 && GetDateElement(weekStart + 6, TcxDateElement::deMonth) == 1)
      return 1;
    if (rule == fwyFirstFourDays && GetDateElement(weekStart + 3, TcxDateElement::deMonth) == 1)
      return 1;
  }
  return number;
}

TDateTime cxMinDateTime() { return EncodeDate(MinYear, 1, 1); }

bool cxGetDateFormat(TDateTime ADate, std::string& AFormattedDate, DWORD AFlags,
                     const std::string& AFormat) {
  int year, month, day;
  DecodeDate(ADate, year, month, day);
  SYSTEMTIME date{};
  date.wYear = static_cast<WORD>(year);
  date.wMonth = static_cast<WORD>(month);
  date.wDay = static_cast<WORD>(day);
  date.wDayOfWeek = static_cast<WORD>(DayOfWeek(ADate) - 1);
  char buffer[256] = {};
  const int written = ::GetDateFormatA(::GetThreadLocale(), AFlags, &date,
                                       AFormat.empty() ? nullptr : AFormat.c_str(), buffer,
                                       sizeof(buffer));
  AFormattedDate = written > 0 ? buffer : "";
  return written > 0;
}

std::string DateToLongDateStr(TDateTime ADate) {
  std::string text;
  if (cxGetDateFormat(ADate, text, DATE_LONGDATE, ""))
    return text;
  return FormatDateTime("dddddd", ADate);
}

TDateTime StrToDateDef(const std::string& ADateStr, TDateTime ADefDate) {
  try {
    return StrToDate(ADateStr);
  } catch (const Exception&) {
    return ADefDate;
  }
}

bool SmartTextToDate(const std::string& AText, TDateTime& ADate) {
  const std::string text = Trim(AText);
  for (const auto& [word, index] : WordsLongestFirst()) {
    if (word.empty() || text.size() < word.size() ||
        AnsiCompareText(text.substr(0, word.size()), word) != 0)
      continue;
    ADate = SmartWordDate(index);
    const std::string rest = Trim(text.substr(word.size()));
    int offset = 0;
    if (rest.size() > 1 && (rest[0] == '+' || rest[0] == '-') &&
        TryStrToInt(Trim(rest.substr(1)), offset))
      ADate += rest[0] == '+' ? offset : -offset;
    return true;
  }
  return SmartTextToDateFunc && SmartTextToDateFunc(AText, ADate);
}

bool TextToDateEx(const std::string& AText, TDateTime& ADate) {
  const std::string text = Trim(AText);
  if (text.empty())
    return false;
  try {
    if (!SmartTextToDate(text, ADate)) {
      const bool classLibrary = cxFormatController()->UseClassLibraryFormats();
      const std::string normalized = NormalizeDateText(text, !classLibrary);
      ADate = classLibrary ? StrToDateTime(normalized) : LocaleStrToDate(normalized);
    }
    return IsValidTextDate(ADate);
  } catch (const Exception&) {
    ADate = NullDate;
    return false;
  }
}

bool cxStrToDateTime(const std::string& S, bool AUseOleDateFormat, TDateTime& ADate) {
  ADate = NullDate;
  try {
    const std::string normalized = NormalizeDateText(S, AUseOleDateFormat);
    ADate = AUseOleDateFormat ? LocaleStrToDate(normalized) : StrToDateTime(normalized);
    return true;
  } catch (const Exception&) {
    ADate = NullDate;
    return false;
  }
}

std::string DateTimeToText(TDateTime ADate, bool AFourDigitYearNeeded) {
  if (ADate == NullDate)
    return "";
  const bool hasTime = TimeOf(ADate) != 0;
  if (cxFormatController()->UseClassLibraryFormats()) {
    const TFormatSettings& settings = FormatSettings();
    std::string format = settings.ShortDateFormat;
    if (hasTime)
      format += " " + settings.LongTimeFormat;
    if (AFourDigitYearNeeded)
      format = WithFourDigitYear(format);
    std::string text;
    DateTimeToString(text, format, ADate);
    return text;
  }
  std::string format = LocaleText(LOCALE_SSHORTDATE, "");
  if (AFourDigitYearNeeded)
    format = WithFourDigitYear(format);
  std::string text;
  if (!cxGetDateFormat(ADate, text, 0, format)) {
    try {
      return VarToStrEx(VarFromDateTime(ADate));
    } catch (const Exception&) {
      return "";
    }
  }
  if (hasTime)
    text += " " + LocaleTimeText(ADate);
  return text;
}

std::string DateTimeToTextEx(TDateTime ADate, bool AIsMasked, bool AIsDateTimeEdit,
                             bool AFourDigitYearNeeded) {
  if (ADate == NullDate)
    return "";
  if (!AIsMasked)
    return DateTimeToText(ADate, AFourDigitYearNeeded);
  const TcxFormatController* controller = cxFormatController();
  return AIsDateTimeEdit ? FormatDateTime(controller->MaskedDateTimeEditFormat(), ADate)
                         : FormatDateTime(controller->MaskedDateEditFormat(), DateOf(ADate));
}

bool VarIsNullDate(const Variant& AValue) {
  return (VarIsDate(AValue) || VarIsNumericEx(AValue)) && AValue.ToDouble() == NullDate;
}
