// Date arithmetic and date/text conversion of the editors: month stepping,
// week numbers, month and year bounds, the null date, typed text (with the
// smart-input words such as "today+3" or "eom") to dates, dates to text.
// Dates are the platform's TDateTime (days since 30 December 1899).
#pragma once

#include <string>

#include "data/cxDataUtils.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Variants.h"

enum class TDay { dSunday, dMonday, dTuesday, dWednesday, dThursday, dFriday, dSaturday };
enum class TcxDateElement { deYear, deMonth, deDay };
enum class TcxFirstWeekOfYear { fwySystem, fwyJan1, fwyFirstFullWeek, fwyFirstFourDays };

// A date variable holding it means that no date is set.
constexpr TDateTime NullDate = -2.0;
constexpr double ApproxDaysPerMonth = 30.4375;
constexpr double ApproxDaysPerYear = 365.25;
constexpr int MaxYear = 9999;
constexpr TDateTime cxMaxDateTime = 2958465.99999;
// 100, or 1 while the format controller converts with the class library's
// formats.
extern int MinYear;

// Consulted when typed text starts with no smart-input word.
using TcxSmartTextToDateFunc = bool (*)(const std::string& text, TDateTime& date);
extern TcxSmartTextToDateFunc SmartTextToDateFunc;

// IsLeapYear is the platform's; DateOf and TimeOf are the data layer's.
int DaysPerMonth(int AYear, int AMonth);
int CheckDay(int AYear, int AMonth, int ADay);
void IncMonth(int& AYear, int& AMonth);
void DecMonth(int& AYear, int& AMonth);
void ChangeMonth(int& AYear, int& AMonth, int Delta);
int GetMonthNumber(TDateTime ADate);
int GetDateElement(TDateTime ADate, TcxDateElement AElement);
// 0..6: how far the day lies from the start of its week.
int DayOfWeekOffset(TDateTime ADate);
TDateTime GetStartDateOfMonth(TDateTime ADate);
TDateTime GetStartDateOfYear(TDateTime ADate);
TDateTime GetEndDateOfMonth(TDateTime ADate, bool AIgnoreTime);
TDateTime GetEndDateOfYear(TDateTime ADate, bool AIgnoreTime);
int GetWeekNumber(TDateTime ADate, TDay AStartOfWeek, TcxFirstWeekOfYear AFirstWeekOfYear);
TDateTime cxMinDateTime();

bool cxGetDateFormat(TDateTime ADate, std::string& AFormattedDate, DWORD AFlags,
                     const std::string& AFormat);
std::string DateToLongDateStr(TDateTime ADate);
TDateTime StrToDateDef(const std::string& ADateStr, TDateTime ADefDate);
bool SmartTextToDate(const std::string& AText, TDateTime& ADate);
bool TextToDateEx(const std::string& AText, TDateTime& ADate);
bool cxStrToDateTime(const std::string& S, bool AUseOleDateFormat, TDateTime& ADate);
std::string DateTimeToText(TDateTime ADate, bool AFourDigitYearNeeded = false);
std::string DateTimeToTextEx(TDateTime ADate, bool AIsMasked, bool AIsDateTimeEdit = false,
                             bool AFourDigitYearNeeded = false);
bool VarIsNullDate(const Variant& AValue);
