// The regional formats used to turn numbers, currency and dates into text and
// back. FormatSettings() is the process-wide set, loaded from the thread's
// regional settings at start-up and reloaded when they change.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/rtl/WinApi.h"

struct TFormatSettings {
  std::uint8_t CurrencyFormat = 0;
  std::uint8_t NegCurrFormat = 0;
  char ThousandSeparator = ',';
  char DecimalSeparator = '.';
  std::uint8_t CurrencyDecimals = 2;
  char DateSeparator = '/';
  char TimeSeparator = ':';
  char ListSeparator = ',';
  std::string CurrencyString = "$";
  std::string ShortDateFormat = "M/d/yyyy";
  std::string LongDateFormat = "dddd, MMMM d, yyyy";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::string ShortTimeFormat = "h:mm AMPM";
  std::string LongTimeFormat = "h:mm:ss AMPM";
  std::array<std::string, 12> ShortMonthNames;
  std::array<std::string, 12> LongMonthNames;
  std::array<std::string, 7> ShortDayNames;  // Sunday first
  std::array<std::string, 7> LongDayNames;   // Sunday first
  std::uint16_t TwoDigitYearCenturyWindow = 50;
};

// The settings of a locale, read through the platform.
TFormatSettings GetLocaleFormatSettings(LCID locale);

// The process-wide settings. Tests may change them and restore them with
// GetFormatSettings().
TFormatSettings& FormatSettings();

// Reloads the process-wide settings from the thread locale.
void GetFormatSettings();
