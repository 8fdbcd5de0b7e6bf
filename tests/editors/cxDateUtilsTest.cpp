// Date arithmetic, week numbers, the smart-input words and the conversions
// between typed text and dates, on a fixed clock and fixed settings.
#include "editors/cxDateUtils.h"

#include "editors/cxFormats.h"
#include "platform/controls/ControlsUnits.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/support/GTest.h"

namespace {

using enum TcxFirstWeekOfYear;

class DateUtilsTest : public testing::Test {
protected:
  static void SetUpTestSuite() { ProgramUnits().Start(ControlsUnits()); }
  void SetUp() override {
    TFormatSettings& settings = FormatSettings();
    settings.ShortDateFormat = "dd.MM.yyyy";
    settings.LongTimeFormat = "HH:mm:ss";
    settings.DateSeparator = '.';
    settings.TimeSeparator = ':';
    cxFormatController()->FormatChanged();
    cxFormatController()->SetStartOfWeek(TDay::dMonday);
  }
  void TearDown() override {
    cxFormatController()->SetUseClassLibraryFormats(false);
    GetFormatSettings();
  }
};

TEST(DateUtils, MonthArithmetic) {
  const std::tuple<int, int, int, int, int> changes[] = {
      {2024, 1, -1, 2023, 12}, {2024, 11, 14, 2026, 1}, {2024, 3, -15, 2022, 12},
      {2024, 12, 1, 2025, 1},  {2024, 6, 0, 2024, 6},   {2024, 1, -12, 2023, 1}};
  for (auto [year, month, delta, expectedYear, expectedMonth] : changes) {
    const int fromYear = year, fromMonth = month;
    ChangeMonth(year, month, delta);
    EXPECT_EQ(std::pair(year, month), std::pair(expectedYear, expectedMonth))
        << fromYear << "-" << fromMonth << " " << delta;
  }
  const std::tuple<int, int, int, int> days[] = {
      {2024, 2, 31, 29}, {2023, 2, 31, 28}, {2024, 4, 0, 1}, {2024, 4, -5, 1}, {2024, 4, 15, 15}};
  for (auto [year, month, day, expected] : days)
    EXPECT_EQ(CheckDay(year, month, day), expected) << year << "-" << month << "-" << day;
  int year = 2024, month = 12;
  IncMonth(year, month);
  EXPECT_EQ(std::pair(year, month), std::pair(2025, 1));
  DecMonth(year, month);
  EXPECT_EQ(std::pair(year, month), std::pair(2024, 12));
  EXPECT_EQ(GetMonthNumber(EncodeDate(2024, 3, 9)), 2024 * 12 + 3 - 12);
}

TEST(DateUtils, MonthAndYearBounds) {
  const TDateTime date = EncodeDate(2024, 2, 10) + 0.5;
  EXPECT_EQ(GetStartDateOfMonth(date), EncodeDate(2024, 2, 1));
  EXPECT_EQ(GetEndDateOfMonth(date, true), EncodeDate(2024, 2, 29));
  EXPECT_EQ(GetStartDateOfYear(date), EncodeDate(2024, 1, 1));
  EXPECT_EQ(GetEndDateOfYear(date, true), EncodeDate(2024, 12, 31));
  int hour, minute, second, msec;
  DecodeTime(GetEndDateOfMonth(date, false), hour, minute, second, msec);
  EXPECT_EQ(std::tuple(hour, minute, second, msec), std::tuple(23, 59, 59, 999));
}

TEST(DateUtils, WeekNumbers) {
  const std::tuple<TDateTime, TDay, TcxFirstWeekOfYear, int> cases[] = {
      {EncodeDate(2024, 12, 31), TDay::dMonday, fwyFirstFourDays, 1},
      {EncodeDate(2024, 12, 30), TDay::dMonday, fwyFirstFourDays, 1},
      {EncodeDate(2024, 12, 29), TDay::dMonday, fwyFirstFourDays, 52},
      {EncodeDate(2024, 1, 1), TDay::dMonday, fwyFirstFourDays, 1},
      {EncodeDate(2023, 1, 2), TDay::dMonday, fwyFirstFourDays, 1},
      {EncodeDate(2023, 1, 9), TDay::dMonday, fwyFirstFullWeek, 2},
      {EncodeDate(2023, 12, 31), TDay::dSunday, fwyJan1, 1},
      {EncodeDate(2023, 3, 15), TDay::dSunday, fwyJan1, 11},
  };
  for (auto [date, start, rule, expected] : cases)
    EXPECT_EQ(GetWeekNumber(date, start, rule), expected) << DateToStr(date);
}

TEST_F(DateUtilsTest, SmartWordsAndOffsets) {
  const TDateTime today = EncodeDate(2024, 3, 13); // a Wednesday
  TFixedNow clock(today + 0.25);
  struct TCase {
    const char* Text;
    TDateTime Expected;
  };
  const TCase cases[] = {
      {"today", today},
      {"Today + 3", today + 3},
      {"today-10", today - 10},
      {"today+", today},
      {"today+x", today},
      {"yesterday", today - 1},
      {"tomorrow", today + 1},
      {"wednesday", today},
      {"Friday", today + 2},
      {"Monday", today + 5},
      {"first", today - 2},
      {"seventh", today + 4},
      {"bom", EncodeDate(2024, 3, 1)},
      {"eom", EncodeDate(2024, 3, 31)},
      {"eom+1", EncodeDate(2024, 4, 1)},
      {"now", today + 0.25},
  };
  for (const TCase& c : cases) {
    TDateTime date = 0;
    EXPECT_TRUE(SmartTextToDate(c.Text, date)) << c.Text;
    EXPECT_DOUBLE_EQ(date, c.Expected) << c.Text;
  }
  TDateTime date = 7;
  EXPECT_FALSE(SmartTextToDate("13.03.2024", date));
  EXPECT_EQ(date, 7);
}

TEST_F(DateUtilsTest, TypedTextToDates) {
  TFixedNow clock(EncodeDate(2024, 3, 13));
  TDateTime date = 5;
  EXPECT_FALSE(TextToDateEx("", date));
  EXPECT_FALSE(TextToDateEx("   ", date));
  EXPECT_EQ(date, 5) << "blank text leaves the date";
  EXPECT_FALSE(TextToDateEx("no date here", date));
  EXPECT_EQ(date, NullDate);

  EXPECT_TRUE(TextToDateEx("15.03.2024", date));
  EXPECT_EQ(date, EncodeDate(2024, 3, 15));
  EXPECT_TRUE(TextToDateEx("15 Mart 2024", date)) << "the locale's own month name";
  EXPECT_EQ(date, EncodeDate(2024, 3, 15));
  EXPECT_TRUE(TextToDateEx("tomorrow", date));
  EXPECT_EQ(date, EncodeDate(2024, 3, 14));

  cxFormatController()->SetUseClassLibraryFormats(true);
  EXPECT_EQ(MinYear, 1);
  EXPECT_TRUE(TextToDateEx("01.02.0005", date));
  EXPECT_EQ(date, EncodeDate(5, 2, 1));
  cxFormatController()->SetUseClassLibraryFormats(false);
  EXPECT_EQ(MinYear, 100);
  EXPECT_EQ(cxMinDateTime(), EncodeDate(100, 1, 1));

  EXPECT_TRUE(cxStrToDateTime("15.03.2024 10:30:00", false, date));
  EXPECT_DOUBLE_EQ(date, EncodeDate(2024, 3, 15) + EncodeTime(10, 30, 0, 0));
  EXPECT_FALSE(cxStrToDateTime("15.13.2024", false, date));
  EXPECT_EQ(date, NullDate);
  EXPECT_EQ(StrToDateDef("xx", 42), 42);
}

TEST_F(DateUtilsTest, DatesToText) {
  EXPECT_EQ(DateTimeToText(NullDate), "");
  EXPECT_EQ(DateTimeToTextEx(NullDate, true), "");
  const TDateTime date = EncodeDate(2024, 3, 15);
  cxFormatController()->SetUseClassLibraryFormats(true);
  FormatSettings().ShortDateFormat = "dd.MM.yy";
  EXPECT_EQ(DateTimeToText(date, false), "15.03.24");
  EXPECT_EQ(DateTimeToText(date, true), "15.03.2024");
  EXPECT_EQ(DateTimeToText(date + 0.5, true), "15.03.2024 12:00:00");
  FormatSettings().ShortDateFormat = "dd.MM.yyyy";
  cxFormatController()->SetUseClassLibraryFormats(false);

  EXPECT_EQ(DateTimeToText(date), "15.03.2024") << "the Turkish locale's short date";
  EXPECT_EQ(DateTimeToTextEx(date + 0.5, true), "15.03.2024");
  EXPECT_NE(DateToLongDateStr(EncodeDate(1999, 7, 4)).find("1999"), std::string::npos)
      << "the date given, not today";
}

TEST(DateUtils, NullDateVariants) {
  EXPECT_TRUE(VarIsNullDate(VarFromDateTime(NullDate)));
  EXPECT_TRUE(VarIsNullDate(Variant(-2)));
  EXPECT_TRUE(VarIsNullDate(Variant(-2.0)));
  EXPECT_FALSE(VarIsNullDate(Variant(-1)));
  EXPECT_FALSE(VarIsNullDate(Variant(std::string("-2"))));
  EXPECT_FALSE(VarIsNullDate(Variant()));
}

} // namespace
