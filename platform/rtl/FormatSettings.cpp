#include "platform/rtl/FormatSettings.h"

#include "platform/rtl/WideText.h"

namespace {

std::string LocaleText(LCID locale, LCTYPE item, std::string_view fallback) {
  WCHAR buffer[256] = {};
  const int length = ::GetLocaleInfoW(locale, item, buffer, static_cast<int>(std::size(buffer)));
  if (length <= 1)
    return std::string(fallback);
  return WideToAnsi(buffer);
}

char LocaleChar(LCID locale, LCTYPE item, char fallback) {
  const std::string text = LocaleText(locale, item, std::string(1, fallback));
  return text.empty() ? fallback : text.front();
}

int LocaleNumber(LCID locale, LCTYPE item, int fallback) {
  const std::string text = LocaleText(locale, item, "");
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
    return fallback;
  return std::stoi(text);
}

// The platform's date pictures are ours too, but for the era ('g'), which
// this run-time does not print.
std::string DatePicture(LCID locale, LCTYPE item, std::string_view fallback) {
  std::string picture;
  for (char c : LocaleText(locale, item, fallback))
    if (c != 'g')
      picture += c;
  return picture;
}

void ReadTimeFormats(LCID locale, TFormatSettings& s) {
  const std::string hour = LocaleNumber(locale, LOCALE_ITLZERO, 0) == 0 ? "h" : "hh";
  std::string prefix;
  std::string postfix;
  if (LocaleNumber(locale, LOCALE_ITIME, 0) == 0) {
    if (LocaleNumber(locale, LOCALE_ITIMEMARKPOSN, 0) == 0)
      postfix = " AMPM";
    else
      prefix = "AMPM ";
  }
  s.ShortTimeFormat = prefix + hour + ":mm" + postfix;
  s.LongTimeFormat = prefix + hour + ":mm:ss" + postfix;
}

void ReadNames(LCID locale, TFormatSettings& s) {
  for (int i = 0; i < 12; ++i) {
    s.ShortMonthNames[i] = LocaleText(locale, LOCALE_SABBREVMONTHNAME1 + i, "");
    s.LongMonthNames[i] = LocaleText(locale, LOCALE_SMONTHNAME1 + i, "");
  }
  // The platform counts days from Monday; ours start on Sunday.
  for (int i = 0; i < 7; ++i) {
    const int platformDay = (i + 6) % 7;
    s.ShortDayNames[i] = LocaleText(locale, LOCALE_SABBREVDAYNAME1 + platformDay, "");
    s.LongDayNames[i] = LocaleText(locale, LOCALE_SDAYNAME1 + platformDay, "");
  }
}

} // namespace

TFormatSettings GetLocaleFormatSettings(LCID locale) {
  TFormatSettings s;
  s.CurrencyString = LocaleText(locale, LOCALE_SCURRENCY, s.CurrencyString);
  s.CurrencyFormat = static_cast<std::uint8_t>(LocaleNumber(locale, LOCALE_ICURRENCY, 0));
  s.NegCurrFormat = static_cast<std::uint8_t>(LocaleNumber(locale, LOCALE_INEGCURR, 0));
  s.ThousandSeparator = LocaleChar(locale, LOCALE_STHOUSAND, ',');
  s.DecimalSeparator = LocaleChar(locale, LOCALE_SDECIMAL, '.');
  s.CurrencyDecimals = static_cast<std::uint8_t>(LocaleNumber(locale, LOCALE_ICURRDIGITS, 2));
  s.DateSeparator = LocaleChar(locale, LOCALE_SDATE, '/');
  s.TimeSeparator = LocaleChar(locale, LOCALE_STIME, ':');
  s.ListSeparator = LocaleChar(locale, LOCALE_SLIST, ',');
  s.ShortDateFormat = DatePicture(locale, LOCALE_SSHORTDATE, "m/d/yy");
  s.LongDateFormat = DatePicture(locale, LOCALE_SLONGDATE, "mmmm d, yyyy");
  s.TimeAMString = LocaleText(locale, LOCALE_S1159, "am");
  s.TimePMString = LocaleText(locale, LOCALE_S2359, "pm");
  ReadTimeFormats(locale, s);
  ReadNames(locale, s);
  return s;
}

TFormatSettings& FormatSettings() {
  static TFormatSettings settings;
  return settings;
}

void GetFormatSettings() { FormatSettings() = GetLocaleFormatSettings(::GetThreadLocale()); }
