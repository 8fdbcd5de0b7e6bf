#include "data/cxDataUtils.h"

#include <cmath>

#include "platform/rtl/AnsiStrings.h"
#include "platform/rtl/WinApi.h"

std::string QuotedCurrencySymbol(const std::string& symbol) {
  std::string text;
  for (char c : symbol) {
    if (c == ',' || c == '.')
      text += std::string{'\'', c, '\''};
    else
      text += c;
  }
  return text;
}

std::string DefaultCurrencyDisplayFormat() { return DefaultCurrencyDisplayFormat(FormatSettings()); }

std::string DefaultCurrencyDisplayFormat(const TFormatSettings& settings) {
  const std::string pattern = ",0." + std::string(settings.CurrencyDecimals, '0');
  const std::string symbol = QuotedCurrencySymbol(settings.CurrencyString);
  if (symbol.empty())
    return pattern;
  switch (settings.CurrencyFormat) {
  case 0: return symbol + pattern;
  case 1: return pattern + symbol;
  case 2: return symbol + " " + pattern;
  case 3: return pattern + " " + symbol;
  default: return pattern;
  }
}

TDateTime DateOf(TDateTime value) { return std::trunc(value); }
TDateTime TimeOf(TDateTime value) { return value - std::trunc(value); }

// The locale counts "0" = Monday ... "6" = Sunday.
int GetStartOfWeek() {
  char buffer[2] = {};
  int day = 0;
  if (::GetLocaleInfoA(::GetThreadLocale(), LOCALE_IFIRSTDAYOFWEEK, buffer, sizeof(buffer)) > 0 &&
      buffer[0] >= '0' && buffer[0] <= '9')
    day = buffer[0] - '0';
  return day + 1 <= 6 ? day + 1 : 0;
}

TDateTime GetStartDateOfWeek(TDateTime value) {
  const int start = GetStartOfWeek();
  const int day = DayOfWeek(value) - 1;
  if (start > day)
    return DateOf(value) - 7 + (start - day);
  return DateOf(value) - (day - start);
}

bool DataCompareText(const std::string& text1, const std::string& text2, bool partial) {
  const std::string upper1 = AnsiUpperCase(text1);
  const std::string upper2 = AnsiUpperCase(text2);
  if (upper2.empty())
    return upper1.empty();
  if (!partial)
    return upper1 == upper2;
  return upper1.size() >= upper2.size() && upper1.compare(0, upper2.size(), upper2) == 0;
}

// ---- TcxCustomDataBinding ------------------------------------------------------

void TcxCustomDataBinding::DataChange() {
  if (m_onDataChange)
    m_onDataChange();
}

void TcxCustomDataBinding::DataSetChange() {
  if (m_onDataSetChange)
    m_onDataSetChange();
}

void TcxCustomDataBinding::UpdateData() {
  if (m_onUpdateData)
    m_onUpdateData();
}

void TcxCustomDataBinding::SetVisualControl(TComponent* value) {
  if (m_visualControl == value)
    return;
  m_visualControl = value;
  VisualControlChanged();
}
